#include "platform/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace platform {

Rect WindowedArea(const Rect& usable, const FrameSize& frame, int canvasW, int canvasH) {
    const int roomW = std::max(1, usable.w - frame.left - frame.right);
    const int roomH = std::max(1, usable.h - frame.top - frame.bottom);
    canvasW = std::max(1, canvasW);
    canvasH = std::max(1, canvasH);
    Rect area;
    if (roomW >= canvasW && roomH >= canvasH) {
        area.w = canvasW;
        area.h = canvasH;
    } else if (std::int64_t{roomW} * canvasH <= std::int64_t{roomH} * canvasW) {
        // The width is what limits: the full width, the height of the canvas's shape.
        area.w = roomW;
        area.h =
            static_cast<int>(std::max<std::int64_t>(1, std::int64_t{roomW} * canvasH / canvasW));
    } else {
        area.h = roomH;
        area.w =
            static_cast<int>(std::max<std::int64_t>(1, std::int64_t{roomH} * canvasW / canvasH));
    }
    // Centred with its frame in the free part of the display.
    const int outerW = area.w + frame.left + frame.right;
    const int outerH = area.h + frame.top + frame.bottom;
    area.x = usable.x + std::max(0, (usable.w - outerW) / 2) + frame.left;
    area.y = usable.y + std::max(0, (usable.h - outerH) / 2) + frame.top;
    return area;
}

bool CoversDisplay(const Rect& window, const Rect& display) {
    return window.x == display.x && window.y == display.y && window.w == display.w &&
           window.h == display.h;
}

}  // namespace platform
