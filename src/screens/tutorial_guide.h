// The tutorial on the screens: each step's panel on its screen with the pointer at the control
// the step names, the extra panels, and every panel hidden when the tutorial ends.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/control.h"
#include "rules/view_hooks.h"

namespace screens {

class TutorialPanel;

// An extra panel (item kinds, item example, battle orders): the panel and its heading.
struct TutorialExtraPanel {
    platform::Control* panel = nullptr;
    platform::Label* heading = nullptr;
    std::function<void()> refresh;  // fills what the panel shows from the tables, if anything
};

class TutorialGuide final : public logic::TutorialSteps {
  public:
    void Register(logic::TutorialScreen screen, TutorialPanel* panel);
    void RegisterExtra(logic::TutorialExtra extra, const TutorialExtraPanel& panel);
    // Where a strategic step's map field lies on the screen (the map's own geometry).
    std::function<platform::Rect(int x, int y)> mapFieldArea;
    // The dungeon's move frame the tutorial points at (a door into a room), or nullptr.
    std::function<platform::Control*()> dungeonMoveTarget;

    void ShowStep(const logic::TutorialPanelView& view) override;
    void HideAll() override;

    TutorialPanel* PanelOf(logic::TutorialScreen screen) const;

  private:
    void Point(TutorialPanel& panel, const logic::TutorialPanelView& view);

    std::map<logic::TutorialScreen, TutorialPanel*> panels_;
    std::map<logic::TutorialExtra, TutorialExtraPanel> extras_;
};

// The control a step's pointer marks on its screen, and whether it is the "click here" hand.
// Names starting with '@' are places the guide computes: "@mark" the map field of the step,
// "@continue" the panel's "Continue", "@move" the dungeon's door to walk through.
struct TutorialPointerTarget {
    const char* control;
    bool click;
};
const TutorialPointerTarget* FindTutorialPointer(int step);

}  // namespace screens
