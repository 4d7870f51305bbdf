// The scenario sheet of a scenario started from the custom scenario box: a scenario shipped with
// the game presents its own theme and picture, the player's own keeps the custom scenario's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/driver.h"
#include "platform/form.h"
#include "platform/image.h"
#include "screens/game_screens.h"
#include "screens/tfselectmap.h"
#include "screens/tfshowmap.h"
#include "state/game_state.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

namespace fs = std::filesystem;

// A click on a control of the window that takes input.
void ClickOnInputForm(testsupport::HeadlessApp& h, const std::string& name) {
    platform::Control* c = h.App().InputForm()->Find(name);
    ASSERT_NE(c, nullptr) << name;
    platform::Driver(h.App()).ClickControl(*c);
}

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

    const auto click = [&h](const std::string& name) { ClickOnInputForm(h, name); };
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

namespace {

std::vector<std::uint32_t> Pixels(const platform::Image& image) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x)
            pixels.push_back(image.PixelAt(x, y));
    }
    return pixels;
}

// Where two pictures differ: how many pixels, and the box around them.
std::string Difference(const platform::Image& a, const std::vector<std::uint32_t>& b) {
    const std::vector<std::uint32_t> pa = Pixels(a);
    if (pa.size() != b.size()) return "sizes differ";
    const int w = a.Width();
    int count = 0, x1 = w, y1 = a.Height(), x2 = -1, y2 = -1;
    for (std::size_t i = 0; i < pa.size(); ++i) {
        if (pa[i] == b[i]) continue;
        ++count;
        const int x = static_cast<int>(i) % w, y = static_cast<int>(i) / w;
        x1 = std::min(x1, x);
        y1 = std::min(y1, y);
        x2 = std::max(x2, x);
        y2 = std::max(y2, y);
    }
    if (count == 0) return {};
    return std::to_string(count) + " pixels from (" + std::to_string(x1) + ", " +
           std::to_string(y1) + ") to (" + std::to_string(x2) + ", " + std::to_string(y2) + ")";
}

// What a real window shows is painted area by area as controls change; after the same clicks it
// is what a whole new drawing of the screen shows (a radio button that loses its tick included).
TEST(ScenarioSheet, TheWindowShowsWhatAWholeDrawingShowsAfterTheFactionClicks) {
    if (!testsupport::RequireGameData("princess.mod")) return;
    testsupport::HeadlessApp h(true, 1440, 900, true);
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    state::G().tutorialOn = false;
    const auto click = [&h](const std::string& name) { ClickOnInputForm(h, name); };
    std::vector<std::string> clicked;
    std::vector<std::uint32_t> painted;
    std::string difference = "not compared";
    h.Then([&] { click("SpeedButton10"); });  // "Next...": the custom scenario box
    h.Then([&] {
        auto* box = dynamic_cast<platform::Edit*>(h.App().InputForm()->Find("Edit1"));
        ASSERT_NE(box, nullptr);
        box->SetText("princess");
        click("SpeedButton9");  // "Play!": the sheet opens
    });
    // Every faction that takes part, in turn, then the first again: one click a step, so that
    // the window is painted after each.
    for (int p : {2, 3, 4, 1}) {
        h.Then([&, p] {
            const std::string name = "RadioButton" + std::to_string(p);
            platform::Control* radio = h.App().InputForm()->Find(name);
            ASSERT_NE(radio, nullptr);
            if (!radio->Enabled()) return;
            click(name);
            clicked.push_back(name);
        });
    }
    h.Then([&] {
        ASSERT_NE(platform::Driver(h.App()).ShownPicture(), nullptr);
        painted = Pixels(*platform::Driver(h.App()).ShownPicture());
        h.App().Invalidate();  // the next present draws the whole screen anew
    });
    h.Then([&] {
        difference = Difference(*platform::Driver(h.App()).ShownPicture(), painted);
        click("SpeedButton2");  // "Back"
    });
    h.Then([&] { click("SpeedButton11"); });  // the list's "Back"
    screens.SelectMap().Reset();
    screens.SelectMap().ShowModal();

    EXPECT_GE(clicked.size(), 3u);
    EXPECT_EQ(difference, "");
    // The ticked faction is the one clicked last.
    EXPECT_EQ(screens.Sheet().Selected(), std::stoi(clicked.back().substr(11)));
}

}  // namespace
