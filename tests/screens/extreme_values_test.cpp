// The strategic map and the start-up with values at the ends of the 32-bit range, as a damaged
// or hand-edited file can hold them.
#include <gtest/gtest.h>

#include <limits>

#include "platform/driver.h"
#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcheats.h"
#include "state/game_state.h"
#include "state/progress_file.h"
#include "state/reset.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

using testsupport::HeadlessApp;

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

TEST(ExtremeMapValues, TheMapDrawsArmiesAndTilesFromAnyValue) {
    HeadlessApp h;
    screens::GameScreens screens{h.App(), screens::StartOptions{}};
    screens::TFCampaign1& map = screens.Campaign();
    state::GameState& g = state::G();
    state::ResetGameState(g);
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y) {
            g.field[x][y][state::Field::walkable] = 1;
            g.field[x][y][state::Field::tile] = 200;
        }
    }
    g.field[3][3][state::Field::tile] = kMin;
    g.field[4][3][state::Field::tile] = kMax;
    g.currentLord = 1;
    g.lord[1][state::Lord::inGame] = 1;
    g.lord[1][state::Lord::controller] = 1;
    g.army[1][state::Army::present] = 1;
    for (int ax : {kMin, kMax}) {
        g.army[1][state::Army::x] = ax;
        g.army[1][state::Army::y] = ax;
        // Near the army only: nothing is near an army that far off.
        map.DrawMap(true, true);
        EXPECT_EQ(map.FieldsDrawnLast(), 0);
        map.DrawMap(true, false);
        EXPECT_EQ(map.FieldsDrawnLast(), 132);
        for (int d = 0; d < 4; ++d)
            EXPECT_FALSE(map.MoveTarget(d)->Visible());
    }
    // A code without a tile asks for the bare prefix.
    for (const char* name : {"FieldC3", "FieldC4"}) {
        auto* field = dynamic_cast<platform::Picture*>(map.Find(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_EQ(field->FileName(), "m2_.jpg") << name;
    }
    state::G() = state::GameState{};
}

TEST(ExtremeMapValues, TheCheatsHoldTheTreasuryAtTheEndsOfTheRange) {
    HeadlessApp h;
    screens::GameScreens screens{h.App(), screens::StartOptions{}};
    state::GameState& g = state::G();
    state::ResetGameState(g);
    g.currentLord = 2;
    auto& lord = g.lord[2];
    screens::TFCheats& cheats = screens.Cheats();
    cheats.Show();
    auto click = [&](const char* name) {
        platform::Control* button = cheats.Find(name);
        ASSERT_NE(button, nullptr) << name;
        platform::Driver(h.App()).ClickControl(*button);
    };
    lord[state::Lord::gold] = kMax - 1;
    click("SpeedButton12");  // + 1.000 gold
    EXPECT_EQ(lord[state::Lord::gold], kMax);
    lord[state::Lord::gold] = kMin + 999;
    click("SpeedButton2");  // -1000 gold
    EXPECT_EQ(lord[state::Lord::gold], kMin);
    lord[state::Lord::gold] = 5;
    click("SpeedButton2");
    EXPECT_EQ(lord[state::Lord::gold], -995);
    lord[state::Lord::honor] = kMax - 99;
    lord[state::Lord::gems] = -100;
    click("SpeedButton4");  // some resources
    EXPECT_EQ(lord[state::Lord::honor], kMax);
    EXPECT_EQ(lord[state::Lord::gems], 0);
    EXPECT_EQ(lord[state::Lord::wood], 100);
    state::G() = state::GameState{};
}

TEST(ExtremeMapValues, TheStartCounterStopsAtItsLargestValue) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    HeadlessApp h(true);
    // 12, 12, the largest start count, sound, music and hints on.
    std::vector<unsigned char> file = {12, 0, 0, 0, 12, 0, 0, 0, 0xff, 0xff, 0xff, 0x7f};
    for (int i = 0; i < 3; ++i)
        file.insert(file.end(), {1, 0, 0, 0});
    h.User().WriteFile(state::kProgressFile, file);
    for (int start = 0; start < 2; ++start) {
        state::G() = state::GameState{};
        screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
        h.Then([&] {
            EXPECT_EQ(state::G().startCount, kMax);
            EXPECT_FALSE(state::G().tutorialOn);
            platform::Driver(h.App()).ClickControl(
                *h.App().InputForm()->Find("SpeedButton2"));  // Quit
        });
        screens.Run();
        EXPECT_EQ(h.User().ReadFile(state::kProgressFile), file);
    }
}

}  // namespace
