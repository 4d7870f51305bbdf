// A scenario's readable sources and the game state they stand for.
//
// A source folder holds scenario.json (texts, values, lords, sites), map.txt (the terrain,
// castles and site letters, see map_text.h), monsters.json and items.json. Compile reads the
// folder into the tables the four scenario files carry; Decompile writes a folder back from
// those tables, so that compiling it again gives the same bytes.
#pragma once

#include <set>
#include <string>

#include "map_text.h"
#include "state/game_state.h"

namespace scenarios {

// Fills g (which must be freshly reset) from the folder and checks that the scenario can be
// played (playable_checks.h); throws SourceError with the file,
// line and reason of the first fault.
void ReadSources(const std::string& sourceDir, state::GameState& g);

// Writes the folder's four source files for the tables in g.
void WriteSources(const state::GameState& g, const std::string& outDir);

// Every picture file the tables name: monster pictures and their "_red" forms, item pictures
// and the "_g" forms of the weapons, and the preview picture of the map.
void CollectPictureNames(const state::GameState& g, std::set<std::string>& names);

// The map-site kinds by their names in scenario.json.
int SiteKindByName(const std::string& name);  // 0 when unknown
std::string SiteKindName(int kind);

}  // namespace scenarios
