// A tiny 5 x 7 pixel font for the captions of the contact sheets.
#pragma once

#include <string>

#include "raster.h"

namespace gendata {

// Writes text (upper-cased) with its top-left corner at (x, y), `scale` pixels per font pixel.
void DrawText(Image& img, int x, int y, const std::string& text, Rgb colour, int scale = 1);
inline int TextWidth(const std::string& text, int scale = 1) {
    return static_cast<int>(text.size()) * 6 * scale;
}

}  // namespace gendata
