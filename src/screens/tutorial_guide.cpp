// The tutorial's panels on the screens, the pointer of each step and the extra panels.
#include "screens/tutorial_guide.h"

#include "screens/tutorial_panel.h"

namespace screens {

namespace {

using logic::TutorialScreen;

struct PointerRow {
    int step;
    TutorialPointerTarget target;
};

// Steps without a row show no pointer.
constexpr PointerRow kPointers[] = {
    {1, {"SpeedButton1", true}},       // "Desert Of Darkness"
    {2, {"SpeedButton1", true}},       // "Start the game"
    {3, {"Image76", false}},           // the hero and his level
    {4, {"SpeedButton2", false}},      // the action buttons (beside the row)
    {5, {"Label2", false}},            // the gold
    {6, {"Image31", false}},           // the troops
    {7, {"@mark", false}},             // the own castle
    {8, {"@mark", false}},             // the enemy castle
    {9, {"@mark", false}},             // the enemy castle
    {10, {"@mark", true}},             // the wood
    {11, {"SpeedButton5", true}},      // "Build"
    {12, {"Image1", true}},            // the barracks
    {13, {"SpeedButton1", true}},      // "Back"
    {14, {"@mark", true}},             // the iron
    {15, {"@mark", true}},             // the dungeon entrance
    {16, {"PlayerImage", false}},      // the hero on the board
    {17, {"HealthPicture", false}},    // the health vessel
    {18, {"XPPicture", false}},        // the experience vessel
    {19, {"RationsLabel", false}},     // the provisions
    {20, {"LeaveButton", false}},      // "Leave"
    {21, {"WeaponSlot", false}},       // weapon and backpack
    {24, {"@continue", true}},         //
    {25, {"KeepButton", true}},        // "Keep for yourself"
    {27, {"@continue", true}},         //
    {28, {"@move", true}},             // the door into a new room
    {29, {"OpponentPicture", false}},  // the enemy
    {30, {"Thrust", false}},           //
    {31, {"Slash", false}},            //
    {32, {"Smash", false}},            //
    {33, {"Strike", false}},           //
    {34, {"Heal", false}},             //
    {35, {"Retreat", false}},          //
    {36, {"Slot1", false}},            // the potion
    {37, {"@continue", true}},         //
    {39, {"@continue", true}},         //
    {41, {"@continue", true}},         //
    {42, {"SpeedButton5", true}},      // "Build"
    {43, {"Image1", true}},            // the barracks
    {44, {"SpeedButton2", true}},      // "Build"
    {45, {"SpeedButton1", true}},      // "Back"
    {46, {"SpeedButton1", true}},      // "Hire"
    {47, {"SpeedButton1", true}},      // hire soldiers
    {48, {"SpeedButton5", true}},      // "Back"
    {49, {"@mark", true}},             // the town
    {50, {"SpeedButton1", true}},      // "Attack && Conquer"
    {51, {"BattleOwnLogo", false}},    // the own coat of arms
    {52, {"BattleFoeHealth", false}},  // the enemy's vessel
    {53, {"BattleFoeLogo", false}},    // the enemy's coat of arms
    {54, {"BattleOwnHeroBonus", false}},
    {55, {"BattleAttack", false}},  // the orders
    {57, {"@continue", true}},
};

// The difficulty screen's pointer blinks while the new game waits for a level.
constexpr int kDifficultyStep = 3;
constexpr const char* kDifficultyTarget = "Diff1Button";

platform::Control* WindowOf(TutorialPanel& panel) {
    platform::Control* c = panel.PanelControl()->Parent();
    return c;
}

}  // namespace

const TutorialPointerTarget* FindTutorialPointer(int step) {
    for (const PointerRow& row : kPointers) {
        if (row.step == step) return &row.target;
    }
    return nullptr;
}

void TutorialGuide::Register(TutorialScreen screen, TutorialPanel* panel) {
    panels_[screen] = panel;
}

void TutorialGuide::RegisterExtra(logic::TutorialExtra extra, const TutorialExtraPanel& panel) {
    extras_[extra] = panel;
}

TutorialPanel* TutorialGuide::PanelOf(TutorialScreen screen) const {
    const auto it = panels_.find(screen);
    return it == panels_.end() ? nullptr : it->second;
}

void TutorialGuide::Point(TutorialPanel& panel, const logic::TutorialPanelView& view) {
    panel.RemovePointer();
    const TutorialPointerTarget* target = FindTutorialPointer(view.step);
    if (target == nullptr) return;
    const std::string name = target->control;
    if (name == "@mark") {
        if (view.markX != 0 && mapFieldArea)
            panel.PointAtArea(mapFieldArea(view.markX, view.markY), target->click);
        return;
    }
    platform::Control* control = nullptr;
    if (name == "@continue") {
        control = panel.ContinueButton();
    } else if (name == "@move") {
        control = dungeonMoveTarget ? dungeonMoveTarget() : nullptr;
    } else {
        control = WindowOf(panel)->Find(name);
    }
    if (control != nullptr) panel.PointAt(*control, target->click);
}

void TutorialGuide::ShowStep(const logic::TutorialPanelView& view) {
    for (auto& [screen, panel] : panels_) {
        const bool mine = screen == view.screen ||
                          (screen == TutorialScreen::choice && view.screen == TutorialScreen::city);
        if (mine) {
            panel->SetStep(view.title, view.text, view.action);
            panel->SetContinueVisible(view.continueShown);
            Point(*panel, view);
            panel->Activate();
        } else if (screen == TutorialScreen::difficulty && view.step == kDifficultyStep) {
            panel->SetStep(logic::kTutorialDifficultyTitle, logic::kTutorialDifficultyText, "");
            panel->SetContinueVisible(false);
            panel->RemovePointer();
            if (platform::Control* c = WindowOf(*panel)->Find(kDifficultyTarget))
                panel->PointAt(*c, true);
            panel->Activate();
        } else {
            panel->Deactivate();
        }
    }
    for (auto& [extra, panel] : extras_) {
        const bool shown = extra == view.extra;
        if (shown && panel.heading != nullptr) panel.heading->SetCaption(view.text);
        if (shown && panel.refresh) panel.refresh();
        panel.panel->SetVisible(shown);
        if (shown) panel.panel->BringToFront();
    }
}

void TutorialGuide::HideAll() {
    for (auto& [screen, panel] : panels_)
        panel->Deactivate();
    for (auto& [extra, panel] : extras_)
        panel.panel->Hide();
}

}  // namespace screens
