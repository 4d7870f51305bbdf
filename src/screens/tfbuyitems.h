// The guild shop of a city: three items for sale, each with its picture and Buy button.
#pragma once

#include <array>

#include "platform/form.h"

namespace screens {

class ScreenServices;

class TFBuyItems final : public platform::Form {
  public:
    explicit TFBuyItems(ScreenServices& screens);
    // Shows the shop of a city site modally.
    void Open(int site);

  private:
    void Refresh();
    int site_ = 0;
    std::array<platform::Picture*, 3> pictures_{};
    std::array<platform::SpeedButton*, 3> buy_{};
};

}  // namespace screens
