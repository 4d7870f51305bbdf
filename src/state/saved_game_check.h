// What a saved game must hold for the game to go on once it is loaded: the single values in
// their ranges, the lords' castles and armies on the map, owners and troop counts in range.
// Values that the rules check where they use them (room kinds, item numbers, ...) are not
// looked at here.
#pragma once

#include <string>

#include "state/game_state.h"

namespace state {

// Empty when the game can be played on from these tables; otherwise what is wrong, in words a
// player can read ("the current lord is 99, not a lord from 1 to 4").
std::string SavedGameFault(const GameState& g);

}  // namespace state
