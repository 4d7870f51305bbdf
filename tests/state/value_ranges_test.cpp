// The range of every stored value: each row of the table at both ends and one beyond each, for
// saved games and scenarios alike, against ranges written down here a second time.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "state/ai_plan.h"
#include "state/game_state.h"
#include "state/range_check.h"
#include "state/saved_game_check.h"
#include "state/value_ranges.h"

namespace {

using namespace state;

constexpr Int kMin = kIntMin;
constexpr Int kMax = kIntMax;

// Four lords in the game with their armies on their castles, lord 1's turn: every row of the
// table looks at one of its records.
void EveryRecordInScope(GameState& g) {
    g = GameState{};
    g.currentLord = 1;
    g.dungeonLord = 1;
    for (int p = 1; p <= 4; ++p) {
        g.lord[p][Lord::inGame] = 1;
        g.lord[p][Lord::controller] = p == 1 ? 1 : 2;
        g.hero[p][Hero::baseMaxHealth] = 25;
        g.lord[p][Lord::castleX] = 2 * p;
        g.lord[p][Lord::castleY] = p + 1;
        g.army[p][Army::present] = 1;
        g.army[p][Army::x] = 2 * p;
        g.army[p][Army::y] = p + 1;
    }
}

using Key = std::tuple<Holder, int, Holds>;

// The ranges as the rules need them, written down apart from the table.
const std::map<Key, std::pair<Int, Int>>& ExpectedRanges() {
    using H = Holder;
    constexpr Holds B = Holds::both;
    static const std::map<Key, std::pair<Int, Int>> ranges = {
        {{H::game, GameValue::currentLord, Holds::savedGames}, {1, 4}},
        {{H::game, GameValue::dungeonLord, B}, {1, 4}},
        {{H::game, GameValue::inDungeon, Holds::savedGames}, {0, 1}},
        {{H::game, GameValue::dungeonTurn, B}, {0, 1'000'000}},
        {{H::game, GameValue::playedScenario, B}, {0, 100}},
        {{H::mapSetting, MapSetting::theme, B}, {0, 19}},
        {{H::modSetting, ModSetting::started, B}, {0, 1}},
        {{H::lord, Lord::inGame, B}, {0, 1}},
        {{H::lord, Lord::controller, Holds::savedGames}, {1, 2}},
        {{H::lord, Lord::controller, Holds::scenarios}, {0, 2}},
        {{H::lord, Lord::castleX, B}, {1, 12}},
        {{H::lord, Lord::castleY, B}, {1, 11}},
        {{H::lord, Lord::gold, B}, {kMin, kMax}},
        {{H::lord, Lord::honor, B}, {kMin, kMax}},
        {{H::lord, Lord::wood, B}, {kMin, kMax}},
        {{H::lord, Lord::iron, B}, {kMin, kMax}},
        {{H::lord, Lord::stone, B}, {kMin, kMax}},
        {{H::lord, Lord::gems, B}, {kMin, kMax}},
        {{H::lord, Lord::moveRange, B}, {0, 1'000'000}},
        {{H::lord, Lord::heroLevel, B}, {0, 8}},
        {{H::lord, Lord::difficulty, B}, {0, 12}},
        {{H::lord, Lord::aiGoal, B}, {0, 60}},
        {{H::lord, Lord::aiTarget, B}, {0, 9}},
        {{H::lord, Lord::barracks, B}, {0, 1}},
        {{H::lord, Lord::walls, B}, {0, 1}},
        {{H::lord, Lord::keep, B}, {0, 1}},
        {{H::lord, Lord::bowmaker, B}, {0, 1}},
        {{H::lord, Lord::treasury, B}, {0, 1}},
        {{H::lord, Lord::stables, B}, {0, 1}},
        {{H::lord, Lord::scoutCamp, B}, {0, 1}},
        {{H::lord, Lord::workshop, B}, {0, 1}},
        {{H::lord, Lord::guildhouse, B}, {0, 1}},
        {{H::lord, Lord::themeCounter, B}, {-1'000'000, 1'000'000}},
        {{H::lord, Lord::ironIngots, B}, {0, 1'000'000}},
        {{H::lord, Lord::miningSkill, B}, {0, 100}},
        {{H::lord, Lord::enemyCloseHintShown, B}, {0, 1}},
        {{H::lord, Lord::lowHealthHintShown, B}, {0, 1}},
        {{H::lord, Lord::voodooDoll, B}, {0, 1}},
        {{H::lord, Lord::magicDust, B}, {0, 1}},
        {{H::lord, Lord::evilTalisman, B}, {0, 1}},
        {{H::lord, Lord::soulstone, B}, {0, 1}},
        {{H::army, Army::present, B}, {0, 1}},
        {{H::army, Army::x, B}, {1, 12}},
        {{H::army, Army::y, B}, {1, 11}},
        {{H::army, Army::movesLeft, B}, {kMin, 4}},
        {{H::army, Army::prevX, B}, {0, 12}},
        {{H::army, Army::prevY, B}, {0, 11}},
        {{H::army, Army::soldiers, B}, {0, 100'000}},
        {{H::army, Army::fast, B}, {0, 100'000}},
        {{H::army, Army::archers, B}, {0, 100'000}},
        {{H::army, Army::siege, B}, {0, 100'000}},
        {{H::army, Army::specialCount, B}, {0, 100'000}},
        {{H::army, Army::specialType, B}, {0, 100}},
        {{H::army, Army::specialClass, B}, {0, 3}},
        {{H::hero, Hero::floor, B}, {0, 1'000'000}},
        {{H::hero, Hero::posX, B}, {0, 7}},
        {{H::hero, Hero::posY, B}, {0, 5}},
        {{H::hero, Hero::xp, B}, {0, 1'000'000}},
        {{H::hero, Hero::xpNext, B}, {0, 1'000'000}},
        {{H::hero, Hero::level, B}, {0, 8}},
        {{H::hero, Hero::goldCarried, B}, {kMin, kMax}},
        {{H::hero, Hero::rations, B}, {-1'000'000, 1'000'000}},
        {{H::hero, Hero::floorCount, B}, {0, 1'000'000}},
        {{H::hero, Hero::health, B}, {-1'000'000, 2'000'000}},
        {{H::hero, Hero::duelSkill, B}, {0, 1'000'000}},
        {{H::hero, Hero::duelDamage, B}, {0, 1'000'000}},
        {{H::hero, Hero::baseMaxHealth, B}, {1, 1'000'000}},
        {{H::hero, Hero::itemHealthBonus, B}, {0, 1'000'000}},
        {{H::hero, Hero::heroic, B}, {0, 1}},
        {{H::hero, Hero::prevX, B}, {0, 7}},
        {{H::hero, Hero::prevY, B}, {0, 5}},
        {{H::heroGear, HeroGear::present, B}, {0, 1}},
        {{H::heroGear, HeroGear::item, B}, {-1, 500}},
        {{H::heroSkill, HeroSkill::askBeforeLoad, B}, {0, 1}},
        {{H::field, Field::walkable, B}, {-1, 1}},
        {{H::field, Field::owner, B}, {0, 4}},
        {{H::field, Field::tile, B}, {0, 635}},
        {{H::mapSite, MapSite::active, B}, {0, 1}},
        {{H::mapSite, MapSite::kind, B}, {-3, 9}},
        {{H::mapSite, MapSite::x, B}, {0, 12}},
        {{H::mapSite, MapSite::y, B}, {0, 11}},
        {{H::mapSite, MapSite::countdown, B}, {0, 1'000'000}},
        {{H::mapSite, MapSite::owner, B}, {0, 4}},
        {{H::mapSite, MapSite::taxes, B}, {0, kMax}},
        {{H::mapSite, MapSite::size, B}, {0, 1'000'000}},
        {{H::mapSite, MapSite::woodPrice, B}, {0, 135}},
        {{H::mapSite, MapSite::ironPrice, B}, {0, 200}},
        {{H::mapSite, MapSite::stonePrice, B}, {0, 135}},
        {{H::mapSite, MapSite::gemsPrice, B}, {0, 500}},
        {{H::mapSite, MapSite::woodStock, B}, {0, 1'000'000}},
        {{H::mapSite, MapSite::ironStock, B}, {0, 1'000'000}},
        {{H::mapSite, MapSite::stoneStock, B}, {0, 1'000'000}},
        {{H::mapSite, MapSite::gemsStock, B}, {0, 1'000'000}},
        {{H::mapSite, MapSite::garrisonSoldiers, B}, {0, 100'000}},
        {{H::mapSite, MapSite::garrisonFast, B}, {0, 100'000}},
        {{H::mapSite, MapSite::garrisonArchers, B}, {0, 100'000}},
        {{H::mapSite, MapSite::garrisonSiege, B}, {0, 100'000}},
        {{H::mapSite, MapSite::shopItem1, B}, {0, 500}},
        {{H::mapSite, MapSite::shopItem2, B}, {0, 500}},
        {{H::mapSite, MapSite::shopItem3, B}, {0, 500}},
        {{H::spawnField, SpawnField::present, B}, {0, 1}},
        {{H::spawnField, SpawnField::kind, B}, {0, 5}},
        {{H::spawnField, SpawnField::x, B}, {0, 12}},
        {{H::spawnField, SpawnField::y, B}, {0, 11}},
        {{H::spawnField, SpawnField::roundsLeft, B}, {kMin, 1'000'000}},
        {{H::aiPlanA, AIPlan::used, B}, {0, 1}},
        {{H::aiPlanA, AIPlan::x, B}, {0, 12}},
        {{H::aiPlanA, AIPlan::y, B}, {0, 11}},
        {{H::aiPlanA, AIPlan::length, B}, {0, 1'000'000}},
        {{H::aiPlanB, AIPlan::used, B}, {0, 1}},
        {{H::aiPlanB, AIPlan::x, B}, {0, 12}},
        {{H::aiPlanB, AIPlan::y, B}, {0, 11}},
        {{H::aiPlanB, AIPlan::length, B}, {0, 1'000'000}},
        {{H::room, Room::exists, B}, {0, 1}},
        {{H::room, Room::kind, B}, {0, 11}},
        {{H::room, Room::visited, B}, {0, 1}},
        {{H::room, Room::doorNorth, B}, {0, 1}},
        {{H::room, Room::doorEast, B}, {0, 1}},
        {{H::room, Room::doorSouth, B}, {0, 1}},
        {{H::room, Room::doorWest, B}, {0, 1}},
        {{H::room, Room::monster, B}, {0, 100}},
        {{H::room, Room::event, B}, {0, 100}},
        {{H::room, Room::treasure, B}, {-100, 500}},
        {{H::room, Room::stairs, B}, {0, 2}},
        {{H::opponent, Opponent::oppActive, B}, {0, 1}},
        {{H::opponent, Opponent::oppMonster, B}, {0, 100}},
        {{H::opponent, Opponent::oppHealth, B}, {-1'000'000, 1'000'000}},
        {{H::opponent, Opponent::oppSkill, B}, {0, 1'000'000}},
        {{H::opponent, Opponent::oppDamage, B}, {0, 1'000'000}},
        {{H::opponent, Opponent::oppMaxHealth, B}, {0, 1'000'000}},
        {{H::opponent, Opponent::oppPicture, B}, {0, 100}},
        {{H::monster, MonsterTable::exists, B}, {0, 1}},
        {{H::monster, MonsterTable::monsterLevel, B}, {0, 10}},
        {{H::monster, MonsterTable::toughness, B}, {0, 3}},
        {{H::monster, MonsterTable::frequency, B}, {0, 3}},
        {{H::monster, MonsterTable::soundFamily, B}, {0, 6}},
        {{H::monster, MonsterTable::resistance, B}, {0, 2}},
        {{H::monster, MonsterTable::duelFlag, B}, {0, 1}},
        {{H::item, ItemTable::exists, B}, {0, 1}},
        {{H::item, ItemTable::itemKind, B}, {0, 3}},
        {{H::item, ItemTable::itemLevel, B}, {0, 10}},
        {{H::item, ItemTable::rarity, B}, {0, 3}},
        {{H::item, ItemTable::itemValue, B}, {0, 1'000'000}},
        {{H::item, ItemTable::hitStrength, B}, {0, 100}},
        {{H::item, ItemTable::damageStrength, B}, {0, 100}},
        {{H::item, ItemTable::healthStrength, B}, {0, 100}},
        {{H::item, ItemTable::healStrength, B}, {0, 100}},
        {{H::troopType, TroopType::attack, B}, {0, 1000}},
        {{H::troopType, TroopType::health, B}, {0, 1000}},
        {{H::battleOrdersOwn, BattleOrders::melee, B}, {0, 3}},
        {{H::battleOrdersOwn, BattleOrders::fastMelee, B}, {0, 3}},
        {{H::battleOrdersOwn, BattleOrders::range, B}, {0, 3}},
        {{H::battleOrdersFoe, BattleOrders::melee, B}, {0, 3}},
        {{H::battleOrdersFoe, BattleOrders::fastMelee, B}, {0, 3}},
        {{H::battleOrdersFoe, BattleOrders::range, B}, {0, 3}},
        {{H::progress, ProgressValue::scenariosUnlocked, B}, {0, 12}},
        {{H::progress, ProgressValue::difficultyUnlocked, B}, {0, 12}},
        {{H::progress, ProgressValue::startCount, B}, {0, kMax}},
        {{H::progress, ProgressValue::soundOn, B}, {kMin, kMax}},
        {{H::progress, ProgressValue::musicOn, B}, {kMin, kMax}},
        {{H::progress, ProgressValue::hintsOn, B}, {kMin, kMax}},
    };
    return ranges;
}

std::vector<FileKind> KindsOf(Holds holds) {
    if (holds == Holds::savedGames) return {FileKind::savedGame};
    if (holds == Holds::scenarios) return {FileKind::scenario};
    return {FileKind::savedGame, FileKind::scenario};
}

TEST(ValueRanges, TheTableHoldsEachRangeAsTheRulesNeedIt) {
    std::map<Key, int> seen;
    for (const ValueRange& row : ValueRanges()) {
        const Key key{row.holder, row.slot, row.holds};
        ++seen[key];
        const auto expected = ExpectedRanges().find(key);
        ASSERT_NE(expected, ExpectedRanges().end()) << row.name << " has no expected range";
        EXPECT_EQ(row.low, expected->second.first) << row.name;
        EXPECT_EQ(row.high, expected->second.second) << row.name;
        EXPECT_TRUE(InRange(row.slot, 1, SlotsOf(row.holder))) << row.name;
    }
    EXPECT_EQ(seen.size(), ExpectedRanges().size());
    for (const auto& [key, count] : seen)
        EXPECT_EQ(count, 1) << "a slot with two rows for the same files";
}

TEST(ValueRanges, EachRangeHoldsAtBothEndsAndRefusesOneBeyondEach) {
    auto g = std::make_unique<GameState>();
    for (const auto& [key, range] : ExpectedRanges()) {
        const auto& [holder, slot, holds] = key;
        if (holder == Holder::progress) continue;
        const ValueRange* row = nullptr;
        for (const ValueRange& r : ValueRanges()) {
            if (r.holder == holder && r.slot == slot && r.holds == holds) row = &r;
        }
        ASSERT_NE(row, nullptr);
        for (FileKind file : KindsOf(holds)) {
            const auto [low, high] = range;
            auto faultWith = [&](std::int64_t value) {
                EveryRecordInScope(*g);
                // The last record a row checks, so that a check that stops early is caught too.
                Int* stored = StoredValue(*g, row->holder, RecordsOf(row->holder), row->slot);
                EXPECT_NE(stored, nullptr) << row->name;
                if (stored) *stored = static_cast<Int>(value);
                return RangeFault(*g, file);
            };
            EXPECT_EQ(faultWith(low), "") << row->name;
            EXPECT_EQ(faultWith(high), "") << row->name;
            if (low > kMin) {
                EXPECT_NE(faultWith(std::int64_t{low} - 1), "") << row->name;
            }
            if (high < kMax) {
                EXPECT_NE(faultWith(std::int64_t{high} + 1), "") << row->name;
            }
        }
    }
    EXPECT_TRUE(ProgressValueInRange(ProgressValue::scenariosUnlocked, 12));
    EXPECT_FALSE(ProgressValueInRange(ProgressValue::scenariosUnlocked, 13));
    EXPECT_TRUE(ProgressValueInRange(ProgressValue::difficultyUnlocked, 0));
    EXPECT_FALSE(ProgressValueInRange(ProgressValue::difficultyUnlocked, -1));
    EXPECT_TRUE(ProgressValueInRange(ProgressValue::startCount, kMax));
    EXPECT_FALSE(ProgressValueInRange(ProgressValue::startCount, -1));
    EXPECT_TRUE(ProgressValueInRange(ProgressValue::soundOn, kMin));
}

TEST(ValueRanges, FaultsNameTheRecordTheValueAndTheRange) {
    auto g = std::make_unique<GameState>();
    EveryRecordInScope(*g);
    g->mapSite[3][MapSite::taxes] = kMax;
    g->mapSite[3][MapSite::gemsPrice] = 501;
    EXPECT_EQ(RangeFault(*g, FileKind::savedGame),
              "the map site 3's gems price is 501, not from 0 to 500");
    EveryRecordInScope(*g);
    g->army[3][Army::soldiers] = kMax;
    EXPECT_EQ(RangeFault(*g, FileKind::savedGame),
              "the red lord's army counts 2147483647 troops of one kind");
    EveryRecordInScope(*g);
    g->hero[2][Hero::baseMaxHealth] = kMax;
    EXPECT_EQ(RangeFault(*g, FileKind::savedGame),
              "the green lord's hero's base health is 2147483647, not from 1 to 1000000");
    EveryRecordInScope(*g);
    g->mapSite[10][MapSite::garrisonFast] = kMax;
    EXPECT_EQ(RangeFault(*g, FileKind::savedGame),
              "the map site 10's garrison counts 2147483647 troops of one kind");
    EveryRecordInScope(*g);
    g->lord[2][Lord::castleX] = 99;
    g->lord[2][Lord::castleY] = -99;
    EXPECT_EQ(RangeFault(*g, FileKind::scenario),
              "the green lord's castle at (99, -99) is off the map");
    g->lord[2][Lord::castleX] = 3;
    EXPECT_EQ(RangeFault(*g, FileKind::scenario),
              "the green lord's castle at (3, -99) is off the map");
    // A lord out of the game keeps whatever its records held; the controller of a scenario's lord
    // is not chosen yet.
    EveryRecordInScope(*g);
    g->lord[2][Lord::inGame] = 0;
    g->lord[2][Lord::castleX] = -7;
    g->army[2][Army::soldiers] = kMax;
    g->lord[3][Lord::controller] = 0;
    EXPECT_EQ(RangeFault(*g, FileKind::scenario), "");
    EXPECT_EQ(RangeFault(*g, FileKind::savedGame),
              "the red lord is played by 0, neither the player (1) nor the computer (2)");
}

}  // namespace

namespace {

struct NamedSlots {
    state::Holder holder;
    std::span<const state::SlotName> names;
};

const NamedSlots kNamedSlots[] = {
    {state::Holder::lord, state::Lord::kSlotNames},
    {state::Holder::army, state::Army::kSlotNames},
    {state::Holder::hero, state::Hero::kSlotNames},
    {state::Holder::heroGear, state::HeroGear::kSlotNames},
    {state::Holder::heroSkill, state::HeroSkill::kSlotNames},
    {state::Holder::field, state::Field::kSlotNames},
    {state::Holder::mapSite, state::MapSite::kSlotNames},
    {state::Holder::spawnField, state::SpawnField::kSlotNames},
    {state::Holder::room, state::Room::kSlotNames},
    {state::Holder::monster, state::MonsterTable::kSlotNames},
    {state::Holder::item, state::ItemTable::kSlotNames},
    {state::Holder::opponent, state::Opponent::kSlotNames},
    {state::Holder::troopType, state::TroopType::kSlotNames},
    {state::Holder::battleOrdersOwn, state::BattleOrders::kSlotNames},
    {state::Holder::battleOrdersFoe, state::BattleOrders::kSlotNames},
    {state::Holder::aiPlanA, state::AIPlan::kSlotNames},
    {state::Holder::aiPlanB, state::AIPlan::kSlotNames},
    {state::Holder::mapSetting, state::MapSetting::kSlotNames},
    {state::Holder::modSetting, state::ModSetting::kSlotNames},
};

// A slot the tables name is one a rule reads: it needs a range, or a damaged file reaches the
// rules unchecked. (The slots no table names hold nothing a rule reads.)
TEST(ValueRanges, EverySlotTheTablesNameHasARow) {
    for (const NamedSlots& table : kNamedSlots) {
        for (const state::SlotName& slot : table.names) {
            bool covered = false;
            for (const state::ValueRange& row : state::ValueRanges())
                covered = covered || (row.holder == table.holder && row.slot == slot.slot);
            EXPECT_TRUE(covered) << slot.name << " has no range";
        }
    }
}

}  // namespace
