// Clearing the game state before a new game or before a saved game is loaded.
#pragma once

#include "state/game_state.h"

namespace state {

// Clears the tables of a game in the game's fixed order and sets the single values to the start
// of a game (CurrentLord and DungeonLord 1). Strings are left alone: the scenario and saved-game
// loaders overwrite them.
void ResetGameState(GameState& g = G());

}  // namespace state
