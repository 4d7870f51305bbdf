// The main menu.
#pragma once

#include <functional>
#include <memory>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;
class TFCredits;
class TFOptions;

class TForm2 final : public platform::Form {
  public:
    // The game flows behind "Start a new game", "Start the tutorial" and "Load a game".
    struct Flows {
        std::function<void()> newGame;
        std::function<void()> startTutorial;
        std::function<void()> loadGame;
    };
    TForm2(ScreenServices& screens, Flows flows);
    // The options and the credits, made after the main menu.
    void Connect(TFOptions& options, TFCredits& credits) {
        options_ = &options;
        credits_ = &credits;
    }

    // Start-up's layout step: the lower Quit panel and the two side pictures.
    void LayOut();
    TutorialPanel& Tutorial() { return *tutorial_; }
    void HideTutorial();

  private:
    ScreenServices& screens_;
    Flows flows_;
    TFOptions* options_ = nullptr;
    TFCredits* credits_ = nullptr;
    platform::Panel* quitPanel_;
    platform::Picture* image30_;
    platform::Picture* image31_;
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
