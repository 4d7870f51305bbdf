// The main menu.
#pragma once

#include <memory>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class GameScreens;

class TForm2 final : public platform::Form {
  public:
    explicit TForm2(GameScreens& screens);

    // Start-up's layout step: the lower Quit panel and the two side pictures.
    void LayOut();
    TutorialPanel& Tutorial() { return *tutorial_; }
    void HideTutorial();

  private:
    GameScreens& screens_;
    platform::Panel* quitPanel_;
    platform::Picture* image30_;
    platform::Picture* image31_;
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
