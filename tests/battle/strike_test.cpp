// The strike arithmetic, the target lists and the vessels.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "battle/battle_engine.h"
#include "battle/battle_fixture.h"
#include "battle/strike.h"
#include "state/random.h"

namespace battletest {
namespace {

namespace BS = state::BattleSide;
using logic::Fighter;

// A seed after which the first draw in [0, n) is `value`.
unsigned SeedDrawing(int n, int value) {
    for (unsigned seed = 1;; ++seed) {
        state::SeedRandom(seed);
        if (state::Random(n) == value) return seed;
    }
}

TEST(StrikeArithmetic, DamageModifiersAndCasualties) {
    // One soldier: range [0, 6 / 7) is empty, so the damage is exactly 1.
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(logic::BaseDamage(6, 1), 1);
    // Seven archers: 1 + [0, 14) gives 1 to 14, and every value comes up.
    bool seen[15] = {};
    for (int i = 0; i < 2000; ++i) {
        const int d = logic::BaseDamage(14, 7);
        ASSERT_GE(d, 1);
        ASSERT_LE(d, 14);
        seen[d] = true;
    }
    for (int d = 1; d <= 14; ++d)
        EXPECT_TRUE(seen[d]) << d;

    // Truncating integer modifiers.
    EXPECT_EQ(logic::DefendPenalty(7), 6);
    EXPECT_EQ(logic::DefendPenalty(3), 3);
    EXPECT_EQ(logic::DefendCover(7), 4);
    EXPECT_EQ(logic::DefendCover(1), 1);
    EXPECT_EQ(logic::WithHeroBonus(7, 25), 8);
    EXPECT_EQ(logic::WithHeroBonus(3, 25), 3);
    EXPECT_EQ(logic::CastleCover(14, 35), 10);
    EXPECT_EQ(logic::CastleCover(2, 35), 2);

    // Soldiers of health 10: damage 1 to 10 kills one, 11 to 14 two, never below 0.
    EXPECT_EQ(logic::CountAfterHit(7, 10, 1), 6);
    EXPECT_EQ(logic::CountAfterHit(7, 10, 10), 6);
    EXPECT_EQ(logic::CountAfterHit(7, 10, 11), 5);
    EXPECT_EQ(logic::CountAfterHit(7, 10, 14), 5);
    EXPECT_EQ(logic::CountAfterHit(1, 10, 14), 0);
    EXPECT_EQ(logic::CountAfterHit(1, 10, 500), 0);
    // A health of 0 or less counts as 1.
    EXPECT_EQ(logic::CountAfterHit(10, 0, 3), 7);
    EXPECT_EQ(logic::CountAfterHit(10, -5, 3), 7);
}

// The base damage is 1 + a draw in [0, attack x count / 7), the division rounding down and the
// range held at the largest draw there is: an empty range draws nothing and gives 1.
TEST(StrikeArithmetic, TheBaseDamageIsOnePlusADrawOfAttackTimesCountOverSeven) {
    struct Case {
        int attack, count, range;
    };
    const Case cases[] = {
        {14, 7, 14}, {10, 3, 4}, {6, 2, 1}, {INT32_MAX, 7, INT32_MAX}, {INT32_MAX, 14, INT32_MAX}};
    for (const Case& c : cases) {
        state::ScriptedDraws draws;
        draws.Then(c.range, {0, c.range - 1});
        EXPECT_EQ(logic::BaseDamage(c.attack, c.count), 1) << c.attack << " x " << c.count;
        EXPECT_EQ(logic::BaseDamage(c.attack, c.count), c.range) << c.attack << " x " << c.count;
        EXPECT_EQ(draws.Taken(c.range), 2);
    }
    state::ScriptedDraws draws;
    draws.Then(1, {0});
    EXPECT_EQ(logic::BaseDamage(6, 1), 1);
    EXPECT_EQ(draws.Taken(1), 0);
}

// The tactic's draws, in order: the open-flank test's draw in [0, fast / 4) of the opponent's
// fast melee (made only while they defend), then up to two draws in [0, melee / 4) of the
// opponent's melee. With the first, d + melee / 4 below the opponent's ranged strength means a
// flank (when the chooser has fast melee, the opponent's fast melee do not defend and no castle
// is in the battle); failing that, with the second, a defense; else an attack.
TEST_F(BattleTest, TheTacticFlanksOrDefendsWhenADrawOfTheMeleeStaysBelowTheRangedStrength) {
    state::GameState& g = state::G();
    const Fighter own{Own(), g.battleOrdersOwn};
    const Fighter foe{Foe(), g.battleOrdersFoe};
    g.battleOrdersFoe[1][logic::kRoleFast] = 1;  // set 1: the fast melee attack
    g.battleOrdersFoe[3][logic::kRoleFast] = 3;  // set 3: they defend
    struct Case {
        int archers, castle;
        std::vector<int> draws;
        int tactic;
    };
    const int flank = logic::BattleOrder::flank, defend = logic::BattleOrder::defend,
              attack = logic::BattleOrder::attack;
    // 40 soldiers: draws in [0, 10) + 10 against the archers.
    const Case cases[] = {
        {11, 0, {0}, flank},      {11, 0, {1, 0}, defend},  {11, 0, {1, 1}, attack},
        {19, 0, {8}, flank},      {19, 0, {9, 8}, defend},  {19, 0, {9, 9}, attack},
        {11, 20, {0, 0}, defend}, {11, 20, {0, 1}, attack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("archers " + std::to_string(c.archers) + ", castle " +
                     std::to_string(c.castle) + ", draws " + std::to_string(c.draws.size()));
        Own().Clear();
        Foe().Clear();
        Own()[BS::lord] = 1;
        Own()[BS::fast] = 5;
        Own()[BS::castleBonus] = c.castle;
        Foe()[BS::lord] = 2;
        Foe()[BS::soldiers] = 40;
        Foe()[BS::archers] = c.archers;
        Foe()[BS::order] = 1;
        state::ScriptedDraws draws;
        for (const int d : c.draws)
            draws.Then(10, {d});
        EXPECT_EQ(logic::ChooseTactic(own, foe), c.tactic);
        EXPECT_EQ(draws.Left(10), 0);
    }
    // Without fast melee of its own the chooser attacks whatever the draws.
    Own()[BS::fast] = 0;
    Own()[BS::castleBonus] = 0;
    {
        state::ScriptedDraws draws;
        draws.Then(10, {0, 0});
        EXPECT_EQ(logic::ChooseTactic(own, foe), attack);
        EXPECT_EQ(draws.Taken(10), 2);
    }
    // The opponent's 8 fast melee defend: the open-flank draw in [0, 2) comes first, no flank is
    // possible, and the melee draws are in [0, 48 / 4).
    Own()[BS::fast] = 5;
    Foe()[BS::fast] = 8;
    Foe()[BS::order] = 3;
    Foe()[BS::archers] = 13;
    for (const int open : {0, 1}) {
        state::ScriptedDraws draws;
        draws.Then(2, {open});
        draws.Then(12, {0, 0});
        EXPECT_EQ(logic::ChooseTactic(own, foe), defend) << open;
        EXPECT_EQ(draws.Taken(2), 1);
        EXPECT_EQ(draws.Taken(12), 2);
    }
    state::ScriptedDraws draws;
    draws.Then(2, {1});
    draws.Then(12, {0, 1});
    EXPECT_EQ(logic::ChooseTactic(own, foe), attack);
    EXPECT_EQ(draws.Taken(12), 2);
}

TEST_F(BattleTest, ArcherCoverComesBeforeTheHeroBonusForThePlayerAndAfterItForTheEnemy) {
    state::GameState& g = state::G();
    g.troopType[1][state::TroopType::health] = 1;  // one soldier per point of damage
    const unsigned seed = SeedDrawing(14, 13);     // seven archers deal 14
    const Fighter own{Own(), g.battleOrdersOwn};
    const Fighter foe{Foe(), g.battleOrdersFoe};
    Own()[BS::lord] = 1;
    Foe()[BS::lord] = 2;

    // Player archers (hero 25 %) at defending soldiers: 14 -> 7 -> 8.
    Own()[BS::archers] = 7;
    Own()[BS::heroBonus] = 25;
    Own()[BS::order] = logic::BattleOrder::attack;
    Foe()[BS::soldiers] = 100;
    Foe()[BS::order] = logic::BattleOrder::defend;
    state::SeedRandom(seed);
    logic::StrikeAll(own, foe, logic::kPlayerStyle);
    EXPECT_EQ(Foe()[BS::soldiers], 92);

    // The enemy's: 14 -> 17 -> 9.
    Own().Clear();
    Foe().Clear();
    Own()[BS::lord] = 1;
    Foe()[BS::lord] = 2;
    Foe()[BS::archers] = 7;
    Foe()[BS::heroBonus] = 25;
    Foe()[BS::order] = logic::BattleOrder::attack;
    Own()[BS::soldiers] = 100;
    Own()[BS::order] = logic::BattleOrder::defend;
    state::SeedRandom(seed);
    logic::StrikeAll(foe, own, logic::kEnemyStyle);
    EXPECT_EQ(Own()[BS::soldiers], 91);

    // No cover against fast melee, whatever the order; the castle cover comes last: 14 -> 17
    // -> 17 - 35 x 17 / 100 = 12. Fast melee of health 1 are the range list's first target
    // while they flank.
    g.troopType[2][state::TroopType::health] = 1;
    Own().Clear();
    Own()[BS::lord] = 1;
    Own()[BS::fast] = 100;
    Own()[BS::order] = logic::BattleOrder::flank;
    Own()[BS::soldiers] = 100;
    Own()[BS::castleBonus] = 35;
    state::SeedRandom(seed);
    logic::StrikeAll(foe, own, logic::kEnemyStyle);
    EXPECT_EQ(Own()[BS::fast], 88);
    EXPECT_EQ(Own()[BS::soldiers], 100);
}

TEST_F(BattleTest, DefendPenaltyWeakensTheStrikesOfASideUnderTheDefendOrder) {
    state::GameState& g = state::G();
    // Every kind attacks with 14 and the targets have health 1, so seven attackers deal 1 to 14
    // and each point of damage kills one soldier.
    for (int kind : {1, 2, 5, 8, 9})
        g.troopType[kind][state::TroopType::attack] = 14;
    g.troopType[1][state::TroopType::health] = 1;
    const unsigned seed = SeedDrawing(14, 13);  // seven attackers deal 14
    const Fighter own{Own(), g.battleOrdersOwn};
    const Fighter foe{Foe(), g.battleOrdersFoe};
    // The soldiers the striker kills: `slot` of the striker holds seven; the other side has 100
    // soldiers.
    auto killed = [&](const Fighter& striker, const Fighter& target, logic::StrikeStyle style,
                      int slot, int strikerOrder, int targetOrder, int heroBonus = 0) {
        Own().Clear();
        Foe().Clear();
        Own()[BS::lord] = 1;
        Foe()[BS::lord] = 2;
        striker.side[logic::kSideTroop[slot]] = 7;
        striker.side[BS::order] = strikerOrder;
        striker.side[BS::heroBonus] = heroBonus;
        target.side[BS::soldiers] = 100;
        target.side[BS::order] = targetOrder;
        state::SeedRandom(seed);
        logic::StrikeAll(striker, target, style);
        return 100 - target.side[BS::soldiers];
    };
    using logic::BattleOrder::attack;
    using logic::BattleOrder::defend;
    using logic::BattleOrder::flank;

    // Soldiers under the defend order strike with 14 - 14 / 4 = 11 (not 14 x 3 / 4 = 10), on
    // either side; under attack or flank they strike with the full 14.
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, 0, logic::BattleOrder::defend,
                     logic::BattleOrder::attack),
              11);
    EXPECT_EQ(killed(foe, own, logic::kEnemyStyle, 0, logic::BattleOrder::defend,
                     logic::BattleOrder::attack),
              11);
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, 0, logic::BattleOrder::attack,
                     logic::BattleOrder::attack),
              14);
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, 0, logic::BattleOrder::flank,
                     logic::BattleOrder::attack),
              14);
    // The target's defend order does not weaken the strike that hits it.
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, 0, logic::BattleOrder::attack,
                     logic::BattleOrder::defend),
              14);
    EXPECT_EQ(killed(foe, own, logic::kEnemyStyle, 0, logic::BattleOrder::attack,
                     logic::BattleOrder::defend),
              14);
    // The penalty comes before the hero bonus: 14 -> 11 -> 11 + 20 x 11 / 100 = 13 (the other
    // way round 14 -> 16 -> 12).
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, 0, logic::BattleOrder::defend,
                     logic::BattleOrder::attack, 20),
              13);
    // Fast melee under the defend order strike without a penalty.
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, 1, logic::BattleOrder::defend,
                     logic::BattleOrder::attack),
              14);

    // A special slot takes the penalty under its role's setting 3 when it fights as melee or
    // range, not as fast melee.
    auto special = [&](int kind, int role) {
        for (int row : {1, 2}) {
            g.army[row][state::Army::specialType] = kind;
            g.army[row][state::Army::specialClass] = role;
        }
    };
    special(5, logic::kRoleMelee);
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, logic::kSpecialSlot, logic::BattleOrder::defend,
                     logic::BattleOrder::attack),
              11);
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, logic::kSpecialSlot, logic::BattleOrder::attack,
                     logic::BattleOrder::defend),
              14);
    special(8, logic::kRoleRange);
    EXPECT_EQ(killed(foe, own, logic::kEnemyStyle, logic::kSpecialSlot, logic::BattleOrder::defend,
                     logic::BattleOrder::attack),
              11);
    special(9, logic::kRoleFast);
    EXPECT_EQ(killed(own, foe, logic::kPlayerStyle, logic::kSpecialSlot, logic::BattleOrder::defend,
                     logic::BattleOrder::attack),
              14);
}

