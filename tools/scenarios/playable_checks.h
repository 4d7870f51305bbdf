// The checks that make a compiled scenario playable: castles and sites on walkable fields,
// every taking-part lord able to reach the others by land, and the theme places its events need.
#pragma once

#include <string>

#include "map_text.h"
#include "state/game_state.h"

namespace scenarios {

// What one theme's events need on the map (theme sites are the map sites of kind -1, -2, -3).
struct ThemeSiteRule {
    bool needsMain;        // an event place of kind -1
    int secondaryAtLeast;  // how many places of kind -2 or -3 it needs
    bool secondaryUsed;    // whether places of kind -2 and -3 do anything in this theme
    bool besideCity;       // every theme place must stand next to a city (it stops its taxes)
};

// The rule of theme 0 to 19; any other number has no theme places.
ThemeSiteRule ThemeSitesFor(int theme);

// Throws SourceError naming the file, line and reason of the first fault. `map` is the parsed
// map.txt the tables were filled from, `scenarioJson` the text of scenario.json (both only
// place the messages).
void CheckPlayable(const state::GameState& g, const MapText& map, const std::string& scenarioJson);

}  // namespace scenarios
