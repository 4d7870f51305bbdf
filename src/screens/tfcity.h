// The city screen: the city's standing and garrison, and the buttons to attack, trade, collect
// taxes, visit the guild shop or leave.
#pragma once

#include <array>
#include <memory>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;

class TFCity final : public platform::Form {
  public:
    explicit TFCity(ScreenServices& screens);
    // Shows the screen for a city site modally; returns logic::kCityAttack when the player chose
    // to attack, else 0.
    int Open(int site);

    TutorialPanel& Tutorial() { return *tutorial_; }
    // Shows the city's standing and garrison again; the city shown is Site().
    void Refresh();
    int Site() const { return site_; }

  private:
    int site_ = 0;
    platform::Label* title_ = nullptr;
    platform::Label* soldiers_ = nullptr;
    platform::Label* archers_ = nullptr;
    platform::SpeedButton* attack_ = nullptr;
    platform::SpeedButton* trade_ = nullptr;
    platform::SpeedButton* taxes_ = nullptr;
    platform::SpeedButton* buyItems_ = nullptr;
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
