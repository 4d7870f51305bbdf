// A screen's tutorial panel: the step's title, text and action line, a "Hide" button that folds
// it into a small "Show tutorial" button, an "Exit" button that ends the tutorial after asking,
// and a pointer picture that blinks while the tutorial is on.
#pragma once

#include <functional>
#include <string>

#include "platform/form.h"
#include "screens/services.h"

namespace screens {

class TutorialPanel {
  public:
    // hideName, showName and exitName are the screen's own names of the three buttons.
    TutorialPanel(platform::Control& parent, Services& services, int x, int y, int w, int h,
                  const std::string& hideName, const std::string& showName,
                  const std::string& exitName);

    void SetStep(const std::string& title, const std::string& text, const std::string& action);
    // Shows the panel and starts the pointer blinking.
    void Activate();
    // Hides panel, small button and pointer, and stops the blinking.
    void Deactivate();
    void PlacePointer(const std::string& picture, int x, int y);

    // Called by "Exit" (the owner asks the question and ends the tutorial).
    std::function<void()> onExit;

    platform::Panel* PanelControl() { return panel_; }
    platform::SpeedButton* ShowButton() { return show_; }

  private:
    platform::Panel* panel_;
    platform::Label* title_;
    platform::Label* text_;
    platform::Label* action_;
    platform::SpeedButton* show_;
    platform::Picture* pointer_;
    platform::Timer blink_;
};

}  // namespace screens
