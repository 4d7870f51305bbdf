// The automatic battle between two computer lords, and the modify screen's command sets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "battle/auto_battle.h"
#include "battle/battle_commands.h"
#include "battle/battle_fixture.h"
#include "campaign/movement.h"
#include "state/random.h"

namespace battletest {
namespace {

namespace Army = state::Army;

struct Counts {
    int a[5], b[5];
    int ax, bx;
};

Counts Snapshot() {
    const state::GameState& g = state::G();
    Counts c{};
    for (int i = 0; i < 5; ++i) {
        c.a[i] = g.army[2][Army::soldiers + i];
        c.b[i] = g.army[3][Army::soldiers + i];
    }
    c.ax = g.army[2][Army::x];
    c.bx = g.army[3][Army::x];
    return c;
}

bool Empty(const int* c) {
    return c[0] == 0 && c[1] == 0 && c[2] == 0 && c[3] == 0 && c[4] == 0;
}

TEST_F(BattleTest, AutoBattleRunsToItsEndAndDependsOnlyOnTheSeed) {
    const int armies[][2][4] = {{{20, 5, 5, 1}, {15, 5, 10, 0}},
                                {{200, 0, 0, 0}, {0, 0, 200, 0}},
                                {{3, 0, 0, 0}, {50, 10, 10, 2}},
                                {{0, 40, 0, 0}, {10, 10, 10, 10}}};
    for (const auto& pair : armies) {
        Counts first{};
        for (int run = 0; run < 2; ++run) {
            SetUp();
            Troops(2, pair[0][0], pair[0][1], pair[0][2], pair[0][3]);
            Troops(3, pair[1][0], pair[1][1], pair[1][2], pair[1][3]);
            PlaceArmy(2, 6, 6, pair[0][0], pair[0][3]);
            PlaceArmy(3, 7, 6, pair[1][0], pair[1][3]);
            state::SeedRandom(99);
            logic::AutoBattle(2, 3);
            const Counts c = Snapshot();
            // The battle ended: a side is empty or a side went home.
            EXPECT_TRUE(Empty(c.a) || Empty(c.b) || c.ax == 12 || c.bx == 12);
            EXPECT_TRUE(state::G().battleOver);
            if (run == 0) {
                first = c;
            } else {
                EXPECT_EQ(0, std::memcmp(&first, &c, sizeof c));
            }
        }
    }
}

// After its strikes, each side of the automatic battle turns heroic on a draw of at most 200
// of 1000, the mover's draw first. Here the mover's single soldier strikes, then the other
// side's ninety-nine strike the last blow.
TEST_F(BattleTest, AnAutomaticBattleSideTurnsHeroicOnADrawOfAtMost200Of1000) {
    state::GameState& g = state::G();
    struct Case {
        int moverDraw, otherDraw;
        int mover, other;
    };
    const Case cases[] = {{200, 201, 1, 0}, {201, 200, 0, 1}, {0, 999, 1, 0}, {999, 0, 0, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.moverDraw) + " " + std::to_string(c.otherDraw));
        PlaceArmy(2, 5, 5, 1);
        PlaceArmy(3, 6, 5, 100);
        state::ScriptedDraws draws;
        draws.Then(1000, {c.moverDraw, c.otherDraw});
        logic::AutoBattle(2, 3);
        EXPECT_EQ(draws.Taken(1000), 2);
        EXPECT_TRUE(g.battleOver);
        EXPECT_EQ(g.army[2][Army::soldiers], 0);
        EXPECT_EQ(g.battleOwnSide[state::BattleSide::heroicOrMayRetreat], c.mover);
        EXPECT_EQ(g.battleFoeSide[state::BattleSide::heroicOrMayRetreat], c.other);
    }
}

TEST_F(BattleTest, ComputerSiegeUnitsFireWithTheirRangeSetting) {
    state::GameState& g = state::G();
    Troops(2, 0, 0, 0, 5);
    Troops(3, 30);
    PlaceArmy(2, 6, 6, 0, 5);
    PlaceArmy(3, 7, 6, 30);
    logic::AutoBattle(2, 3);
    EXPECT_LT(g.army[3][Army::soldiers], 30);
    // With every range setting on Defend the siege units hold their fire.
    SetUp();
    for (int set = 1; set <= 3; ++set)
        g.battleOrdersOwn[set][3] = 3;
    PlaceArmy(2, 6, 6, 0, 5);
    PlaceArmy(3, 7, 6, 30);
    logic::AutoBattle(2, 3);
    EXPECT_EQ(g.army[2][Army::siege], 0);
    EXPECT_EQ(g.army[3][Army::soldiers], 30);
}

TEST_F(BattleTest, AStepBetweenTwoComputerLordsIsSettledAtOnce) {
    state::GameState& g = state::G();
    PlaceArmy(2, 6, 6, 40);
    PlaceArmy(3, 7, 6, 1);
    g.field[7][6][state::Field::owner] = 3;
    g.lord[2][state::Lord::moveRange] = 20;
    TurnOf(2);
    logic::MoveArmy(7, 6);
    EXPECT_FALSE(g.battleStarted);
    EXPECT_EQ(g.army[3][Army::soldiers], 0);
    EXPECT_EQ(g.army[3][Army::x], 12);
    EXPECT_EQ(g.army[3][Army::y], 11);
    EXPECT_GT(g.army[2][Army::soldiers], 30);
    EXPECT_TRUE(panel.calls.empty());
}

TEST_F(BattleTest, TheModifyScreenEditsTheSelectedCommandSet) {
    state::GameState& g = state::G();
    // Nothing selected: lists disabled, edits ignored.
    logic::SetRoleOrder(2, 1);
    EXPECT_EQ(g.battleOrdersOwn[1][2], 3);
    logic::FormationDisplay d = logic::DescribeFormations();
    EXPECT_FALSE(d.listsEnabled);
    EXPECT_EQ(d.pictures[0], "m1_action_charge.jpg");

    // Attack's fast melee set to Flank makes Attack the same as Flank.
    logic::SelectFormation(1);
    logic::SetRoleOrder(2, 1);
    for (int role = 1; role <= 3; ++role)
        EXPECT_EQ(g.battleOrdersOwn[1][role], g.battleOrdersOwn[2][role]);
    d = logic::DescribeFormations();
    EXPECT_TRUE(d.listsEnabled);
    EXPECT_EQ(d.pictures[0], "m1_action_charge_selected.jpg");
    EXPECT_EQ(d.pictures[1], "m1_action_retreat.jpg");
    EXPECT_EQ(d.listIndex[1], 1);

    // Defend with every role on Attack.
    logic::SelectFormation(3);
    logic::SetRoleOrder(1, 0);
    logic::SetRoleOrder(2, 0);
    logic::SetRoleOrder(3, 0);
    EXPECT_EQ(g.battleOrdersOwn[3][1], 1);
    EXPECT_EQ(g.battleOrdersOwn[3][2], 1);
    EXPECT_EQ(g.battleOrdersOwn[3][3], 1);
    logic::SetRoleOrder(1, 1);
    EXPECT_EQ(g.battleOrdersOwn[3][1], 3);
    // Choices outside a list change nothing; the computer's table is never edited.
    logic::SetRoleOrder(1, 2);
    logic::SetRoleOrder(4, 0);
    EXPECT_EQ(g.battleOrdersOwn[3][1], 3);
    EXPECT_EQ(g.battleOrdersFoe[3][1], 3);
    EXPECT_EQ(g.selectedFormation, 3);
}

}  // namespace
}  // namespace battletest
