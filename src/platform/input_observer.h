// What the player does in the real window, told to an observer as it reaches the forms (the
// console's and the tests' simulated input is not told).
#pragma once

#include <string>

#include "platform/control.h"

namespace platform {

class InputObserver {
  public:
    virtual ~InputObserver() = default;
    // The message loop is about to wait for the player.
    virtual void WaitingForInput() {}
    // Before a mouse button goes down over control (an enabled control, or the form itself) on
    // the form that takes input; clicks is 2 for the second press of a double-click.
    virtual void Pressed(Control& control, MouseButton button, int clicks) = 0;
    // Before a mouse button comes up over control; overPressed: it is the control the button
    // went down on, so a left button clicks it.
    virtual void Released(Control& control, MouseButton button, bool overPressed) = 0;
    // After typed text or an editing key has reached the control that has the keyboard.
    virtual void Edited(Control& control) = 0;
    // Before Enter or Escape reaches the form that takes input.
    virtual void EnterEscape(bool enter) = 0;
    // Before any other key reaches the form that takes input (by its name, platform/key_names.h).
    virtual void KeyPressed(const std::string& /*name*/) {}
    // Before the window's close request reaches the form that takes input.
    virtual void CloseRequested() = 0;
};

}  // namespace platform
