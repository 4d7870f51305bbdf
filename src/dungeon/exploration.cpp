// The dungeon screen's rules: entering and generating, the board with its fog of war, moving
// from room to room, meals, the stairway, the boss room, and leaving, clearing or dying.
#include "dungeon/exploration.h"

#include <algorithm>

#include "dungeon/duel.h"
#include "dungeon/floor_generator.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "dungeon/room_content.h"
#include "dungeon/rooms.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace Hero = state::Hero;
namespace Room = state::Room;
namespace ItemText = state::ItemText;

namespace {

// A generation call almost always succeeds; the wait window's ticks repeat it. Without a wait
// window the rules call it until it does.
constexpr int kGenerationCallsWithoutWindow = 1000;

constexpr const char* kCombatRefusal = "Sorry, but during combat you can not take this action.";
constexpr const char* kTutorialRefusal = "Sorry, during the tutorial this is not possible.";

DungeonView& View() {
    return Hooks().Dungeon();
}

void Refuse(const char* text) {
    DuelPause pause;
    UI().ShowShortNotice(text);
}

// Honor for clearing a dungeon by hero level.
int ClearingHonor(int level) {
    return level <= 2 ? 2 : level <= 4 ? 3 : 4;
}

void ArriveOnFloor() {
    state::GameState& g = state::G();
    for (int x = 1; x <= Room::kColumns; ++x) {
        for (int y = 1; y <= Room::kRows; ++y) {
            auto& r = *RoomAt(x, y);
            if (r[Room::exists] != 1 || r[Room::stairs] != 2) continue;
            HeroRecord()[Hero::posX] = x;
            HeroRecord()[Hero::posY] = y;
            r[Room::visited] = 1;
        }
    }
    if (g.inDungeon == 0) {
        g.dungeonTurn = 0;
        g.inDungeon = 1;
        g.duelShown = false;
        View().HideDuelPanel();
        DrawDungeon();
        AdvanceTutorial(TutorialStep::dungeonField);
        g.dungeonMayClose = false;
        View().ShowDungeonWindow();
    } else {
        View().FocusDungeonWindow();
    }
}

// The wait window makes the floor; then the hero arrives on it.
void MakeFloor() {
    state::G().floorGenerated = false;
    View().ShowWaitWindow();
    for (int i = 0; i < kGenerationCallsWithoutWindow && !state::G().floorGenerated; ++i)
        GenerateFloor();
    if (!state::G().floorGenerated) return;
    ArriveOnFloor();
}

// The first entry of a room that is not a stairway.
void EnterNewRoom(int x, int y) {
    const auto* room = RoomAt(x, y);
    if (IsHuman(HeroLord())) {
        const int kind = (*room)[Room::kind];
        UI().ShowNotice(RoomPicture(kind) + ".jpg", RoomName(kind), RoomDescription(kind));
    }
    PopulateRoom(x, y);
    DrawHeroStatus();
}

// Whether (x, y) is the room behind an open door of the room at (fx, fy).
bool OpenDoorBetween(int fx, int fy, int x, int y) {
    const auto* from = RoomAt(fx, fy);
    const auto* to = RoomAt(x, y);
    if (from == nullptr || to == nullptr || (*to)[Room::exists] != 1) return false;
    if (x == fx && y == fy - 1) return (*from)[Room::doorNorth] == 1;
    if (x == fx + 1 && y == fy) return (*from)[Room::doorEast] == 1;
    if (x == fx && y == fy + 1) return (*from)[Room::doorSouth] == 1;
    if (x == fx - 1 && y == fy) return (*from)[Room::doorWest] == 1;
    return false;
}

bool Visited(int x, int y) {
    const auto* r = RoomAt(x, y);
    return r != nullptr && (*r)[Room::exists] == 1 && (*r)[Room::visited] == 1;
}

GearSlotView GearView(int slot) {
    GearSlotView v;
    const int item = SlotItem(slot);
    if (item == kNoItem) return v;
    const auto& text = state::G().itemText[item];
    v.equipped = slot == state::G().equippedSlot && EquippedItem() == item;
    v.picture = text[ItemText::picture] + (v.equipped ? "_g.jpg" : ".jpg");
    v.caption = text[ItemText::shortName];
    return v;
}

void SettleGoldIntoTreasury() {
    auto& hero = HeroRecord();
    LordRecord(HeroLord())[state::Lord::gold] = hero[Hero::goldCarried];
    hero[Hero::goldCarried] = 0;
    Hooks().View().DrawMap(false, false);
}

void LeaveDungeonState() {
    state::GameState& g = state::G();
    g.inDungeon = 0;
    g.enteringDungeon = false;
    g.duelShown = false;
}

}  // namespace

