#include <gtest/gtest.h>

#include "campaign/campaign_fixture.h"
#include "campaign/movement.h"
#include "state/game_state.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace Field = state::Field;

using MovementTest = CampaignTest;

const char* kWallsText =
    "The enemy has build superior walls. You will need cannons to attack the castle!";

TEST(StepDistance, IsTheSumOfColumnAndRowDifferences) {
    EXPECT_EQ(logic::StepDistance(1, 1, 1, 1), 0);
    EXPECT_EQ(logic::StepDistance(1, 1, 6, 1), 5);
    EXPECT_EQ(logic::StepDistance(6, 1, 1, 1), 5);
    EXPECT_EQ(logic::StepDistance(1, 1, 2, 2), 2);
    EXPECT_EQ(logic::StepDistance(3, 7, 5, 2), 7);
    EXPECT_EQ(logic::StepDistance(1, 1, 12, 11), 21);
    EXPECT_EQ(logic::StepDistance(12, 11, 1, 1), 21);
}

TEST_F(MovementTest, RangeFromTheCastleAllowsExactlyMoveRangeSteps) {
    auto& g = state::G();
    // Five steps from the castle at (1, 1) is still in range.
    PlaceArmy(1, 5, 1);
    logic::MoveArmy(6, 1);
    EXPECT_EQ(g.army[1][Army::x], 6);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);
    EXPECT_EQ(g.field[6][1][Field::owner], 1);
    EXPECT_TRUE(dialogs.Shown().empty());

    // Six steps is not; nothing is spent.
    TurnOf(1);
    hooks.calls.clear();
    logic::MoveArmy(7, 1);
    EXPECT_EQ(g.army[1][Army::x], 6);
    EXPECT_EQ(g.army[1][Army::movesLeft], 4);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Last().text,
              "This field is out of your castle range. Build a keep for more range!");
    EXPECT_FALSE(hooks.Has("Play Walking_1.wav"));

    // A diagonal step is two fields and refused the same way.
    logic::MoveArmy(7, 2);
    EXPECT_EQ(g.army[1][Army::movesLeft], 4);
    EXPECT_EQ(dialogs.Shown().size(), 2u);

    // With the keep's range the far field is fine.
    g.lord[1][Lord::moveRange] = 99;
    logic::MoveArmy(7, 1);
    EXPECT_EQ(g.army[1][Army::x], 7);
}

TEST_F(MovementTest, OnlyTheFourNeighboursAreOneStepAwayEvenDeepInsideTheRange) {
    auto& g = state::G();
    g.lord[1][Lord::moveRange] = 99;  // every field is in the castle's range
    PlaceArmy(1, 5, 5);
    const char* kOutOfRange =
        "This field is out of your castle range. Build a keep for more range!";
    // Diagonal neighbours, the field itself two away in a line, and a knight's jump: refused
    // without spending a move.
    const int refused[][2] = {{6, 6}, {4, 4}, {6, 4}, {4, 6}, {7, 5}, {5, 3}, {6, 7}};
    for (const auto& t : refused) {
        logic::MoveArmy(t[0], t[1]);
        EXPECT_EQ(g.army[1][Army::x], 5) << t[0] << "," << t[1];
        EXPECT_EQ(g.army[1][Army::y], 5) << t[0] << "," << t[1];
        EXPECT_EQ(g.army[1][Army::movesLeft], 4) << t[0] << "," << t[1];
        EXPECT_EQ(dialogs.Last().text, kOutOfRange);
    }
    EXPECT_EQ(dialogs.Shown().size(), std::size(refused));
    // A neighbour in a straight line is one step.
    logic::MoveArmy(5, 6);
    EXPECT_EQ(g.army[1][Army::y], 6);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);
}

