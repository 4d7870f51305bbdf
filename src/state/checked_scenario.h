// Loading a scenario the player brought: its files are read and set up in a trial copy of the
// game state and checked like a saved game (ScenarioFault) before they replace the running
// game's tables.
#pragma once

#include <string>

#include "state/game_state.h"
#include "state/scenario_files.h"

namespace state {

// LoadScenario into a copy of g; g takes the copy only when the files loaded and every value
// lies in its range. A refused scenario comes back as an ioError with the text "The scenario
// "NAME" could not be loaded: FAULT.", and g is left exactly as it was.
LoadResult LoadCheckedScenario(const std::string& moduleName, const ScenarioSetupHook& setup,
                               GameState& g = G());

}  // namespace state
