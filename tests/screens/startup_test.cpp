#include <gtest/gtest.h>

#include "platform/driver.h"
#include "screens/game_screens.h"
#include "screens/tfoptions.h"
#include "state/game_state.h"
#include "state/progress_file.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

using testsupport::HeadlessApp;

std::vector<std::int32_t> ProgressValues(const testsupport::TempDir& user) {
    const auto bytes = user.ReadFile(state::kProgressFile);
    std::vector<std::int32_t> values(bytes.size() / 4);
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = static_cast<std::int32_t>(bytes[i * 4] | bytes[i * 4 + 1] << 8 |
                                              bytes[i * 4 + 2] << 16 | bytes[i * 4 + 3] << 24);
    }
    return values;
}

// One run of the program: start-up, then the player's steps in the main menu.
void RunOnce(HeadlessApp& h, const std::function<void(screens::GameScreens&)>& steps) {
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    h.Then([&] { steps(screens); });
    screens.Run();
}

// These runs show the real windows with the generated pictures; without them every window
// would first show an error box.
TEST(StartUp, SwitchesPersistAcrossStartsAndTheTutorialEndsAfterThreeStarts) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    HeadlessApp h(true);
    auto click = [&h](screens::GameScreens&, const std::string& name) {
        platform::Control* c = h.App().InputForm()->Find(name);
        ASSERT_NE(c, nullptr) << name;
        platform::Driver(h.App()).ClickControl(*c);
    };
    RunOnce(h, [&](screens::GameScreens& s) {
        EXPECT_TRUE(state::G().tutorialOn);
        EXPECT_EQ(s.OptionsScreen().SoundButton()->Caption(), "Sound effects: On");
        // Queued first: the options loop runs them once the click below opens it.
        h.Then([&] {
            click(s, "SpeedButton2");  // sound effects off
            click(s, "SpeedButton4");  // music off
            EXPECT_EQ(s.OptionsScreen().SoundButton()->Caption(), "Sound effects: Off");
            EXPECT_EQ(s.OptionsScreen().MusicButton()->Caption(), "Music/Ambient: Off");
            click(s, "SpeedButton1");
        });
        h.Then([&] { click(s, "SpeedButton2"); });  // Quit
        click(s, "SpeedButton9");                   // Options
    });
    // Start 1, everything unlocked, sound and music off, hints on as stored.
    EXPECT_EQ(ProgressValues(h.User()), (std::vector<std::int32_t>{12, 12, 1, 0, 0, 1}));
    for (int start = 2; start <= 4; ++start) {
        RunOnce(h, [&](screens::GameScreens& s) {
            EXPECT_EQ(state::G().startCount, start);
            EXPECT_EQ(state::G().tutorialOn, start < 4) << "start " << start;
            EXPECT_FALSE(state::G().soundOn);
            EXPECT_EQ(s.OptionsScreen().SoundButton()->Caption(), "Sound effects: Off");
            click(s, "SpeedButton2");
        });
    }
    EXPECT_EQ(ProgressValues(h.User())[2], 4);
}

TEST(StartUp, AShortProgressFileTurnsTheSwitchesOnAndIsRewrittenWithSixValues) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    HeadlessApp h(true);
    h.User().WriteFile(state::kProgressFile, {3, 0, 0, 0, 2, 0, 0, 0, 9, 0, 0, 0});
    RunOnce(h, [&](screens::GameScreens& s) {
        EXPECT_TRUE(state::G().soundOn);
        EXPECT_TRUE(state::G().musicOn);
        EXPECT_EQ(state::G().startCount, 10);
        EXPECT_FALSE(state::G().tutorialOn);
        platform::Driver(h.App()).ClickControl(*h.App().InputForm()->Find("SpeedButton2"));
        (void)s;
    });
    EXPECT_EQ(ProgressValues(h.User()), (std::vector<std::int32_t>{12, 12, 10, 1, 1, 1}));
}

}  // namespace