TEST_F(MovementTest, AStepOnLandTakesItAndEndsTheHumanTurn) {
    auto& g = state::G();
    g.field[2][1][Field::owner] = 3;  // enemy land away from lord 3's army and castle
    logic::MoveArmy(2, 1);
    EXPECT_EQ(g.field[2][1][Field::owner], 1);
    EXPECT_EQ(g.army[1][Army::prevX], 1);
    EXPECT_EQ(g.army[1][Army::prevY], 1);
    EXPECT_TRUE(hooks.Has("Play Walking_1.wav"));
    EXPECT_TRUE(hooks.Has("EnableTimer3"));
    EXPECT_TRUE(hooks.Has("VisitSite"));

    // A field that cannot be entered only costs the moves.
    TurnOf(1);
    hooks.calls.clear();
    g.field[3][1][Field::walkable] = 0;
    logic::MoveArmy(3, 1);
    EXPECT_EQ(g.army[1][Army::x], 2);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);
    EXPECT_TRUE(hooks.Has("EnableTimer3"));

    // No turn end from the step while a dungeon has taken over.
    TurnOf(1);
    hooks.calls.clear();
    g.inDungeon = 1;
    logic::MoveArmy(2, 2);
    EXPECT_FALSE(hooks.Has("EnableTimer3"));
}

TEST_F(MovementTest, SiegeChecksArmyThenWallsAndStepsBack) {
    auto& g = state::G();
    // Lord 2's castle at (12, 1); its army is away.
    PlaceArmy(2, 8, 8);
    g.lord[1][Lord::moveRange] = 99;
    g.lord[2][Lord::walls] = 1;

    // An empty army is refused before the walls are looked at.
    PlaceArmy(1, 11, 1, 0);
    g.army[1][Army::prevX] = 10;
    g.army[1][Army::prevY] = 1;
    logic::MoveArmy(12, 1);
    EXPECT_EQ(dialogs.Last().text, "Without an army you cannot attack a castle!");
    EXPECT_EQ(g.army[1][Army::x], 10);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);

    // Walls and no siege troops: the moves are spent and the army falls back.
    TurnOf(1);
    PlaceArmy(1, 11, 1, 4);
    logic::MoveArmy(12, 1);
    EXPECT_EQ(dialogs.Last().title, "Walls!");
    EXPECT_EQ(dialogs.Last().picture, "m2_castle.jpg");
    EXPECT_EQ(dialogs.Last().text, kWallsText);
    EXPECT_EQ(g.army[1][Army::x], 10);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);

    // With siege troops the castle is besieged: the attacker stays, the defender comes home.
    TurnOf(1);
    PlaceArmy(1, 11, 1, 4, 1);
    logic::MoveArmy(12, 1);
    EXPECT_EQ(g.army[1][Army::x], 11);
    EXPECT_EQ(g.army[2][Army::x], 12);
    EXPECT_EQ(g.army[2][Army::y], 1);
    EXPECT_TRUE(dialogs.ShownText("You plunder 500 gold coins!"));
}

TEST_F(MovementTest, SiegeLootIsHalfTheTreasuryRoundedDown) {
    auto& g = state::G();
    PlaceArmy(2, 8, 8);
    g.lord[1][Lord::moveRange] = 99;
    PlaceArmy(1, 11, 1);

    g.lord[2][Lord::gold] = 1;
    logic::MoveArmy(12, 1);
    EXPECT_EQ(dialogs.Shown()[0].title, "Siege!!");
    EXPECT_EQ(dialogs.Last().text, "You find the enemy treasury to be empty. Bad luck!");
    EXPECT_EQ(g.lord[2][Lord::gold], 1);
    EXPECT_EQ(g.lord[1][Lord::gold], 1000);
    EXPECT_FALSE(hooks.Has("PlayPayment"));

    TurnOf(1);
    PlaceArmy(2, 8, 8);
    g.lord[2][Lord::gold] = 7;
    logic::MoveArmy(12, 1);
    EXPECT_EQ(dialogs.Last().text, "You plunder 3 gold coins!");
    EXPECT_EQ(g.lord[2][Lord::gold], 3);
    EXPECT_EQ(g.lord[1][Lord::gold], 1003);
    EXPECT_TRUE(hooks.Has("PlayPayment"));

    // The human as defender.
    PlaceArmy(1, 6, 6);
    PlaceArmy(2, 2, 1);
    TurnOf(2);
    g.lord[2][Lord::moveRange] = 99;
    g.lord[1][Lord::gold] = 7;
    logic::MoveArmy(1, 1);
    EXPECT_TRUE(dialogs.ShownText(
        "Your castle is under siege! While you open a magic portal to bring your army home, the "
        "enemy is able to plunder your treasury!"));
    EXPECT_EQ(dialogs.Last().text, "You lose 3 gold coins!");
    EXPECT_EQ(g.army[1][Army::x], 1);
    g.lord[1][Lord::gold] = 1;
    PlaceArmy(1, 6, 6);
    TurnOf(2);
    logic::MoveArmy(1, 1);
    EXPECT_EQ(dialogs.Last().text, "The enemy finds your treasury is empty and is furious!");

    // Between two computer lords no gold moves and nothing is said.
    const size_t shown = dialogs.Shown().size();
    PlaceArmy(3, 8, 8);
    PlaceArmy(2, 12, 10);
    g.lord[3][Lord::gold] = 100;
    TurnOf(2);
    logic::MoveArmy(12, 11);
    EXPECT_EQ(g.lord[3][Lord::gold], 100);
    EXPECT_EQ(g.army[3][Army::y], 11);
    EXPECT_EQ(dialogs.Shown().size(), shown);
}

