// The tutorial's panels on the screens: each step shows its screen's panel with a blinking
// pointer at a control of that screen, and ending the tutorial stops every panel's blinking.
#include <gtest/gtest.h>

#include <array>

#include "rules/tutorial_steps.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_screens.h"
#include "screens/tfbuildings.h"
#include "screens/tfcampaign1.h"
#include "screens/tform2.h"
#include "screens/tform3.h"
#include "screens/tfselectmap.h"
#include "screens/tfshowmap.h"
#include "screens/tutorial_guide.h"
#include "screens/tutorial_panel.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

TEST(TutorialPanels, EachStepShowsItsScreensPanelAndTheEndStopsEveryBlink) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    testsupport::HeadlessApp h(true);
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    screens::TutorialPanel& list = screens.SelectMap().Tutorial();
    screens::TutorialPanel& strategic = screens.Campaign().Tutorial();
    screens::TutorialPanel& dungeon = screens.Dungeon().Window().Tutorial();

    logic::StartTutorialSteps();
    EXPECT_TRUE(list.Active());
    EXPECT_TRUE(list.Blinking());
    EXPECT_EQ(list.Title(), "Tutorial: #1");
    EXPECT_FALSE(strategic.Active());

    // A strategic step: the list's panel goes, the strategic one comes with its "Continue",
    // and the strategic window grows by the panel's strip.
    const int height = screens.Campaign().Height();
    state::G().tutorialStep = 2;
    logic::AdvanceTutorial(2);
    EXPECT_FALSE(list.Active());
    EXPECT_FALSE(list.Blinking());
    EXPECT_TRUE(strategic.Active());
    EXPECT_TRUE(strategic.ContinueButton()->Visible());
    EXPECT_GT(screens.Campaign().Height(), height);
    // The pointer of step 3 stands beside the hero's picture.
    const platform::Rect hero = screens.Campaign().Find("Image76")->Bounds();
    const platform::Rect hand = strategic.Pointer()->Bounds();
    EXPECT_EQ(hand.x, hero.x + hero.w);
    EXPECT_LT(hand.y, hero.y + hero.h);
    EXPECT_GT(hand.y + hand.h, hero.y);

    // A step that waits for an action shows no "Continue".
    state::G().tutorialStep = 9;
    logic::AdvanceTutorial(9);
    EXPECT_FALSE(strategic.ContinueButton()->Visible());

    // A dungeon step, then the end: every panel stops, also those never reached.
    state::G().tutorialStep = 15;
    logic::AdvanceTutorial(15);
    EXPECT_TRUE(dungeon.Active());
    EXPECT_FALSE(strategic.Active());
    screens::EndTutorial(screens);
    EXPECT_FALSE(state::G().tutorialOn);
    for (screens::TutorialPanel* panel : screens.TutorialPanels()) {
        EXPECT_FALSE(panel->Active());
        EXPECT_FALSE(panel->Blinking());
    }
    EXPECT_EQ(screens.Campaign().Height(), height);

    // A blink after the tutorial went off (without the panels hearing of it) stops the blinking.
    logic::StartTutorialSteps();
    ASSERT_TRUE(list.Blinking());
    state::G().tutorialOn = false;
    const std::int64_t until = h.Clock().NowMs() + 1200;
    while (h.App().AdvanceVirtualTime(until)) {
    }
    EXPECT_FALSE(list.Blinking());
    EXPECT_FALSE(list.Pointer()->Visible());
}

