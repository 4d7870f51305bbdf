// The tutorial's panels on the screens: each step shows its screen's panel with a blinking
// pointer at a control of that screen, and ending the tutorial stops every panel's blinking.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Within(const platform::Control& inner, const platform::Control& outer) {
    for (const platform::Control* c = &inner; c != nullptr; c = c->Parent()) {
        if (c == &outer) return true;
    }
    return false;
}

// The visible controls of the panel's window that its pointer covers: buttons, edit boxes,
// radio buttons, labels with a text and pictures that answer the mouse (not the target, what
// holds it or what it holds), and the panel itself.
std::vector<std::string> CoveredBy(screens::TutorialPanel& panel, platform::Control& target) {
    const platform::Rect p = panel.Pointer()->ScreenBounds();
    std::vector<std::string> covered;
    // Pointing into the panel (its "Continue"), the panel's other controls count one by one.
    const bool intoPanel = Within(target, *panel.PanelControl());
    if (!intoPanel && Overlap(p, panel.PanelControl()->ScreenBounds()))
        covered.push_back("the panel");
    std::function<void(platform::Control&)> walk = [&](platform::Control& c) {
        for (const auto& child : c.Children()) {
            platform::Control& k = *child;
            if (!k.Visible() || &k == panel.Pointer()) continue;
            if (!intoPanel && Within(k, *panel.PanelControl())) continue;
            walk(k);
            if (Within(k, target) || Within(target, k)) continue;
            const std::string kind = k.Kind();
            const bool reads = kind == "SpeedButton" || kind == "Edit" || kind == "RadioButton" ||
                               (kind == "Label" && !k.Caption().empty()) ||
                               (kind == "Picture" && k.HitTestable());
            if (reads && Overlap(p, k.ScreenBounds())) covered.push_back(k.Name());
        }
    };
    walk(*panel.PanelControl()->Parent());
    return covered;
}

// The hand of every step stands beside the control the step names, on both canvas sizes, and
// covers nothing else the player must read or click.
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
        platform::Control* window = panel->PanelControl()->Parent();
        // What the step points at is on screen, with the group it stands in (the duel's
        // strokes, the battle's orders), as when the step comes in a game.
        if (name != "@continue") {
            platform::Control* named = window->Find(name);
            ASSERT_NE(named, nullptr) << "step " << step << ": " << name;
            for (platform::Control* c = named; c != nullptr && c != window; c = c->Parent())
                c->Show();
        }
        screens.Tutorial().ShowStep(view);
        platform::Control* control =
            name == "@continue" ? panel->ContinueButton() : window->Find(name);
        ASSERT_NE(control, nullptr) << "step " << step << ": " << name;
        const platform::Rect c = control->ScreenBounds();
        const platform::Rect p = panel->Pointer()->ScreenBounds();
        EXPECT_FALSE(panel->Pointer()->FileName().empty()) << "step " << step;
        // Right or left of it sharing a row, or below or above it sharing a column.
        const bool beside =
            (p.x == c.x + c.w || p.x + p.w == c.x) && p.y < c.y + c.h && c.y < p.y + p.h;
        const bool belowOrAbove =
            (p.y == c.y + c.h || p.y + p.h == c.y) && p.x < c.x + c.w && c.x < p.x + p.w;
        EXPECT_TRUE(beside || belowOrAbove)
            << width << "x" << height << " step " << step << ": " << name;
        // It covers nothing else the player reads or clicks, nor the panel.
        for (const std::string& covered : CoveredBy(*panel, *control))
            ADD_FAILURE() << width << "x" << height << " step " << step << ": the pointer at "
                          << name << " covers " << covered;
    }
    state::G().tutorialOn = false;
}

TEST(TutorialPanels, EveryPointerStandsBesideTheControlItsStepNames) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    CheckPointers(1440, 900);
    CheckPointers(1024, 768);
}

}  // namespace
