// Where a tutorial pointer stands: beside what it points at (right of it, else left, else below
// or above it), as near its middle as it can, without covering what the player must read or
// click.
#pragma once

#include <optional>
#include <vector>

#include "platform/control.h"

namespace screens {

// The side of the area the pointer stands on; it points the other way.
enum class PointerSide { right, left, below, above };

struct PointerSpot {
    platform::Rect place;  // in the window's units
    PointerSide side = PointerSide::right;
};

// The first spot beside area that lies inside a window of windowW x windowH and covers none of
// the obstacles: right of it, then left, from its middle outwards in steps of a few units, then
// below and above it likewise. A pointer beside the area is pointerW x pointerH, one below or
// above it is turned (pointerH x pointerW). Nothing when every spot covers one. All rectangles in
// the window's units.
std::optional<PointerSpot> FreePointerSpot(const platform::Rect& area, int pointerW, int pointerH,
                                           int windowW, int windowH,
                                           const std::vector<platform::Rect>& obstacles);

// What a pointer must not cover in a window, in screen units: every visible button, edit box,
// radio button, list, label with a text and picture that answers the mouse, except the target,
// what holds it and what it holds, and except the pointer itself.
std::vector<platform::Rect> PointerObstacles(const platform::Control& window,
                                             const platform::Control* target,
                                             const platform::Control& pointer);

// Whether a control is one the player reads or clicks (a button, a text, a picture that answers
// the mouse).
bool PlayerReadsOrClicks(const platform::Control& control);

}  // namespace screens
