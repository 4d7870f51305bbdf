// The cheat menu, behind the options' hidden picture.
#pragma once

#include "platform/form.h"

namespace screens {

class ScreenServices;
class TFAIStatusScreen;
class TFCampaign1;

class TFCheats final : public platform::Form {
  public:
    TFCheats(ScreenServices& screens, TFCampaign1& campaign);
    // The computer lords' status window, made after this one.
    void Connect(TFAIStatusScreen& aiStatus) { aiStatus_ = &aiStatus; }

  private:
    void Done();
    ScreenServices& screens_;
    TFCampaign1& campaign_;
    TFAIStatusScreen* aiStatus_ = nullptr;
};

}  // namespace screens
