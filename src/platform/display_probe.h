// What the display server says about the game's window rather than what was asked of it:
// whether a window manager runs (one that will act on a request for full screen) and where the
// inside of the window really is. Answers only on X11; elsewhere nothing is known.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/control.h"

namespace platform {

// Whether a window manager looks after the windows of the window's screen.
std::optional<bool> WindowManagerRunning(SDL_Window* window);

// The window's inside in screen coordinates, as the server has it now.
std::optional<Rect> RealWindowArea(SDL_Window* window);

}  // namespace platform
