// The game's own icon for the desktop's menus and task bars: a lord's shield with a castle on a
// parchment tile, written as PNG with transparent corners at the usual icon sizes.
#pragma once

#include <string>
#include <vector>

#include "raster.h"

namespace gendata {

// The sizes the desktop looks for under hicolor/<size>x<size>/apps/.
inline constexpr int kAppIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

struct AppIcon {
    Image colour;
    Image alpha;  // coverage in r, g and b alike: 0 transparent, 1 opaque
};

// The icon at `size` pixels square: painted large once and reduced, so that the small sizes
// are the same picture and not a coarser painting.
AppIcon PaintAppIcon(int size);

// Writes DIR/hicolor/<size>x<size>/apps/marchholt.png for every size.
bool WriteAppIcons(const std::string& dir, std::string& error);

}  // namespace gendata