// Windows do not move under the pointer: a window shown when the tutorial ends keeps its place
// and size, and loses its panel's strip only when it next opens.
TEST(TutorialPanels, AShownWindowKeepsItsBoundsWhenTheTutorialEnds) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    testsupport::HeadlessApp h(true);
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    platform::Form& castle = screens.Buildings();
    auto bounds = [&castle] {
        const platform::Rect r = castle.Bounds();
        return std::array<int, 4>{r.x, r.y, r.w, r.h};
    };
    castle.Show();
    const std::array<int, 4> plain = bounds();
    castle.Hide();

    logic::StartTutorialSteps();
    state::G().tutorialStep = 11;
    logic::AdvanceTutorial(11);  // step 12, on the castle screen
    ASSERT_TRUE(screens.Buildings().Tutorial().Active());
    castle.Show();
    const std::array<int, 4> grown = bounds();
    EXPECT_GT(grown[3], plain[3]);

    screens::EndTutorial(screens);
    EXPECT_FALSE(screens.Buildings().Tutorial().Active());
    EXPECT_EQ(bounds(), grown);
    castle.Hide();
    castle.Show();
    EXPECT_EQ(bounds(), plain);
    castle.Hide();

    // While the tutorial runs, a window opens with the strip even when another screen's panel
    // is the step's, so that it does not change from step to step.
    logic::StartTutorialSteps();
    castle.Show();
    EXPECT_EQ(bounds(), grown);
    castle.Hide();
    screens::EndTutorial(screens);
}

// On the scenario sheet the panel stands over the scenario's picture: the title, the story, the
// theme lines, the faction rows and the buttons stay readable.
TEST(TutorialPanels, TheSheetsPanelHidesNothingThePlayerReads) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    testsupport::HeadlessApp h(true);
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    platform::Form& sheet = screens.Sheet();
    screens::TutorialPanel* panel = screens.Tutorial().PanelOf(logic::TutorialScreen::sheet);
    ASSERT_NE(panel, nullptr);
    const platform::Rect p = panel->PanelControl()->Bounds();
    int checked = 0;
    for (const auto& child : sheet.Children()) {
        const std::string kind = child->Kind();
        if (kind != "Label" && kind != "Edit" && kind != "RadioButton" && kind != "SpeedButton")
            continue;
        if (child.get() == panel->ShowButton()) continue;
        const platform::Rect c = child->Bounds();
        const bool overlap =
            p.x < c.x + c.w && c.x < p.x + p.w && p.y < c.y + c.h && c.y < p.y + p.h;
        EXPECT_FALSE(overlap) << child->Name();
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

// The hand of every step stands beside the control the step names, on both canvas sizes.
void CheckPointers(int width, int height) {
    testsupport::HeadlessApp h(true, width, height);
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    state::G().tutorialOn = true;
    for (int step = 1; step <= logic::kTutorialLastStep; ++step) {
        const screens::TutorialPointerTarget* target = screens::FindTutorialPointer(step);
        if (target == nullptr) continue;
        const std::string name = target->control;
        if (name == "@mark" || name == "@move") continue;  // map fields and doors of a game
        state::G().tutorialStep = step;
        const logic::TutorialPanelView view = logic::TutorialStepView(step);
        screens::TutorialPanel* panel = screens.Tutorial().PanelOf(view.screen);
        ASSERT_NE(panel, nullptr) << "step " << step;
        screens.Tutorial().ShowStep(view);
        platform::Control* control = name == "@continue"
                                         ? panel->ContinueButton()
                                         : panel->PanelControl()->Parent()->Find(name);
        ASSERT_NE(control, nullptr) << "step " << step << ": " << name;
        const platform::Rect c = control->ScreenBounds();
        const platform::Rect p = panel->Pointer()->ScreenBounds();
        EXPECT_FALSE(panel->Pointer()->FileName().empty()) << "step " << step;
        EXPECT_TRUE(p.x == c.x + c.w || p.x + p.w == c.x)
            << width << "x" << height << " step " << step << ": " << name;
        EXPECT_TRUE(p.y < c.y + c.h && c.y < p.y + p.h)
            << width << "x" << height << " step " << step << ": " << name;
    }
    state::G().tutorialOn = false;
}

TEST(TutorialPanels, EveryPointerStandsBesideTheControlItsStepNames) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    CheckPointers(1440, 900);
    CheckPointers(1024, 768);
}

}  // namespace
