// What a saved game or a scenario must hold for the game to go on from it: every stored value
// in its range (state/value_ranges.h), and the values that only make sense together: a lord in
// the game, the current lord among them, the items a hero carries in the catalogue. Values that the
// rules check where they use them as well (room kinds, item numbers, ...) are checked here too, so
// a file that passes can be played.
#pragma once

#include <string>

#include "state/game_state.h"

namespace state {

// Empty when the game can be played on from these tables; otherwise what is wrong, in words a
// player can read ("the current lord is 99, not a lord from 1 to 4").
std::string SavedGameFault(const GameState& g);

// The same for a scenario once its files are in and the start values set, before the player
// chooses a side.
std::string ScenarioFault(const GameState& g);

}  // namespace state
