// The hire screen: one unit of a troop kind per click.
#pragma once

#include <array>
#include <memory>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;
class TFCampaign1;

class TFHireTroops final : public platform::Form {
  public:
    TFHireTroops(ScreenServices& screens, TFCampaign1& campaign);
    // Fills prices and pictures and shows the screen modally.
    void Open();

    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    void Fill();
    ScreenServices& screens_;
    TFCampaign1& campaign_;
    std::array<platform::Picture*, 5> pictures_{};
    std::array<platform::SpeedButton*, 5> buttons_{};
    std::array<platform::Label*, 5> names_{};
    std::array<platform::Label*, 5> descriptions_{};
    std::array<platform::Label*, 5> prices_{};
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
