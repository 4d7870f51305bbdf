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

// The number of records of a holder in file order, and the value of one of them (records from
// 1: lords 1 to 4, the backpack slots of lord 1 then 2 ..., fields by column then row, rows of
// the other tables); nullptr for a record or slot the holder does not have.
int RecordsOf(Holder holder);
Int* StoredValue(GameState& g, Holder holder, int record, int slot);

// "the blue lord" .. "the cyan lord".
std::string LordName(int lord);

}  // namespace state