void EnterDungeon() {
    state::GameState& g = state::G();
    const int c = CurrentLordChecked();
    if (c == 0 || g.inDungeon == 1) return;
    g.dungeonLord = c;
    auto& hero = g.hero[c];
    hero[Hero::health] = hero[Hero::baseMaxHealth] + hero[Hero::itemHealthBonus];
    RecomputeItemBonuses();
    g.room.Clear();
    hero[Hero::rations] = kRationsOnEntry;
    hero[Hero::goldCarried] = LordRecord(c)[state::Lord::gold];
    hero[Hero::floor] = 1;
    hero[Hero::floorCount] = 1;
    ArmyRecord(c)[state::Army::movesLeft] = 0;
    MakeFloor();
}

bool GenerationTick(int elapsedMs) {
    if (!state::G().floorGenerated) GenerateFloor();
    return state::G().floorGenerated && elapsedMs >= kWaitMinimumMs;
}

void DrawDungeon() {
    BoardView board;
    auto* here = HeroRoom();
    const auto& hero = HeroRecord();
    const int hx = hero[Hero::posX], hy = hero[Hero::posY];
    for (int x = 1; x <= Room::kColumns; ++x) {
        for (int y = 1; y <= Room::kRows; ++y) {
            const auto& r = *RoomAt(x, y);
            if (r[Room::exists] != 1) continue;
            TileView& tile = board.tile[x][y];
            tile.shown = true;
            const bool seen = r[Room::visited] == 1 || (here && OpenDoorBetween(hx, hy, x, y));
            tile.picture = seen ? RoomPicture(r[Room::kind]) + "_sm.jpg" : "blackroom_sm.jpg";
            if (r[Room::doorNorth] == 1 && y > 1) {
                board.doorUpper[x][y - 1] = Visited(x, y - 1);
                board.doorLower[x][y - 1] = r[Room::visited] == 1;
            }
            if (r[Room::doorEast] == 1 && x < Room::kColumns) {
                board.doorLeft[x][y] = r[Room::visited] == 1;
                board.doorRight[x][y] = Visited(x + 1, y);
            }
        }
    }
    if (here != nullptr) {
        board.heroX = hx;
        board.heroY = hy;
        board.heroPicture = HeroPicture(HeroLord(), "_sm.jpg");
        board.moveNorth = OpenDoorBetween(hx, hy, hx, hy - 1);
        board.moveEast = OpenDoorBetween(hx, hy, hx + 1, hy);
        board.moveSouth = OpenDoorBetween(hx, hy, hx, hy + 1);
        board.moveWest = OpenDoorBetween(hx, hy, hx - 1, hy);
    }
    View().DrawBoard(board);
    DrawHeroStatus();
}

void DrawHeroStatus() {
    View().DrawHeroStatus(DescribeHeroStatus());
}

HeroStatusView DescribeHeroStatus() {
    state::GameState& g = state::G();
    const int lord = HeroLord();
    const auto& hero = HeroRecord();
    HeroStatusView s;
    s.heroName = g.heroName[lord];
    s.level = hero[Hero::level];
    const bool flash = View().TimerRunning(DuelTimer::HeroFlash);
    s.heroPicture = HeroPicture(CurrentLordChecked(), flash ? "_red.jpg" : ".jpg");
    s.healthPicture = HealthPicture(hero[Hero::health], MaxHealth());
    s.showExperience = hero[Hero::level] <= kMaxHeroLevel - 1;
    if (s.showExperience)
        s.experiencePicture = ExperiencePicture(hero[Hero::xp], hero[Hero::xpNext]);
    s.goldLine = std::to_string(hero[Hero::goldCarried]) + " gold";
    s.rationsLine = std::to_string(hero[Hero::rations]) + " rations left";
    const int opponent = g.opponent[state::Opponent::oppMonster];
    s.goldAndRationsShown =
        !(DuelActive() && MonsterField(opponent, state::MonsterTable::duelFlag) == 1);
    const int weapon = EquippedItem();
    if (weapon == kNoItem) {
        s.weapon.picture = "blackroom_sm.jpg";
    } else {
        s.weapon.picture = g.itemText[weapon][ItemText::picture] + ".jpg";
        s.weapon.caption = g.itemText[weapon][ItemText::shortName];
        s.weapon.equipped = true;
    }
    for (int slot = 1; slot <= kBackpackSlots; ++slot)
        s.backpack[slot] = GearView(slot);
    return s;
}

