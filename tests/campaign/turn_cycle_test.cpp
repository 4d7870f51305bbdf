#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "campaign/campaign_fixture.h"
#include "campaign/map_model.h"
#include "campaign/turn_cycle.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace SpawnField = state::SpawnField;

// Counts the city rounds by an active site off the map, which each round's countdown lowers
// and no lord can reach.
class TurnCycleTest : public CampaignTest {
  protected:
    void SetUp() override {
        CampaignTest::SetUp();
        auto& sentinel = state::G().mapSite[10];
        sentinel[state::MapSite::active] = 1;
        sentinel[state::MapSite::countdown] = kSentinelStart;
    }
    int CityRounds() const {
        return kSentinelStart - state::G().mapSite[10][state::MapSite::countdown];
    }
    static constexpr int kSentinelStart = 1000;
};

// Nowhere to go: every field is closed, so a computer step never moves.
void CloseTheMap() {
    auto& g = state::G();
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y)
            g.field[x][y][state::Field::walkable] = 0;
    }
}

TEST_F(TurnCycleTest, DefeatedLordsAreSkippedAndRoundsTurnOnlyOnTheWrap) {
    auto& g = state::G();
    g.lord[2][Lord::inGame] = 0;
    g.lord[3][Lord::inGame] = 0;
    // A present spawn field shows whether the round's ageing ran.
    g.spawnField[1][SpawnField::present] = 1;
    g.spawnField[1][SpawnField::kind] = 1;
    g.spawnField[1][SpawnField::x] = 6;
    g.spawnField[1][SpawnField::y] = 6;
    g.spawnField[1][SpawnField::roundsLeft] = 5;
    // The fields stay open for the spawn field; lord 4 has no goal worth a step.
    g.lord[4][Lord::moveRange] = 0;
    g.round = 6;

    logic::NextLord();
    EXPECT_EQ(g.currentLord, 4);
    EXPECT_EQ(g.round, 6);
    EXPECT_EQ(g.army[4][Army::movesLeft], 4);
    EXPECT_EQ(CityRounds(), 0);
    EXPECT_EQ(g.spawnField[1][SpawnField::roundsLeft], 5);

    g.army[1][Army::movesLeft] = 0;
    logic::Timer1Tick();
    EXPECT_EQ(g.currentLord, 1);
    EXPECT_EQ(g.army[1][Army::movesLeft], 4);
    EXPECT_EQ(CityRounds(), 1);
    EXPECT_EQ(g.spawnField[1][SpawnField::roundsLeft], 4);
    EXPECT_EQ(g.round, 7);

    // A lord whose inGame is not exactly 1 does not take a turn either.
    g.lord[4][Lord::inGame] = 2;
    logic::NextLord();
    EXPECT_EQ(g.currentLord, 1);
    EXPECT_EQ(CityRounds(), 2);
    EXPECT_EQ(g.round, 8);

    // A round not known (a game from a slot saved without it) stays unknown.
    g.round = -1;
    logic::NextLord();
    EXPECT_EQ(g.round, -1);
    EXPECT_EQ(logic::TurnLine(), "Round ? - Blue's turn");
}

TEST_F(TurnCycleTest, AComputerTurnRunsAtOnceAndTimer1PassesIt) {
    auto& g = state::G();
    CloseTheMap();
    logic::NextLord();
    EXPECT_EQ(g.currentLord, 2);
    EXPECT_TRUE(hooks.Has("ShowComputerMovePanel 2"));
    // A step that never spends the moves is called 11 times (each refreshes the status
    // screen), then Timer1 takes over.
    EXPECT_EQ(hooks.Count("RefreshComputerStatus"), 11);
    EXPECT_GT(hooks.IndexOf("EnableTimer1"), hooks.IndexOf("RefreshComputerStatus"));
    EXPECT_EQ(hooks.calls.back(), "DrawMap 1 0");
    EXPECT_EQ(hooks.calls.front(), "DrawMap 0 0");

    // A battle keeps Timer1 from passing the turn; the panel is hidden in any case.
    hooks.calls.clear();
    g.battleStarted = true;
    logic::Timer1Tick();
    EXPECT_EQ(g.currentLord, 2);
    EXPECT_TRUE(hooks.Has("HideComputerMovePanel"));
    g.battleStarted = false;

    // A step that spends the moves is called once: on the open map lord 3 walks.
    hooks.calls.clear();
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y)
            g.field[x][y][state::Field::walkable] = 1;
    }
    logic::Timer1Tick();
    EXPECT_EQ(g.currentLord, 3);
    EXPECT_EQ(hooks.Count("RefreshComputerStatus"), 1);
    EXPECT_EQ(g.army[3][Army::movesLeft], 0);

    // Castle fields belong to their lords again at every turn.
    g.field[12][11][state::Field::owner] = 1;
    logic::Timer1Tick();
    EXPECT_EQ(g.field[12][11][state::Field::owner], 3);
}