TEST_F(BattleTest, SpecialSlotStrikesWithTheOpposingHeroBonusOnlyOnTheEnemySide) {
    state::GameState& g = state::G();
    g.troopType[1][state::TroopType::health] = 1;
    // Seven dragons (attack 30): range 30; draw 19 gives 20.
    const unsigned seed = SeedDrawing(30, 19);
    for (int row : {1, 2}) {
        g.army[row][state::Army::specialType] = 9;
        g.army[row][state::Army::specialClass] = 2;
    }
    const Fighter own{Own(), g.battleOrdersOwn};
    const Fighter foe{Foe(), g.battleOrdersFoe};
    auto reset = [&] {
        Own().Clear();
        Foe().Clear();
        Own()[BS::lord] = 1;
        Foe()[BS::lord] = 2;
        Own()[BS::heroBonus] = 25;  // 20 -> 25
        Foe()[BS::heroBonus] = 0;
        Own()[BS::order] = Foe()[BS::order] = 1;
    };
    reset();
    Own()[BS::specialCount] = 7;
    Foe()[BS::soldiers] = 100;
    state::SeedRandom(seed);
    logic::StrikeAll(own, foe, logic::kPlayerStyle);
    EXPECT_EQ(Foe()[BS::soldiers], 75);  // its own 25 %

    reset();
    Foe()[BS::specialCount] = 7;
    Own()[BS::soldiers] = 100;
    state::SeedRandom(seed);
    logic::StrikeAll(foe, own, logic::kEnemyStyle);
    EXPECT_EQ(Own()[BS::soldiers], 75);  // the player's 25 %, not its own 0
}

