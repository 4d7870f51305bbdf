// The names of the strategic map's pictures, built from the game state: field tiles by colour
// prefix and tile code, site and spawn icons, the hourglass, and where armies are drawn.
#pragma once

#include <string>

namespace screens {

// Field picture: prefix 0 "m2_", 1 "m2blue_", 2 "m2green_", 3 "m2red_", 4 "m2cyan_"; code 0 is
// the sea whatever the prefix; a code outside the tables gives the prefix and ".jpg".
std::string TileName(int prefix, int code);

// The icon of a map site of this kind, owner and countdown.
std::string SiteIconName(int kind, int owner, int countdown);

// The icon of a spawn field of this kind (empty for an unknown kind).
std::string SpawnIconName(int kind);

// The hourglass for the moves left.
std::string HourglassName(int movesLeft);

// The hero picture of a lord 1..4 (lord 1's for any other number).
std::string HeroPictureName(int lord);

// Where an army picture goes: full size on its own field, or 35 x 35 in the lord's corner when
// another lord's army shares the field.
struct ArmyPlacement {
    int left, top, size;
};
ArmyPlacement PlaceArmy(int lord, int x, int y, bool shared);

// Where a castle picture goes on its castle's field (x, y) of the map: 8 pixels into the field.
struct PixelPoint {
    int left, top;
};
PixelPoint CastleMarkerPlace(int x, int y);

}  // namespace screens