void MoveHero(int x, int y) {
    state::GameState& g = state::G();
    if (g.inDungeon != 1) return;
    if (DuelActive()) return Refuse(kCombatRefusal);
    if (TutorialRefusesDungeonMove()) return Refuse(kTutorialRefusal);
    auto* from = HeroRoom();
    auto& hero = HeroRecord();
    if (from == nullptr || !OpenDoorBetween(hero[Hero::posX], hero[Hero::posY], x, y)) return;

    // A room whose event is still pending stays unvisited, so the event runs on the next entry.
    if ((*from)[Room::event] == 0) (*from)[Room::visited] = 1;
    hero[Hero::prevX] = hero[Hero::posX];
    hero[Hero::prevY] = hero[Hero::posY];
    hero[Hero::posX] = x;
    hero[Hero::posY] = y;
    auto& to = *RoomAt(x, y);
    if (to[Room::stairs] > 0) to[Room::visited] = 1;
    if (to[Room::visited] == 0) EnterNewRoom(x, y);
    if (g.inDungeon == 1 && to[Room::stairs] == 1 && hero[Hero::posX] == x &&
        hero[Hero::posY] == y) {
        const int answer = UI().AskOffer(
            "m1_set1_stairwaydown.jpg", "Stairway down...",
            "You have come to a stairway that leads further down into the darkness. Do you want "
            "to follow it?",
            "Yes", "No");
        if (answer == kOfferAction) {
            hero[Hero::floor] = state::AddWithin(hero[Hero::floor], 1, 0, state::kCountLimit);
            MakeFloor();
        }
    }
    if (g.inDungeon == 1) {
        if (auto* now = HeroRoom()) {
            (*now)[Room::visited] = 1;
            if ((*now)[Room::event] != 0) (*now)[Room::visited] = 0;
        }
    }
    EndOfMove();
}

void MoveNorth() {
    const auto& h = HeroRecord();
    MoveHero(h[Hero::posX], h[Hero::posY] - 1);
}
void MoveEast() {
    const auto& h = HeroRecord();
    MoveHero(h[Hero::posX] + 1, h[Hero::posY]);
}
void MoveSouth() {
    const auto& h = HeroRecord();
    MoveHero(h[Hero::posX], h[Hero::posY] + 1);
}
void MoveWest() {
    const auto& h = HeroRecord();
    MoveHero(h[Hero::posX] - 1, h[Hero::posY]);
}

void EndOfMove() {
    state::GameState& g = state::G();
    g.dungeonTurn = state::AddWithin(g.dungeonTurn, 1, 0, state::kCountLimit);
    LowHealthHint();
    RecomputeItemBonuses();
    if (g.inDungeon == 0) {
        CloseDungeonScreen();
        return;
    }
    DrawDungeon();
    if (g.gameOver) CloseDungeonScreen();
}

void Eat() {
    if (DuelActive()) return Refuse(kCombatRefusal);
    if (state::G().inDungeon != 1) return;
    auto& hero = HeroRecord();
    if (hero[Hero::health] >= MaxHealth()) {
        UI().ShowNotice("m1_food.jpg", "Full health",
                        "You are at full health and there is no reason to waste one of your "
                        "provisions! If you are hurt, eating one of your provisions will restore "
                        "some of your health.");
        return;
    }
    if (hero[Hero::rations] < 1) {
        UI().ShowNotice("m1_food.jpg", "Not enough food",
                        "You do not have enough provisions left!");
        return;
    }
    hero[Hero::rations] =
        state::AddWithin(hero[Hero::rations], -1, -state::kCountLimit, state::kCountLimit);
    hero[Hero::health] = std::min(hero[Hero::health] + 4 * hero[Hero::level] + 10, MaxHealth());
    UI().ShowNotice("m1_food.jpg", "Eat",
                    "You eat one ration of your provisions and restore some health.");
    DrawHeroStatus();
    EndOfMove();
}

void Leave() {
    if (TutorialRefusesLeaving()) return Refuse(kTutorialRefusal);
    if (DuelActive()) return Refuse(kCombatRefusal);
    if (state::G().inDungeon != 1) return;
    const int answer = UI().AskOffer("m1_action_exit.jpg", "Leave",
                                     "Do you really wish to leave this dungeon?", "Yes", "No");
    if (answer != kOfferAction) return;
    SettleGoldIntoTreasury();
    UI().ShowNotice(HeroPicture(HeroLord()), "Leave",
                    "You return to your waiting troops with all the treasures you have found so "
                    "far.");
    LeaveDungeonState();
    CloseDungeonScreen();
}

