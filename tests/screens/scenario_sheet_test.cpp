// The scenario sheet of a scenario started from the custom scenario box: a scenario shipped with
// the game presents its own theme and picture, the player's own keeps the custom scenario's.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/driver.h"
#include "platform/form.h"
#include "screens/game_screens.h"
#include "screens/tfselectmap.h"
#include "state/game_state.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

namespace fs = std::filesystem;

struct SheetSeen {
    std::string picture, monsters, theme;
    bool secondLine = false;
};

TEST(ScenarioSheet, AShippedThemeScenarioShowsItsThemeAPlayersOwnTheCustomScenarios) {
    if (!testsupport::RequireGameData("princess.mod")) return;
    testsupport::HeadlessApp h(true);
    // The player's own scenario: the princess module under another name, in the user folder.
    fs::copy_file(testsupport::GameDataDir() / "princess.mod", h.User() / "mycliffs.mod");
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    state::G().tutorialOn = false;

    auto click = [&h](const std::string& name) {
        platform::Control* c = h.App().InputForm()->Find(name);
        ASSERT_NE(c, nullptr) << name;
        platform::Driver(h.App()).ClickControl(*c);
    };
    auto caption = [&h](const std::string& name) {
        platform::Control* c = h.App().InputForm()->Find(name);
        return c != nullptr && c->Visible() ? c->Caption() : std::string("(hidden)");
    };
    std::vector<SheetSeen> seen;
    auto play = [&](const std::string& name) {
        h.Then([&, name] {
            auto* box = dynamic_cast<platform::Edit*>(h.App().InputForm()->Find("Edit1"));
            ASSERT_NE(box, nullptr);
            box->SetText(name);
            click("SpeedButton9");  // "Play!": the sheet opens
        });
        h.Then([&] {
            auto* picture = dynamic_cast<platform::Picture*>(h.App().InputForm()->Find("Image1"));
            ASSERT_NE(picture, nullptr);
            seen.push_back({picture->FileName(), caption("Label3"), caption("Label4"),
                            caption("Label5") != "(hidden)"});
            click("SpeedButton2");  // "Back"
        });
    };
    h.Then([&] { click("SpeedButton10"); });  // "Next...": the custom scenario box
    play("princess");
    play("mycliffs");
    h.Then([&] { click("SpeedButton11"); });  // the list's "Back"
    screens.SelectMap().Reset();
    screens.SelectMap().ShowModal();

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].picture, "princess.jpg");
    EXPECT_EQ(seen[0].monsters, "Dungeon monsters: Undeads!");
    EXPECT_EQ(seen[0].theme, "Theme: Free the princess!");
    EXPECT_FALSE(seen[0].secondLine);
    EXPECT_EQ(seen[1].picture, "m1_action_help.jpg");
    EXPECT_EQ(seen[1].monsters, "Dungeon monsters: Orcs && cohorts!");
    EXPECT_EQ(seen[1].theme, "Theme: Ally with the orcs or fight them!");
    EXPECT_FALSE(seen[1].secondLine);
    // The sheet's lines do not touch the scenario's own theme.
    EXPECT_EQ(state::G().mapSetting[3], 13);
}

}  // namespace