TEST_F(TurnCycleTest, NoLordLeftEndsTheGame) {
    auto& g = state::G();
    for (int p = 1; p <= 4; ++p)
        g.lord[p][Lord::inGame] = 0;
    logic::NextLord();
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Last().picture, "night.jpg");
    EXPECT_EQ(dialogs.Last().title, "Game Over!");
    EXPECT_EQ(dialogs.Last().text,
              "All adventurers have died in the wicked labyrinths! The adventures and this game "
              "are over!");
    EXPECT_TRUE(g.gameOver);
    EXPECT_TRUE(g.returnToMenu);
    EXPECT_TRUE(hooks.Has("CloseStrategicWindow"));

    // Once over, the turn does not pass any more.
    hooks.calls.clear();
    const int current = g.currentLord;
    const int rounds = CityRounds();
    logic::NextLord();
    EXPECT_EQ(g.currentLord, current);
    EXPECT_EQ(CityRounds(), rounds);
}

TEST_F(TurnCycleTest, AStoredLordNumberThatIsNoLordStartsAtLordOne) {
    auto& g = state::G();
    g.currentLord = -7;
    logic::NextLord();
    EXPECT_EQ(g.currentLord, 1);
    g.currentLord = 40;
    logic::NextLord();
    EXPECT_EQ(g.currentLord, 1);
    EXPECT_EQ(CityRounds(), 0);  // not a new round
}

TEST_F(TurnCycleTest, HumanMayActOnlyInItsOwnTurnWithMovesLeft) {
    auto& g = state::G();
    EXPECT_TRUE(logic::HumanMayAct());
    g.army[1][Army::movesLeft] = 0;
    EXPECT_FALSE(logic::HumanMayAct());
    g.army[1][Army::movesLeft] = 4;
    g.battleStarted = true;
    EXPECT_FALSE(logic::HumanMayAct());
    g.battleStarted = false;
    hooks.battleShown = true;
    EXPECT_FALSE(logic::HumanMayAct());
    hooks.battleShown = false;
    g.inDungeon = 1;
    EXPECT_FALSE(logic::HumanMayAct());
    g.inDungeon = 0;
    g.gameOver = true;
    EXPECT_FALSE(logic::HumanMayAct());
    g.gameOver = false;
    TurnOf(2);
    EXPECT_FALSE(logic::HumanMayAct());
    SetHuman(2);
    EXPECT_TRUE(logic::HumanMayAct());
    EXPECT_EQ(logic::HumanLord(), 2);
}

// The city rounds that had passed when the map was first drawn.
class FirstDrawWatch final : public logic::MapView {
  public:
    explicit FirstDrawWatch(std::function<int()> rounds) : rounds_(std::move(rounds)) {}
    int roundsAtFirstDraw = -1;
    void DrawMap(bool, bool) override {
        if (roundsAtFirstDraw < 0) roundsAtFirstDraw = rounds_();
    }

  private:
    std::function<int()> rounds_;
};

TEST_F(TurnCycleTest, TheFirstRoundSettlesTheMapAndStartsWithLordOne) {
    auto& g = state::G();
    g.currentLord = 4;
    SetHuman(3);
    FirstDrawWatch draw([this] { return CityRounds(); });
    logic::Hooks().SetView(&draw);
    g.round = 40;  // left from the game before
    logic::PrepareFirstRound();
    EXPECT_EQ(g.currentLord, 1);  // lord 1 is a computer: its turn has run, Timer1 waits
    EXPECT_EQ(g.round, 1);
    EXPECT_EQ(logic::TurnLine(), "Round 1 - Blue's turn");
    EXPECT_GE(hooks.Count("RefreshComputerStatus"), 1);
    EXPECT_TRUE(hooks.Has("EnableTimer1"));
    // Twelve settling rounds and the one of the wrap to lord 1.
    EXPECT_EQ(CityRounds(), 13);
    EXPECT_EQ(draw.roundsAtFirstDraw, 12);
    int sites = 0;
    for (int s = 1; s <= 6; ++s)
        sites += g.spawnField[s][SpawnField::present] > 0;
    EXPECT_GE(sites, 4);
}

}  // namespace
}  // namespace camptest
