// A screen's tutorial panel: the step's title, text and action line, a "Hide" button that folds
// it into a small "Show tutorial" button, an "Exit" button that ends the tutorial after asking,
// an optional "Continue" button, and a pointer picture that blinks while the tutorial is on.
#pragma once

#include <functional>
#include <string>

#include "platform/form.h"
#include "screens/services.h"

namespace screens {

// The names a screen gives the panel's buttons (empty: the panel has no such button).
struct TutorialPanelNames {
    std::string hide, show, exit, next;
};

class TutorialPanel {
  public:
    // A panel at a fixed place of its parent.
    TutorialPanel(platform::Control& parent, Services& services, int x, int y, int w, int h,
                  const TutorialPanelNames& names);
    // A panel in a strip below the window's own controls: the window has the strip while the
    // tutorial runs or the panel is active, and is without it otherwise. A shown window keeps
    // its place and size; the strip comes or goes when the window next opens.
    TutorialPanel(platform::Form& window, Services& services, int stripHeight,
                  const TutorialPanelNames& names);

    void SetStep(const std::string& title, const std::string& text, const std::string& action);
    void SetContinueVisible(bool visible);
    // Shows the panel and starts the pointer blinking (when a pointer is placed).
    void Activate();
    // Hides panel, small button and pointer, and stops the blinking.
    void Deactivate();
    void PlacePointer(const std::string& picture, int x, int y);
    // Points at a control of the same window: the "click" or the "look" hand beside it.
    void PointAt(const platform::Control& target, bool click);
    // Points at an area of the window (target: the control that covers it, if one does).
    void PointAtArea(const platform::Rect& screenArea, bool click,
                     const platform::Control* target = nullptr);
    void RemovePointer();

    // "Exit" (the owner asks the question and ends the tutorial) and "Continue".
    std::function<void()> onExit;
    std::function<void()> onContinue;

    platform::Panel* PanelControl() { return panel_; }
    platform::SpeedButton* ShowButton() { return show_; }
    platform::SpeedButton* ContinueButton() { return next_; }
    platform::Picture* Pointer() { return pointer_; }
    bool Active() const { return active_; }
    bool Blinking() const { return blink_.Enabled(); }
    const std::string& Title() const { return titleText_; }

  private:
    void Build(platform::Control& parent, Services& services, int x, int y, int w, int h,
               const TutorialPanelNames& names);
    // The strip the window should have now; laid out at once while the window is hidden.
    void Grow(bool grown);
    // Lays the window out with or without the strip.
    void LayOut(bool grown);

    platform::Control* parent_ = nullptr;
    platform::Form* window_ = nullptr;  // the window that grows by the strip, if any
    int baseHeight_ = 0;
    int stripHeight_ = 0;
    bool grown_ = false;
    platform::Panel* panel_ = nullptr;
    platform::Label* title_ = nullptr;
    platform::Label* text_ = nullptr;
    platform::Label* action_ = nullptr;
    platform::SpeedButton* show_ = nullptr;
    platform::SpeedButton* next_ = nullptr;
    platform::Picture* pointer_ = nullptr;
    platform::Timer blink_;
    std::string titleText_;
    bool active_ = false;
};

}  // namespace screens
