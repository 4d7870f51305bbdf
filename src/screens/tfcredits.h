// The credits: who made the game and the libraries it is built on, with their licences.
#pragma once

#include "platform/form.h"

namespace screens {

class ScreenServices;

class TFCredits final : public platform::Form {
  public:
    explicit TFCredits(ScreenServices& screens);
};

}  // namespace screens
