// The theme introduction shown when a new game starts: a text, up to three framed pictures and
// the goal of the scenario.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "rules/view_hooks.h"

namespace screens {

class ScreenServices;

class TFIntro3 final : public platform::Form {
  public:
    explicit TFIntro3(ScreenServices& screens);
    // Fills the texts and pictures; a picture without a name is hidden with its frame.
    void Fill(const logic::ThemeIntro& intro);
    // The transcript shows the text, the goal and the pictures shown.
    std::vector<std::pair<std::string, std::string>> Describe() override;

  private:
    platform::Label* text_ = nullptr;
    platform::Label* goal_ = nullptr;
    std::array<platform::Panel*, 3> frames_{};
    std::array<platform::Picture*, 3> pictures_{};
};

}  // namespace screens
