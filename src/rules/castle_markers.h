// Which castle pictures Castle_Player1..4 stand on the map, and on which fields.
#pragma once

namespace logic {

struct CastleMarker {
    int x = 0;
    int y = 0;
    bool visible = false;
};

// The castle picture of a lord: on the castle's field while the lord is in the game and its
// castle lies on the map, hidden otherwise.
CastleMarker CastleMarkerAt(int lord);

// Places all four castle pictures through the map view.
void PlaceCastleMarkers();

}  // namespace logic
