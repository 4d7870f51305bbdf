// Values at the ends of the 32-bit range, as a damaged or hand-edited file can hold them: the
// rules hold counts at the end of the range instead of wrapping, and never step off the map.
#include <gtest/gtest.h>

#include <limits>

#include "campaign/campaign_fixture.h"
#include "campaign/hiring.h"
#include "campaign/movement.h"
#include "campaign/spawn_fields.h"
#include "campaign/trading.h"
#include "campaign/turn_cycle.h"
#include "state/game_state.h"
#include "state/random.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace SpawnField = state::SpawnField;

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

using ExtremeRuleValues = CampaignTest;

TEST_F(ExtremeRuleValues, CountsStopAtTheEndOfTheRange) {
    state::GameState& g = state::G();
    // Hiring onto a stack set by hand beyond the limit: refused, nothing paid, the count stays.
    g.lord[1][Lord::barracks] = 1;
    g.army[1][Army::soldiers] = kMax;
    EXPECT_FALSE(logic::HireUnit(1));
    EXPECT_EQ(g.army[1][Army::soldiers], kMax);
    EXPECT_EQ(g.lord[1][Lord::gold], 1000);

    // A dungeon's reward onto a full treasury.
    state::SeedRandom(5);
    g.lord[2][Lord::gold] = kMax;
    g.lord[2][Lord::honor] = kMax - 1;
    g.lord[2][Lord::heroLevel] = 4;
    logic::DungeonReward(2);
    EXPECT_EQ(g.lord[2][Lord::gold], kMax);
    EXPECT_EQ(g.lord[2][Lord::honor], kMax);

    // A computer lord stepping with its moves at the bottom of the range keeps them there.
    TurnOf(2);
    g.army[2][Army::movesLeft] = kMin + 1;
    logic::MoveArmy(12, 2);
    EXPECT_EQ(g.army[2][Army::y], 2);
    EXPECT_EQ(g.army[2][Army::movesLeft], kMin);

    // A spawn field with its rounds at the bottom ages out instead of wrapping to the top.
    g.spawnField[1][SpawnField::present] = 1;
    g.spawnField[1][SpawnField::kind] = 1;
    g.spawnField[1][SpawnField::x] = 6;
    g.spawnField[1][SpawnField::y] = 6;
    g.spawnField[1][SpawnField::roundsLeft] = kMin;
    logic::SpawnFields(true);
    // (The slot may be drawn anew at once, with 7 to 13 rounds.)
    EXPECT_LT(g.spawnField[1][SpawnField::roundsLeft], 14);

    // A computer lord selling from a stock at the bottom of the range sells nothing, and its
    // gold from a sale stops at the top.
    logic::TradeOffer offer;
    offer.price = {100, 100, 100, 100};
    offer.stock = {5, 5, 5, 5};
    g.lord[3][Lord::aiGoal] = 0;
    g.lord[3][Lord::aiTarget] = 3;  // the keep needs wood
    g.lord[3][Lord::wood] = kMin;
    g.lord[3][Lord::iron] = 10;
    g.lord[3][Lord::gold] = kMax - 50;
    logic::ComputerTrade(3, offer);
    EXPECT_EQ(g.lord[3][Lord::wood], kMin);
    EXPECT_EQ(g.lord[3][Lord::iron], 0);
    EXPECT_EQ(g.lord[3][Lord::gold], kMax);
}

TEST_F(ExtremeRuleValues, AnArmyOffTheMapHasNoFieldToStepOnto) {
    state::GameState& g = state::G();
    for (int x : {kMax, kMin, 0, 13}) {
        g.army[1][Army::x] = x;
        g.army[1][Army::y] = 1;
        for (int d = 0; d < 4; ++d)
            logic::MoveTargetClick(d);
        EXPECT_EQ(g.army[1][Army::x], x);
        EXPECT_EQ(g.army[1][Army::movesLeft], 4);
    }
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(ExtremeRuleValues, AfterALoadTheTurnGoesOnAsTheTimerWould) {
    state::GameState& g = state::G();
    // The player's turn with moves left waits for the player.
    logic::ResumeTurn();
    EXPECT_TRUE(hooks.calls.empty());
    // Saved after the player's last step: Timer3 ends the turn.
    g.army[1][Army::movesLeft] = 0;
    logic::ResumeTurn();
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"EnableTimer3"}));
    // Saved in a computer lord's turn: Timer1 passes it.
    hooks.calls.clear();
    TurnOf(2);
    logic::ResumeTurn();
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"EnableTimer1"}));
    // Inside a dungeon the dungeon window takes over.
    hooks.calls.clear();
    g.inDungeon = 1;
    logic::ResumeTurn();
    EXPECT_TRUE(hooks.calls.empty());
}

}  // namespace
}  // namespace camptest
