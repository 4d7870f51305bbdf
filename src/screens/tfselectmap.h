// The scenario list: two pages of scenarios with their availability pictures, and a box for a
// custom scenario typed by file name, with a button for each custom scenario it can find.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "screens/custom_scenarios.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;
class TFPreviewMap;
class TFShowMap;

class TFSelectMap final : public platform::Form {
  public:
    explicit TFSelectMap(ScreenServices& screens);
    // The preview and the scenario sheet, made after this window.
    void Connect(TFPreviewMap& preview, TFShowMap& sheet) {
        preview_ = &preview;
        sheet_ = &sheet;
    }

    // The main menu's preparation: first page, "Next...".
    void Reset();
    void RefreshAvailability();
    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    void ChooseScenario(int index);
    void PlayCustom();
    // Loads base name, fills the sheet and shows it; number 0 takes the map's theme. The sheet
    // presents the theme of the number, or the map's theme when sheetShowsMapTheme is set.
    void LoadAndShowSheet(const std::string& baseName, int number, const std::string& picture,
                          bool sheetShowsMapTheme = false);
    void TogglePage();
    // Puts the titles of the custom box's scenarios on its buttons.
    void RefreshCustomScenarios();
    void PlayListedCustom(int index);

    ScreenServices& screens_;
    TFPreviewMap* preview_ = nullptr;
    TFShowMap* sheet_ = nullptr;
    platform::Panel* page1_;
    platform::Panel* page2_;
    platform::SpeedButton* pageButton_;
    platform::Edit* customName_;
    std::array<platform::Picture*, 8> availability_{};
    // Three columns of five under the custom box; scenarios beyond the fifteenth are reached
    // by typing their name.
    std::array<platform::SpeedButton*, 15> customButtons_{};
    std::vector<CustomScenario> customScenarios_;
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