void DungeonOptions() {
    if (DuelActive()) return Refuse("Sorry, but during combat you can not access the option menu.");
    // The tutorial's last dungeon step also ends when the options are opened here.
    AdvanceTutorial(TutorialStep::dungeonEnds);
    Hooks().Screens().OpenOptions();
    if (state::G().inDungeon == 1) {
        DrawDungeon();
    } else {
        CloseDungeonScreen();
    }
}

void BossRoom() {
    const int boss = PickBoss(HeroRecord()[Hero::level]);
    const int item =
        boss == 0 ? 0 : PickBossTreasure(MonsterField(boss, state::MonsterTable::monsterLevel));
    if (boss == 0 || item == 0) {
        ClearDungeon(
            "You have killed all monsters in the dungeon. It appears there is no boss monster "
            "here. You return to your waiting troops...with your treasures...");
        return;
    }
    Hooks().Sound().PlayReward(1);
    UI().ShowBossNotice("m1_book.jpg", "Boss monster!",
                        "As you enter the room a cold shiver runs down your neck and all the hairs "
                        "on your body arise. You feel a presence here, an evil that should have "
                        "never been unveiled by a living being. You have found the boss monster!");
    if (auto* room = HeroRoom()) (*room)[Room::treasure] = item;
    StartDuel(boss);
}

void ClearDungeon(const std::string& text) {
    SettleGoldIntoTreasury();
    Hooks().Sound().PlayReward(2);
    UI().ShowNotice("enterthedungeon.jpg", "Dungeon cleared!", text);
    const int honor = ClearingHonor(HeroRecord()[Hero::level]);
    LordRecord(HeroLord())[state::Lord::honor] =
        state::AddSaturated(LordRecord(HeroLord())[state::Lord::honor], honor);
    Hooks().View().DrawStatusBar();
    UI().ShowNotice(
        "honor.jpg", "Honor!",
        "For clearing this dungeon you receive " + std::to_string(honor) + " honor points!");
    LeaveDungeonState();
    CloseDungeonScreen();
}

void HeroDies() {
    const int lord = HeroLord();
    UI().ShowNotice(HeroPicture(lord), "Dead!",
                    "Your wounds are too severe, you drop to the floor.  The world around you "
                    "fades away and luckily you do not notice what happens to whats left of your "
                    "body.");
    UI().ShowNotice("m2_castle.jpg", "Resurrection!",
                    "You see a light shining through the darkness. You are ressurected by a priest "
                    "in the temple of your castle! Although you still have all your equipment you "
                    "lost the gold found.");
    auto& army = ArmyRecord(lord);
    army[state::Army::x] = LordRecord(lord)[state::Lord::castleX];
    army[state::Army::y] = LordRecord(lord)[state::Lord::castleY];
    HeroRecord()[Hero::goldCarried] = 0;
    Hooks().View().DrawMap(false, false);
    LeaveDungeonState();
    CloseDungeonScreen();
}

void CloseDungeonScreen() {
    state::G().dungeonMayClose = true;
    View().CloseDungeonWindow();
    // However the dungeon ended, the tutorial's dungeon lesson is over.
    AdvanceTutorial(TutorialStep::dungeonEnds);
}

bool DungeonCloseQuery() {
    const state::GameState& g = state::G();
    if (g.dungeonMayClose) return true;
    if (DuelActive()) {
        Refuse("You cannot close the screen while in combat!");
        return false;
    }
    if (g.inDungeon == 1) {
        Refuse(
            "Please exit a dungeon using the LEAVE button at the left bottom part of the "
            "screen.");
        return false;
    }
    return true;
}

void LowHealthHint() {
    const int lord = HeroLord();
    if (state::G().inDungeon != 1 || !IsHuman(lord)) return;
    auto& l = LordRecord(lord);
    if (HeroRecord()[Hero::health] >= MaxHealth() / 2 || l[state::Lord::lowHealthHintShown] != 0)
        return;
    l[state::Lord::lowHealthHintShown] = 1;
    UI().ShowHelp("m2_castle.jpg", "Help mode: Low health!",
                  "Your health is very low. You can use one of the rare heal potions or eat some "
                  "of your food provisions to regenerate some of your health.");
}

void ResumeDungeon() {
    state::GameState& g = state::G();
    if (g.inDungeon != 1 || g.gameOver) return;
    DrawDungeon();
    g.dungeonMayClose = false;
    View().ShowDungeonWindow();
}

}  // namespace logic