TEST_F(MovementTest, DefendedCastleChecksArmyThenWallsThenDefenders) {
    auto& g = state::G();
    g.lord[1][Lord::moveRange] = 99;
    g.lord[2][Lord::walls] = 1;
    g.army[1][Army::prevX] = 10;
    g.army[1][Army::prevY] = 1;

    PlaceArmy(1, 11, 1, 0);
    logic::MoveArmy(12, 1);
    EXPECT_EQ(dialogs.Last().text, "Without soldiers you cannot attack a castle!");
    EXPECT_EQ(g.army[1][Army::x], 10);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);

    TurnOf(1);
    PlaceArmy(1, 11, 1, 4);
    logic::MoveArmy(12, 1);
    EXPECT_EQ(dialogs.Last().text, kWallsText);
    EXPECT_EQ(g.army[1][Army::x], 10);

    // Siege troops and no defenders: the castle falls; the last computer castle is victory.
    g.lord[3][Lord::inGame] = 0;
    g.lord[4][Lord::inGame] = 0;
    TurnOf(1);
    PlaceArmy(1, 11, 1, 4, 1);
    PlaceArmy(2, 12, 1, 0);
    logic::MoveArmy(12, 1);
    const auto& shown = dialogs.Shown();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown[shown.size() - 3].title, "Conquered!");
    EXPECT_EQ(shown[shown.size() - 3].text, "You have conquered the castle of the Green Realm!");
    EXPECT_EQ(shown[shown.size() - 2].title, "Defeat!");
    EXPECT_EQ(shown[shown.size() - 2].picture, "factionlogo_green.jpg");
    EXPECT_EQ(shown[shown.size() - 2].text, "The Green Realm has been defeated in the thornfeud!");
    EXPECT_EQ(dialogs.Last().title, "Victory!");
    EXPECT_EQ(g.lord[2][Lord::inGame], 0);
    EXPECT_EQ(g.army[2][Army::present], 0);
    EXPECT_EQ(g.army[1][Army::x], 12);
    EXPECT_EQ(g.field[12][1][Field::owner], 1);
    EXPECT_TRUE(hooks.Has("Marker 2 0 0 0"));
    EXPECT_TRUE(g.gameOver);
}

TEST_F(MovementTest, TheHumanCastleWithoutDefendersIsLost) {
    auto& g = state::G();
    PlaceArmy(1, 1, 1, 0);
    PlaceArmy(2, 2, 1);
    g.lord[2][Lord::moveRange] = 99;
    TurnOf(2);
    logic::MoveArmy(1, 1);
    EXPECT_TRUE(
        dialogs.ShownText("Without defenders it is easy for the enemy to conquer your castle!"));
    EXPECT_EQ(dialogs.Last().title, "Game lost!");
    EXPECT_EQ(dialogs.Last().picture, "m2_defeat.jpg");
    EXPECT_EQ(g.lord[1][Lord::inGame], 0);
    EXPECT_TRUE(g.returnToMenu);
}

