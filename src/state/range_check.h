// Checks a game state against the range table (state/value_ranges.h): the first stored value
// outside its range, in words a player can read.
#pragma once

#include <string>

#include "state/game_state.h"
#include "state/value_ranges.h"

namespace state {

// Empty when every value the rows for this kind of file look at lies in its range; otherwise
// the first that does not ("the red lord's army counts -1 troops of one kind").
std::string RangeFault(const GameState& g, FileKind file);

// Whether one of the progress file's values lies in its range.
bool ProgressValueInRange(int value, Int stored);

// "the blue lord" .. "the cyan lord".
std::string LordName(int lord);

}  // namespace state
