// Every window of the game, opened headless on both canvas sizes: no control outside its window,
// no two buttons on top of each other, every caption whole in its control's font, and every
// window named in this test (a new window must be added to the list below).
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/form.h"
#include "rules/tutorial_steps.h"
#include "screens/battle_panel.h"
#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "screens/tfkeylist.h"
#include "screens/tfsaveload.h"
#include "screens/tutorial_guide.h"
#include "screens/tutorial_panel.h"
#include "state/game_state.h"
#include "state/saved_games.h"
#include "support/game_data.h"
#include "support/headless_app.h"

namespace {

// Every window the program makes, by class name.
const std::set<std::string> kWindows = {
    "TForm1",         "TForm2",         "TFCampaign1",  "TFOptions",
    "TFCheats",       "TFCredits",      "TFSelectMap",  "TFShowMap",
    "TFPreviewMap",   "TFDifficulty",   "TFSaveLoad",   "TFBuildings",
    "TFHireTroops",   "TFTrading",      "TFMessage1",   "TFMessage2",
    "TFMessage3",     "TFMessage4",     "TFMessage5",   "TFMessage6",
    "TFMessage7",     "TFHelpMessage",  "TFGameOver",   "TFModifyBattleCommands",
    "TFIntro3",       "TFCity",         "TFBuyItems",   "TFAIStatusScreen",
    "TForm3",         "TFItemTreasure", "TFItemDetail", "TFItemReplace",
    "TFGoldTreasure", "TFLevelUp",      "TFKeyList",
};

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

std::string Where(const platform::Control& c) {
    std::string path = c.Name();
    for (const platform::Control* p = c.Parent(); p; p = p->Parent())
        path = p->Name() + "." + path;
    return path;
}

// Checks one control and, recursively, its children.
void CheckControl(const platform::Control& parent, platform::Canvas& canvas,
                  std::vector<std::string>& faults) {
    std::vector<const platform::Control*> buttons;
    for (const auto& child : parent.Children()) {
        const platform::Control& c = *child;
        const platform::Rect& r = c.Bounds();
        if (r.x < 0 || r.y < 0 || r.x + r.w > parent.Width() || r.y + r.h > parent.Height()) {
            faults.push_back(Where(c) + " lies outside its parent");
        }
        if (!c.CaptionFits(canvas)) {
            faults.push_back(Where(c) + " caption does not fit: \"" + c.Caption() + "\"");
        }
        if (c.Visible() && std::string(c.Kind()) == "SpeedButton") buttons.push_back(&c);
        CheckControl(c, canvas, faults);
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        for (size_t j = i + 1; j < buttons.size(); ++j) {
            if (Overlap(buttons[i]->Bounds(), buttons[j]->Bounds())) {
                faults.push_back(Where(*buttons[i]) + " overlaps " + Where(*buttons[j]));
            }
        }
    }
}

void CheckForms(testsupport::HeadlessApp& h, const std::string& when, std::set<std::string>& seen,
                std::vector<std::string>& faults) {
    platform::Canvas& canvas = h.App().GetCanvas();
    std::vector<std::string> found;
    for (platform::Form* form : h.App().Forms()) {
        const std::string name = form->ClassName();
        seen.insert(name);
        if (!kWindows.count(name)) faults.push_back(name + " has no entry in this test");
        if (form->Width() > canvas.Width() || form->Height() > canvas.Height()) {
            faults.push_back(name + " is larger than the screen");
        }
        CheckControl(*form, canvas, found);
    }
    for (const auto& f : found)
        faults.push_back(when + f);
}

void CheckEveryWindow(int width, int height) {
    testsupport::HeadlessApp h(true, width, height);
    state::G() = state::GameState{};
    screens::GameScreens screens(h.App(), screens::StartOptions{true, 7});
    // The longest texts the additions show: the round line of a long game in green's turn, and
    // the key list of the strategic window with every key of the map and the battle.
    state::G().round = 99999;
    state::G().currentLord = 2;
    screens.Campaign().DrawStatusBar();
    std::vector<std::string> keys;
    for (const platform::Form::KeyBinding& binding : screens.Campaign().KeyBindings()) {
        std::string line;
        for (const std::string& key : binding.keys)
            line += (line.empty() ? "" : " or ") + key;
        keys.push_back(line + ": " + binding.what);
    }
    for (const char* shared :
         {"Return: the highlighted button", "Escape: close the window or go back",
          "F11: full screen or a window", "F1: this list of keys"})
        keys.push_back(shared);
    screens.KeyList().ShowLines(keys);
    // The battle panel's grid and strikes at their widest, and a save slot's details with the
    // longest shipped title and difficulty.
    screens.Campaign().Battle().ShowTroops(logic::BattleSideId::foe,
                                           {99999, 99999, 99999, 99999, 99999});
    const std::string widest = "Enemy fast melee units strike: 99999 of your special troops fall";
    screens.Campaign().Battle().ShowStrikeLog({widest, widest, widest, widest});
    {
        auto saved = std::make_unique<state::GameState>();
        saved->round = 99999;
        saved->modText[state::ModText::title] = "The Sword of Nara´gul";
        saved->lord[2][state::Lord::controller] = 1;
        saved->lord[2][state::Lord::difficulty] = 9;
        std::string error;
        ASSERT_TRUE(state::SaveGame(state::kAutoSlot, error, *saved)) << error;
        ASSERT_TRUE(state::SaveGame(1, error, *saved)) << error;
        screens.SaveLoad().FillSaveScreen();
        const std::string details =
            "The Sword of Nara´gul - Round 99999 - Green - Medium-Difficult";
        EXPECT_EQ(screens.SaveLoad().Find("LabelDetails1")->Caption().substr(0, details.size()),
                  details);
    }
    std::set<std::string> seen;
    std::vector<std::string> faults;
    CheckForms(h, "", seen, faults);
    // Every tutorial panel shown at once with its "Continue": the windows that grow by a strip
    // must still fit, and the panels must not cover a button.
    for (screens::TutorialPanel* panel : screens.TutorialPanels()) {
        panel->SetContinueVisible(true);
        panel->Activate();
    }
    CheckForms(h, "with the tutorial: ", seen, faults);
    // Every step's title, text and action line fit the panel of the step's screen.
    platform::Canvas& canvas = h.App().GetCanvas();
    for (int step = 1; step <= logic::kTutorialLastStep; ++step) {
        const logic::TutorialPanelView view = logic::TutorialStepView(step);
        screens::TutorialPanel* panel = screens.Tutorial().PanelOf(view.screen);
        if (panel == nullptr) continue;
        panel->SetStep(view.title, view.text, view.action);
        for (const auto& child : panel->PanelControl()->Children()) {
            if (!child->CaptionFits(canvas)) {
                faults.push_back("step " + std::to_string(step) + ": " + Where(*child) +
                                 " caption does not fit: \"" + child->Caption() + "\"");
            }
        }
    }
    for (const std::string& name : kWindows) {
        if (!seen.count(name)) faults.push_back(name + " was not made");
    }
    std::string all;
    for (const auto& f : faults)
        all += "\n  " + f;
    EXPECT_TRUE(faults.empty()) << width << "x" << height << ":" << all;
}

TEST(WindowLayout, EveryWindowFitsAt1440x900And1024x768) {
    if (!testsupport::RequireGameData("background_1440.jpg")) return;
    CheckEveryWindow(1440, 900);
    CheckEveryWindow(1024, 768);
}

}  // namespace
