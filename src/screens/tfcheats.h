// The cheat menu, behind the options' hidden picture.
#pragma once

#include "platform/form.h"

namespace screens {

class GameScreens;

class TFCheats final : public platform::Form {
  public:
    explicit TFCheats(GameScreens& screens);

  private:
    void Done();
    GameScreens& screens_;
};

}  // namespace screens
