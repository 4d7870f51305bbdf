// The trading screen: the lord's resources, the prices, and buying and selling one unit.
#pragma once

#include <array>

#include "platform/form.h"

namespace logic {
struct TradeOffer;
}

namespace screens {

class ScreenServices;
class TFCampaign1;

class TFTrading final : public platform::Form {
  public:
    TFTrading(ScreenServices& screens, TFCampaign1& campaign);
    // Shows the screen modally with these prices and stocks (left as they are afterwards).
    void Open(logic::TradeOffer& offer);

  private:
    void Refresh();
    ScreenServices& screens_;
    TFCampaign1& campaign_;
    logic::TradeOffer* offer_ = nullptr;
    std::array<platform::Label*, 4> amounts_{};
    std::array<platform::Label*, 4> prices_{};
    std::array<platform::SpeedButton*, 4> buy_{};
    std::array<platform::SpeedButton*, 4> sell_{};
};

}  // namespace screens
