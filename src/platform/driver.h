// Input as a script or a test gives it, and pictures of the screen: the console, the explorer
// and the tests drive the program through this, the player through the real window. Both reach
// the same handlers of the application.
#pragma once

#include <string>

#include "platform/application.h"

namespace platform {

class Driver {
  public:
    explicit Driver(Application& app) : app_(app) {}

    void ClickControl(Control& control, MouseButton button = MouseButton::Left) {
        app_.ClickControl(control, button);
    }
    void DoubleClickControl(Control& control) { app_.DoubleClickControl(control); }
    void HoverControl(Control& control) { app_.HoverControl(control); }
    void TypeText(Edit& edit, const std::string& text) { app_.TypeText(edit, text); }
    // A close request from the window frame or Escape, to the form that takes input.
    void RequestClose() { app_.RequestClose(); }
    void PressEnterEscape(bool enter) { app_.PressEnterEscape(enter); }
    // A key by its name as platform/key_names.h spells it ("Right", "Keypad 8", "F1").
    void PressKey(const std::string& name) { app_.PressKey(name); }
    // Draws the canvas now and writes it as PNG.
    bool Screenshot(const std::string& path, std::string& error) {
        return app_.Screenshot(path, error);
    }
    ImagePtr ShownPicture() const { return app_.ShownPicture(); }

  private:
    Application& app_;
};

}  // namespace platform
