// Where the game's window goes on a display: the whole display in full screen, and, in a window,
// the largest size of the canvas's shape (never larger than the canvas) whose frame fits the
// part of the display that panels leave free, centred there.
#pragma once

#include "platform/control.h"

namespace platform {

// The frame a window manager draws around a window, in pixels on each side.
struct FrameSize {
    int top = 0, left = 0, bottom = 0, right = 0;
};

// The inside of the window (what the game draws) for a window of the canvas's shape on the
// usable part of a display. At least 1x1 however small the display.
Rect WindowedArea(const Rect& usable, const FrameSize& frame, int canvasW, int canvasH);

// Whether a window's real inside covers the display: its place and size are the display's.
bool CoversDisplay(const Rect& window, const Rect& display);

}  // namespace platform