TEST_F(MovementTest, ArmiesInTheFieldChaseRefuseOrWaitForTheBattle) {
    auto& g = state::G();
    // An unescorted enemy lord is chased home; the attacker stays.
    PlaceArmy(2, 2, 1, 0);
    g.field[2][1][Field::owner] = 2;
    logic::MoveArmy(2, 1);
    EXPECT_EQ(dialogs.Last().text,
              "Your scouts have found an enemy lord travelling without an escort! They chase him "
              "back to his castle!");
    EXPECT_EQ(g.army[1][Army::x], 1);
    EXPECT_EQ(g.army[2][Army::x], 12);

    // Without an army the human steps back.
    TurnOf(1);
    PlaceArmy(1, 2, 2, 0);
    g.army[1][Army::prevX] = 2;
    g.army[1][Army::prevY] = 3;
    PlaceArmy(2, 3, 2);
    g.field[3][2][Field::owner] = 2;
    logic::MoveArmy(3, 2);
    EXPECT_EQ(dialogs.Last().text, "You cannot attack without an army.");
    EXPECT_EQ(g.army[1][Army::y], 3);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);

    // With an army the battle starts.
    TurnOf(1);
    PlaceArmy(1, 2, 2, 4);
    hooks.calls.clear();
    logic::MoveArmy(3, 2);
    EXPECT_TRUE(g.battleStarted);
    EXPECT_TRUE(hooks.Has("ShowBattlePanel"));
    EXPECT_EQ(g.battleOwnSide[state::BattleSide::lord], 1);
    EXPECT_EQ(g.battleFoeSide[state::BattleSide::lord], 2);
    EXPECT_EQ(g.army[1][Army::x], 3);
    EXPECT_EQ(g.army[1][Army::movesLeft], 0);
    EXPECT_FALSE(hooks.Has("VisitSite"));
    EXPECT_FALSE(hooks.Has("EnableTimer3"));
}

TEST_F(MovementTest, BadTargetsAndLateClicksDoNothing) {
    auto& g = state::G();
    // Off the map.
    logic::MoveArmy(0, 1);
    logic::MoveArmy(1, 12);
    logic::MoveTargetClick(0);  // north of (1, 1)
    EXPECT_EQ(g.army[1][Army::movesLeft], 4);
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_TRUE(dialogs.Shown().empty());

    // A step back without a previous field leaves the army where it is.
    g.lord[1][Lord::moveRange] = 99;
    g.lord[2][Lord::walls] = 1;
    PlaceArmy(2, 8, 8);
    PlaceArmy(1, 11, 1);
    g.army[1][Army::prevX] = 0;
    g.army[1][Army::prevY] = 0;
    logic::MoveArmy(12, 1);
    EXPECT_EQ(g.army[1][Army::x], 11);
    EXPECT_EQ(g.army[1][Army::y], 1);

    // A second click after the last step, and clicks in a computer's turn.
    logic::MoveArmy(10, 1);
    EXPECT_EQ(g.army[1][Army::x], 11);
    TurnOf(1);
    logic::MoveTargetClick(3);
    EXPECT_EQ(g.army[1][Army::x], 10);
    logic::MoveTargetClick(3);
    EXPECT_EQ(g.army[1][Army::x], 10);
    TurnOf(2);
    g.army[1][Army::movesLeft] = 4;
    const auto before = g.army[2];
    logic::MoveTargetClick(3);
    EXPECT_EQ(g.army[2], before);

    // An owner number that is no lord counts as neutral land.
    TurnOf(1);
    g.field[9][1][Field::owner] = 77;
    logic::MoveArmy(9, 1);
    EXPECT_EQ(g.army[1][Army::x], 9);
    EXPECT_EQ(g.field[9][1][Field::owner], 1);
}

}  // namespace
}  // namespace camptest
