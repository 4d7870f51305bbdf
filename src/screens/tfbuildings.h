// The castle screen: the nine buildings, a detail panel with a building's text and costs, and
// the "Build" action.
#pragma once

#include <array>
#include <memory>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;
class TFCampaign1;

class TFBuildings final : public platform::Form {
  public:
    TFBuildings(ScreenServices& screens, TFCampaign1& campaign);
    // Refreshes the building pictures, hides the detail panel and shows the screen modally.
    void Open();

    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    void RefreshPictures();
    void ShowDetails(int building);

    ScreenServices& screens_;
    TFCampaign1& campaign_;
    std::array<platform::Picture*, 10> tiles_{};
    platform::Panel* details_;
    platform::Label* name_;
    platform::Label* description_;
    platform::Label* gold_;
    platform::Label* honor_;
    std::array<platform::Picture*, 3> resourcePictures_{};
    std::array<platform::Label*, 3> resourceAmounts_{};
    platform::SpeedButton* build_;
    int selected_ = 0;
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
