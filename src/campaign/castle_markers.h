// Where the castle pictures Castle_Player1..4 stand on the map.
#pragma once

namespace logic {

struct MarkerPlace {
    int left = 0;
    int top = 0;
    bool visible = false;
};

// The castle picture of a lord: shown at (castleX * 50 - 42, castleY * 50 - 42) while the lord
// is in the game and its castle lies on the map, hidden otherwise.
MarkerPlace CastleMarkerPosition(int lord);

// Places all four castle pictures through the map view.
void PlaceCastleMarkers();

}  // namespace logic
