// The strategic map as the rules hand it to the window: the fields drawn and highlighted, the
// armies, the move targets, and whose values the status bar shows.
#include <gtest/gtest.h>

#include "campaign/campaign_fixture.h"
#include "campaign/map_model.h"
#include "state/game_state.h"

namespace camptest {
namespace {

namespace Army = state::Army;
namespace Field = state::Field;
namespace Lord = state::Lord;

using MapModelTest = CampaignTest;

const logic::MapFieldView& FieldOf(const logic::MapModel& m, int x, int y) {
    return m.fields[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

TEST_F(MapModelTest, TheFieldsAroundTheHumansArmyAreHighlightedAndTheRestDrawnPlain) {
    auto& g = state::G();
    PlaceArmy(1, 5, 5);
    g.field[5][4][Field::tile] = 17;
    g.field[9][9][Field::walkable] = -1;  // no land: hidden
    const logic::MapModel m = logic::DescribeMap(true, false);
    EXPECT_EQ(m.lord, 1);
    EXPECT_TRUE(m.humanTurn);
    for (auto [x, y] : {std::pair{5, 5}, {5, 4}, {6, 5}, {5, 6}, {4, 5}})
        EXPECT_TRUE(FieldOf(m, x, y).highlighted) << x << "," << y;
    EXPECT_EQ(FieldOf(m, 5, 4).tile, 17);
    EXPECT_FALSE(FieldOf(m, 6, 6).highlighted);  // two steps away
    EXPECT_TRUE(FieldOf(m, 6, 6).drawn);
    EXPECT_TRUE(FieldOf(m, 9, 9).hidden);
    EXPECT_FALSE(FieldOf(m, 9, 9).drawn);
    // Without highlight nothing is marked.
    EXPECT_FALSE(FieldOf(logic::DescribeMap(false, false), 5, 4).highlighted);
}

// In the human's turn the fields farther from its castle than its move range, in steps along
// the columns and the rows, are beyond the range, and so is a move target there; the range's last
// field is within. A computer's turn shows no range, a hidden field is never shaded.
TEST_F(MapModelTest, FieldsAndTargetsBeyondTheCastleRange) {
    auto& g = state::G();
    g.lord[1][Lord::moveRange] = 3;
    g.field[1][4][Field::walkable] = -1;
    PlaceArmy(1, 3, 1);
    logic::MapModel m = logic::DescribeMap(true, false);
    EXPECT_FALSE(FieldOf(m, 1, 1).beyondRange);  // the castle
    EXPECT_FALSE(FieldOf(m, 2, 2).beyondRange);  // 2 steps
    EXPECT_FALSE(FieldOf(m, 3, 2).beyondRange);  // 3 steps: the range's edge
    EXPECT_FALSE(FieldOf(m, 4, 1).beyondRange);
    EXPECT_TRUE(FieldOf(m, 4, 2).beyondRange);  // 4 steps
    EXPECT_TRUE(FieldOf(m, 5, 1).beyondRange);
    EXPECT_TRUE(FieldOf(m, 12, 11).beyondRange);
    EXPECT_FALSE(FieldOf(m, 1, 4).beyondRange);  // hidden, though 3 steps away
    EXPECT_TRUE(FieldOf(m, 1, 4).hidden);
    // The targets east and south of the army at (3, 1) are within; from (4, 1) east is beyond.
    EXPECT_TRUE(m.targets[1].shown);
    EXPECT_FALSE(m.targets[1].beyondRange);
    EXPECT_FALSE(m.targets[2].beyondRange);
    PlaceArmy(1, 4, 1);
    m = logic::DescribeMap(true, false);
    EXPECT_TRUE(m.targets[1].shown);
    EXPECT_EQ(m.targets[1].x, 5);
    EXPECT_TRUE(m.targets[1].beyondRange);
    EXPECT_TRUE(m.targets[2].beyondRange);   // (4, 2)
    EXPECT_FALSE(m.targets[3].beyondRange);  // (3, 1)
    // A range of 0 holds the castle alone; a computer lord's turn shows none.
    g.lord[1][Lord::moveRange] = 0;
    m = logic::DescribeMap(true, false);
    EXPECT_FALSE(FieldOf(m, 1, 1).beyondRange);
    EXPECT_TRUE(FieldOf(m, 2, 1).beyondRange);
    TurnOf(2);
    m = logic::DescribeMap(true, false);
    EXPECT_FALSE(m.humanTurn);
    EXPECT_FALSE(FieldOf(m, 12, 11).beyondRange);
}

TEST_F(MapModelTest, ANearRedrawTakesTwoStepsAroundTheArmyOrAComputersOwnFieldOnly) {
    PlaceArmy(1, 5, 5);
    logic::MapModel m = logic::DescribeMap(true, true);
    EXPECT_TRUE(FieldOf(m, 7, 5).drawn);   // two steps
    EXPECT_TRUE(FieldOf(m, 6, 6).drawn);   // two steps
    EXPECT_FALSE(FieldOf(m, 8, 5).drawn);  // three steps
    EXPECT_FALSE(FieldOf(m, 7, 6).drawn);

    TurnOf(2);
    PlaceArmy(2, 8, 8);
    m = logic::DescribeMap(true, true);
    EXPECT_FALSE(m.humanTurn);
    EXPECT_TRUE(FieldOf(m, 8, 8).drawn);
    EXPECT_FALSE(FieldOf(m, 8, 7).drawn);
    // A computer lord's fields are never highlighted, and it has no move targets.
    EXPECT_FALSE(FieldOf(m, 8, 8).highlighted);
    for (const auto& t : m.targets)
        EXPECT_FALSE(t.shown);
}

TEST_F(MapModelTest, MoveTargetsOnlyOntoWalkableFieldsOnTheMap) {
    auto& g = state::G();
    PlaceArmy(1, 1, 1);                  // the corner: no north, no west
    g.field[2][1][Field::walkable] = 0;  // east is water
    logic::MapModel m = logic::DescribeMap(true, false);
    EXPECT_FALSE(m.targets[0].shown);
    EXPECT_FALSE(m.targets[1].shown);
    EXPECT_TRUE(m.targets[2].shown);
    EXPECT_EQ(m.targets[2].x * 100 + m.targets[2].y, 102);
    EXPECT_FALSE(m.targets[3].shown);
    // An army off the map (a damaged file) has no targets and is not drawn.
    g.army[1][Army::x] = 40;
    m = logic::DescribeMap(true, false);
    for (const auto& t : m.targets)
        EXPECT_FALSE(t.shown);
    EXPECT_FALSE(m.armies[1].shown);
}

TEST_F(MapModelTest, ArmiesSharingAFieldAreDrawnSmallAndLordsOutOfTheGameNotAtAll) {
    auto& g = state::G();
    PlaceArmy(1, 6, 6);
    PlaceArmy(3, 6, 6);
    g.lord[4][Lord::inGame] = 0;
    logic::MapModel m = logic::DescribeMap(false, false);
    EXPECT_TRUE(m.armies[1].shared);
    EXPECT_TRUE(m.armies[3].shared);
    EXPECT_FALSE(m.armies[2].shared);
    EXPECT_EQ(m.armies[2].x * 100 + m.armies[2].y, 1201);
    EXPECT_FALSE(m.armies[4].shown);
    // An army that is not present does not make another one small.
    g.army[3][Army::present] = 0;
    m = logic::DescribeMap(false, false);
    EXPECT_FALSE(m.armies[1].shared);
}

TEST_F(MapModelTest, TheStatusBarShowsTheHumanAlsoInAComputerTurnAndScoutsWithTheCamp) {
    auto& g = state::G();
    SetHuman(3);
    TurnOf(2);
    EXPECT_EQ(logic::StatusBarLord(), 3);
    TurnOf(3);
    EXPECT_EQ(logic::StatusBarLord(), 3);
    for (int p = 1; p <= 4; ++p)
        g.lord[p][Lord::controller] = 2;
    EXPECT_EQ(logic::StatusBarLord(), 0);

    EXPECT_FALSE(logic::MoveInformationScouts(3));
    g.lord[3][Lord::Built(state::CastleBuilding::scoutCamp)] = 1;
    EXPECT_TRUE(logic::MoveInformationScouts(3));
    g.lord[3][Lord::Built(state::CastleBuilding::scoutCamp)] = 2;  // only a built flag of 1
    EXPECT_FALSE(logic::MoveInformationScouts(3));
    EXPECT_FALSE(logic::MoveInformationScouts(0));
}

}  // namespace
}  // namespace camptest
