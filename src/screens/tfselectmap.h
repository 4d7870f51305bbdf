// The scenario list: two pages of scenarios with their availability pictures, and a box for a
// custom scenario typed by file name.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class GameScreens;

class TFSelectMap final : public platform::Form {
  public:
    explicit TFSelectMap(GameScreens& screens);

    // The main menu's preparation: first page, "Next...".
    void Reset();
    void RefreshAvailability();
    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    void ChooseScenario(int index);
    void PlayCustom();
    // Loads base name, fills the sheet and shows it; number 0 takes the map's theme.
    void LoadAndShowSheet(const std::string& baseName, int number, const std::string& picture);
    void TogglePage();

    GameScreens& screens_;
    platform::Panel* page1_;
    platform::Panel* page2_;
    platform::SpeedButton* pageButton_;
    platform::Edit* customName_;
    std::array<platform::Picture*, 8> availability_{};
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
