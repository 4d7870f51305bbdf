#include <gtest/gtest.h>

#include "events/theme_display.h"
#include "platform/driver.h"
#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "state/game_state.h"
#include "state/reset.h"
#include "support/headless_app.h"

namespace {

using testsupport::HeadlessApp;

struct MapFixture {
    HeadlessApp h;
    screens::GameScreens screens{h.App(), screens::StartOptions{}};
    screens::TFCampaign1& map = screens.Campaign();
    state::GameState& g = state::G();

    MapFixture() {
        state::ResetGameState(g);
        for (int x = 1; x <= 12; ++x) {
            for (int y = 1; y <= 11; ++y) {
                g.field[x][y][state::Field::walkable] = 1;
                g.field[x][y][state::Field::tile] = 200;
            }
        }
        for (int p = 1; p <= 4; ++p) {
            g.lord[p][state::Lord::inGame] = 1;
            g.lord[p][state::Lord::controller] = p == 1 ? 1 : 2;
            g.army[p][state::Army::present] = 1;
        }
        Place(1, 6, 6);
        Place(2, 10, 2);
        Place(3, 10, 9);
        Place(4, 2, 9);
        g.currentLord = 1;
    }
    void Place(int lord, int x, int y) {
        g.army[lord][state::Army::x] = x;
        g.army[lord][state::Army::y] = y;
    }
    bool Shown(int direction) { return map.MoveTarget(direction)->Visible(); }
};

// The special troop picture of the army panel comes with its count, like the four troop rows
// above it (the captive princess's skeletons have no theme box to show it).
TEST(CampaignMap, TheArmyPanelsSpecialTroopShowsItsCount) {
    MapFixture f;
    f.g.mapSetting[3] = 13;
    f.g.army[1][state::Army::specialCount] = 0;
    logic::SetupThemeDisplay();
    EXPECT_TRUE(f.map.SpecialTroopPicture()->Visible());
    EXPECT_EQ(f.map.SpecialTroopPicture()->FileName(), "m1_skeleton.jpg");
    EXPECT_TRUE(f.map.SpecialTroopCount()->Visible());
    EXPECT_EQ(f.map.SpecialTroopCount()->Caption(), "0");
    f.g.army[1][state::Army::specialCount] = 24;
    logic::UpdateThemeDisplay();
    EXPECT_EQ(f.map.SpecialTroopCount()->Caption(), "24");
    f.g.mapSetting[3] = 1;  // no special troop picture, no count
    logic::SetupThemeDisplay();
    EXPECT_FALSE(f.map.SpecialTroopPicture()->Visible());
    EXPECT_FALSE(f.map.SpecialTroopCount()->Visible());
}

TEST(CampaignMap, MoveTargetsStayOnTheMapAndOnWalkableFields) {
    MapFixture f;
    f.Place(1, 1, 1);
    f.map.DrawMap(true, false);
    EXPECT_FALSE(f.Shown(0));  // north of the top row
    EXPECT_TRUE(f.Shown(1));
    EXPECT_TRUE(f.Shown(2));
    EXPECT_FALSE(f.Shown(3));  // west of the first column
    EXPECT_EQ(f.map.MoveTarget(1)->Left(), 50);
    EXPECT_EQ(f.map.MoveTarget(1)->Top(), 0);
    EXPECT_EQ(f.map.MoveTarget(2)->Left(), 0);
    EXPECT_EQ(f.map.MoveTarget(2)->Top(), 50);
    f.g.field[2][1][state::Field::walkable] = 0;  // drawn, but never entered
    f.map.DrawMap(true, false);
    EXPECT_FALSE(f.Shown(1));
    EXPECT_TRUE(f.Shown(2));
}

TEST(CampaignMap, TwoArmiesOnOneFieldAreDrawnSmallInTheirCorners) {
    MapFixture f;
    f.Place(2, 6, 6);
    f.map.DrawMap(true, false);
    EXPECT_EQ(f.map.ArmyPicture(1)->Width(), 35);
    EXPECT_EQ(f.map.ArmyPicture(1)->Left(), 6 * 50 - 48);
    EXPECT_EQ(f.map.ArmyPicture(2)->Left(), 6 * 50 - 5);
    EXPECT_EQ(f.map.ArmyPicture(2)->Top(), 6 * 50 - 49);
    EXPECT_EQ(f.map.ArmyPicture(3)->Width(), 50);  // alone on its field
    f.g.lord[3][state::Lord::inGame] = 0;
    f.map.DrawMap(true, false);
    EXPECT_FALSE(f.map.ArmyPicture(3)->Visible());
}

TEST(CampaignMap, HighlightAndPartialRedraw) {
    MapFixture f;
    f.g.field[7][6][state::Field::tile] = 101;
    f.g.field[3][3][state::Field::tile] = 0;
    f.g.field[12][11][state::Field::walkable] = -1;
    f.map.DrawMap(true, false);
    EXPECT_EQ(f.map.FieldPicture(7, 6)->FileName(), "m2blue_coast1e.jpg");  // next to the army
    EXPECT_EQ(f.map.FieldPicture(6, 6)->FileName(), "m2blue_middle1.jpg");
    EXPECT_EQ(f.map.FieldPicture(8, 6)->FileName(), "m2_middle1.jpg");  // two fields away
    EXPECT_EQ(f.map.FieldPicture(3, 3)->FileName(), "m2_water1.jpg");
    EXPECT_FALSE(f.map.FieldPicture(12, 11)->Visible());
    EXPECT_EQ(f.map.FieldsDrawnLast(), 131);
    f.map.DrawMap(false, true);
    EXPECT_EQ(f.map.FieldsDrawnLast(), 13);  // only the fields within two steps
    EXPECT_EQ(f.map.FieldPicture(7, 6)->FileName(), "m2_coast1e.jpg");
    f.g.currentLord = 2;  // a computer lord: only its own field
    f.map.DrawMap(true, true);
    EXPECT_EQ(f.map.FieldsDrawnLast(), 1);
    EXPECT_EQ(f.map.FieldPicture(10, 2)->FileName(), "m2_middle1.jpg");  // never highlighted
}

TEST(CampaignMap, HoverHelpNeedsTheSwitchAndShowsOncePerApproach) {
    MapFixture f;
    f.map.Show();
    platform::Control* hire = f.map.Find("SpeedButton1");
    platform::Control* gold = f.map.Find("Image12");
    platform::Control* panel = f.map.Find("InGameHelp3_Panel");
    f.g.hintsOn = false;
    platform::Driver(f.h.App()).HoverControl(*gold);
    EXPECT_FALSE(panel->Visible());
    f.g.hintsOn = true;
    platform::Driver(f.h.App()).HoverControl(*gold);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Left(), 40);
    EXPECT_EQ(panel->Top(), 491);
    platform::Driver(f.h.App()).HoverControl(*hire);
    EXPECT_TRUE(panel->Visible());
    EXPECT_EQ(panel->Left(), 16);
    panel->Hide();
    platform::Driver(f.h.App()).HoverControl(
        *hire);  // the same numbered control again: not shown again
    EXPECT_FALSE(panel->Visible());
}

}  // namespace
