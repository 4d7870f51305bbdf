// How attractive a map tile is to a computer lord: castles, spawn fields, cities and theme
// sites, enemy armies and the castle range.
#pragma once

namespace logic {

// The sum of count x health over a city's garrison (four kinds, no special); 0 for a site row
// outside 1..10.
int GarrisonStrength(int site);

// The value of (x, y) for lord; 0 off the map.
int TileValue(int lord, int x, int y);

}  // namespace logic
