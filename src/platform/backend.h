// What lies under the application: a real window, or nothing (headless). Internal to the
// platform layer.
#pragma once

#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/image.h"

namespace platform {

class Canvas;

struct InputEvent {
    enum Type {
        MouseMove,
        MouseDown,
        MouseUp,
        Text,
        Key,
        CloseRequest,
        ToggleWindowed,
        Redraw,
        Wake
    };
    Type type = Wake;
    int x = 0, y = 0;  // canvas coordinates
    MouseButton button = MouseButton::Left;
    int clicks = 1;
    std::string text;
    std::string keyName;  // a Key: the key's name (platform/key_names.h)
    bool repeat = false;  // a Key held down: the system's repetition
};

class Backend {
  public:
    virtual ~Backend() = default;
    virtual bool Init(std::string& error) = 0;
    virtual void DesktopSize(int& width, int& height) = 0;
    // Makes a canvas of this size visible; false when full screen was asked and not had.
    virtual bool ShowCanvas(int width, int height, bool fullScreen) = 0;
    // Shows the canvas; only the given area has changed since the last time.
    virtual void Present(Canvas& canvas, const Rect& changed) = 0;
    // Waits at most waitMs (-1: until something happens) and appends what arrived.
    virtual void Wait(int waitMs, std::vector<InputEvent>& events) = 0;
    // Interrupts a Wait from any thread.
    virtual void Wake() = 0;
    // What the display shows now, where the backend keeps it (the headless mirror); else null.
    virtual ImagePtr Shown() const { return nullptr; }
};

std::unique_ptr<Backend> MakeWindowBackend(const std::string& title);
// mirror: keep a picture of what a window would show after the same presents (tests).
std::unique_ptr<Backend> MakeHeadlessBackend(int desktopWidth, int desktopHeight,
                                             bool mirror = false);

}  // namespace platform
