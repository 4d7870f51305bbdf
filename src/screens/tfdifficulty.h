// The choice of difficulty before a new game.
#pragma once

#include <array>
#include <memory>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;

class TFDifficulty final : public platform::Form {
  public:
    explicit TFDifficulty(ScreenServices& screens);
    // Enables the first n buttons for the unlocked difficulty n (all from 7 on).
    void Prepare();

    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    ScreenServices& screens_;
    std::array<platform::SpeedButton*, 7> buttons_{};
    std::array<platform::Picture*, 7> pictures_{};
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