TEST_F(BattleTest, TargetListsPickTheFirstPresentEntry) {
    state::GameState& g = state::G();
    const Fighter foe{Foe(), g.battleOrdersFoe};
    Foe()[BS::lord] = 2;
    Foe()[BS::soldiers] = 1;
    Foe()[BS::fast] = 1;
    Foe()[BS::archers] = 1;
    Foe()[BS::siege] = 1;
    Foe()[BS::order] = logic::BattleOrder::attack;  // fast setting 3: defending
    EXPECT_EQ(logic::PickTarget(logic::TargetList::melee, foe), 0);
    EXPECT_EQ(logic::PickTarget(logic::TargetList::flank, foe), 1);  // intercepted
    EXPECT_EQ(logic::PickTarget(logic::TargetList::range, foe), 2);
    Foe()[BS::order] = logic::BattleOrder::flank;  // fast setting 2: flanking
    EXPECT_EQ(logic::PickTarget(logic::TargetList::flank, foe), 2);
    EXPECT_EQ(logic::PickTarget(logic::TargetList::range, foe), 1);
    Foe()[BS::soldiers] = 0;
    EXPECT_EQ(logic::PickTarget(logic::TargetList::melee, foe), 2);  // archers before fast
    Foe()[BS::order] = logic::BattleOrder::defend;
    EXPECT_EQ(logic::PickTarget(logic::TargetList::melee, foe), 1);
    // A special of role 1 comes right after the soldiers; with nothing left, no target.
    g.army[2][state::Army::specialType] = 5;
    g.army[2][state::Army::specialClass] = 1;
    Foe()[BS::specialCount] = 3;
    EXPECT_EQ(logic::PickTarget(logic::TargetList::melee, foe), logic::kSpecialSlot);
    Foe().Clear();
    Foe()[BS::lord] = 2;
    EXPECT_EQ(logic::PickTarget(logic::TargetList::melee, foe), -1);
    // An order outside 1..3 reads as settings 0.
    EXPECT_EQ(logic::OrderSetting(g.battleOrdersOwn, 0, 2), 0);
    EXPECT_EQ(logic::OrderSetting(g.battleOrdersOwn, 5, 1), 0);
    EXPECT_EQ(logic::OrderSetting(g.battleOrdersOwn, 1, 2), 3);
}

TEST(BattleVessels, TenthsOfTheStartStrength) {
    EXPECT_EQ(logic::VesselPicture(40, 40), "Health9.jpg");
    EXPECT_EQ(logic::VesselPicture(40, 36), "Health9.jpg");
    EXPECT_EQ(logic::VesselPicture(40, 35), "Health8.jpg");
    EXPECT_EQ(logic::VesselPicture(40, 4), "Health1.jpg");
    EXPECT_EQ(logic::VesselPicture(40, 3), "Health0.jpg");
    EXPECT_EQ(logic::VesselPicture(40, 0), "Health0.jpg");
    EXPECT_EQ(logic::VesselPicture(105, 95), "Health9.jpg");
    EXPECT_EQ(logic::VesselPicture(105, 94), "Health8.jpg");
}

}  // namespace
}  // namespace battletest
