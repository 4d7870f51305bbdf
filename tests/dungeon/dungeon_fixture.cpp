// The dungeon tests' fresh game, hand-made floor and recording view.
#include "dungeon/dungeon_fixture.h"

#include <algorithm>
#include <memory>

#include "dungeon/exploration.h"
#include "dungeon/floor_generator.h"
#include "dungeon/items.h"
#include "dungeon/treasure.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/reset.h"

namespace dungeontest {

namespace Hero = state::Hero;
namespace Room = state::Room;

int RecordingView::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

void RecordingView::ShowWaitWindow() {
    calls.push_back("ShowWaitWindow");
    // Ticks every 100 ms until the floor is ready and 3 s have passed.
    for (int ms = logic::kWaitTickMs; !logic::GenerationTick(ms); ms += logic::kWaitTickMs) {
    }
}

void RecordingView::OpenFoundItem(int item, const logic::ItemDetailView& detail, int value) {
    calls.push_back("OpenFoundItem " + std::to_string(item) + " " + detail.name + " " +
                    std::to_string(value));
    if (foundItemAnswer == "keep") logic::KeepFoundItem(item);
    if (foundItemAnswer == "sell") logic::SellFoundItem(item);
}

void RecordingView::OpenPreview(int item, const logic::ItemDetailView& detail) {
    calls.push_back("OpenPreview " + std::to_string(item) + " " + detail.name);
}

bool RecordingView::OpenReplaceWindow(int item) {
    calls.push_back("OpenReplaceWindow " + std::to_string(item));
    if (replaceAnswer > 0) return logic::ReplaceWithItem(replaceAnswer, item);
    if (replaceAnswer < 0) return logic::UseItemNow(item);
    return false;
}

void RecordingView::OpenItemDetail(int slot, const logic::ItemDetailView& detail,
                                   const std::string& weaponButton) {
    calls.push_back("OpenItemDetail " + std::to_string(slot) + " " + detail.name + " [" +
                    weaponButton + "]");
    if (itemDetailAnswer == "Use weapon" && weaponButton == "Use weapon") logic::UseWeapon(slot);
    if (itemDetailAnswer == "Unequip" && weaponButton == "Unequip") logic::Unequip();
}

void RecordingView::OpenGoldTreasure(const logic::GoldFindView& g) {
    gold = g;
    calls.push_back("OpenGoldTreasure " + g.title);
}

void RecordingView::OpenLevelUp(const logic::LevelUpView& l) {
    levelUp = l;
    calls.push_back("OpenLevelUp " + std::to_string(l.level));
}

void DungeonTest::SetUp() {
    state::GameState& g = state::G();
    g = *std::make_unique<state::GameState>();
    state::ResetGameState(g);
    state::SeedRandom(4242);
    logic::Hooks().SetDungeon(&view);
    for (int p = 1; p <= 4; ++p) {
        g.lord[p][state::Lord::inGame] = 1;
        g.lord[p][state::Lord::controller] = p == 1 ? 1 : 2;
        g.lord[p][state::Lord::difficulty] = 5;
        g.lord[p][state::Lord::castleX] = p;
        g.lord[p][state::Lord::castleY] = p;
        g.army[p][state::Army::present] = 1;
        g.army[p][state::Army::x] = 6;
        g.army[p][state::Army::y] = 6;
        auto& h = g.hero[p];
        h[Hero::level] = 1;
        h[Hero::xpNext] = 400;
        h[Hero::health] = 25;
        h[Hero::baseMaxHealth] = 25;
        h[Hero::rations] = 10;
        g.heroName[p] = "Hero " + std::to_string(p);
    }
    g.currentLord = 1;
    g.dungeonLord = 1;
}

void DungeonTest::TearDown() {
    logic::Hooks().Clear();
}

void DungeonTest::MakeCorridorFloor() {
    state::GameState& g = state::G();
    g.room.Clear();
    for (int x = 1; x <= 5; ++x) {
        auto& r = g.room[x][3];
        r[Room::exists] = 1;
        r[Room::kind] = 1;
        r[Room::doorWest] = x > 1;
        r[Room::doorEast] = x < 5;
    }
    g.room[1][3][Room::stairs] = 2;
    g.room[1][3][Room::kind] = 6;
    g.room[1][3][Room::visited] = 1;
    g.hero[1][Hero::posX] = 1;
    g.hero[1][Hero::posY] = 3;
    g.hero[1][Hero::floor] = 1;
    g.hero[1][Hero::floorCount] = 1;
    g.inDungeon = 1;
}

void DungeonTest::AddMonster(int m, int level, int frequency, int toughness, int resistance,
                             int duelFlag) {
    auto& row = state::G().monsterTable[m];
    row[state::MonsterTable::exists] = 1;
    row[state::MonsterTable::monsterLevel] = level;
    row[state::MonsterTable::frequency] = frequency;
    row[state::MonsterTable::toughness] = toughness;
    row[state::MonsterTable::resistance] = resistance;
    row[state::MonsterTable::duelFlag] = duelFlag;
    row[state::MonsterTable::soundFamily] = 2;
    state::G().monsterText[m][1] = "Monster " + std::to_string(m);
    state::G().monsterText[m][2] = "m1_mon" + std::to_string(m);
}

void DungeonTest::AddItem(int i, int kind, int level, int rarity, int hit, int damage, int health,
                          int heal) {
    auto& row = state::G().itemTable[i];
    row[state::ItemTable::exists] = 1;
    row[state::ItemTable::itemKind] = kind;
    row[state::ItemTable::itemLevel] = level;
    row[state::ItemTable::rarity] = rarity;
    row[state::ItemTable::hitStrength] = hit;
    row[state::ItemTable::damageStrength] = damage;
    row[state::ItemTable::healthStrength] = health;
    row[state::ItemTable::healStrength] = heal;
    state::G().itemText[i][state::ItemText::fullName] = "Item " + std::to_string(i);
    state::G().itemText[i][state::ItemText::picture] = "m1_item" + std::to_string(i);
    state::G().itemText[i][state::ItemText::shortName] = "I" + std::to_string(i);
}

void DungeonTest::Give(int slot, int item) {
    auto& gear = state::G().heroGear[1][static_cast<std::size_t>(slot)];
    gear[state::HeroGear::present] = 1;
    gear[state::HeroGear::item] = item;
}

}  // namespace dungeontest
