// The theme screens as the event rules reach them: the introduction window and the theme boxes
// of the strategic window.
#pragma once

#include "rules/view_hooks.h"

namespace screens {

class TFCampaign1;
class TFIntro3;

class ThemeBridge final : public logic::ThemeScreens {
  public:
    ThemeBridge(TFIntro3& intro, TFCampaign1& campaign);
    ~ThemeBridge() override;
    void ShowIntro(const logic::ThemeIntro& intro) override;
    void SetupBoxes(const logic::ThemeBoxes& boxes) override;
    void SetNumbers(int counter, int troop) override;

  private:
    TFIntro3& intro_;
    TFCampaign1& campaign_;
};

}  // namespace screens
