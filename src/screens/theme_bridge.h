// The theme screens as the event rules reach them: the introduction window and the theme boxes
// of the strategic window.
#pragma once

#include "rules/view_hooks.h"

namespace screens {

class GameScreens;

class ThemeBridge final : public logic::ThemeScreens {
  public:
    explicit ThemeBridge(GameScreens& screens);
    ~ThemeBridge() override;
    void ShowIntro(const logic::ThemeIntro& intro) override;
    void SetupBoxes(const logic::ThemeBoxes& boxes) override;
    void SetNumbers(int counter, int troop) override;

  private:
    GameScreens& screens_;
};

}  // namespace screens
