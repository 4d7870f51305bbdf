// Where the canvas sits in a window of another size: scaled to fit with its aspect kept and
// centred (black bars around it), the mapping of mouse positions back to the canvas, and a
// bilinear scaler that redraws any part of the window from the canvas the same way every time.
#pragma once

#include <cstdint>

#include "platform/control.h"

namespace platform {

struct Viewport {
    int canvasW = 0, canvasH = 0;
    Rect area;  // the canvas's place in the window

    // The largest area of the canvas's aspect that fits the window, centred.
    static Viewport Fit(int canvasW, int canvasH, int windowW, int windowH);
    // The canvas at its own size (no scaling, at most moved by the bars).
    bool Unscaled() const { return area.w == canvasW && area.h == canvasH; }
    // A window position in canvas coordinates (outside the canvas where it is on a bar).
    void ToCanvas(int windowX, int windowY, int& canvasX, int& canvasY) const;
    // The window pixels that show anything of the given canvas area, inside the viewport.
    Rect WindowAreaOf(const Rect& canvasArea) const;
};

// Fills `out` (rows of `outStride` pixels) with the window area `windowArea` (inside
// viewport.area) scaled bilinearly from the canvas pixels `src` (rows of `srcStride` pixels,
// 0xAARRGGBB). Every window pixel depends only on the viewport and the canvas, so redrawing
// any part of the window gives the same pixels as redrawing all of it.
void ScaleArea(const std::uint32_t* src, int srcStride, const Viewport& viewport,
               const Rect& windowArea, std::uint32_t* out, int outStride);

}  // namespace platform
