// The progress file "GeneralData.int": six 32-bit little-endian integers that outlive a game
// (unlocked scenarios, unlocked difficulty, start count, and the sound, music and hint
// switches, stored as 1 for on and 0 for off).
#pragma once

#include <string>

#include "state/game_state.h"

namespace state {

inline constexpr const char* kProgressFile = "GeneralData.int";

// Reads the six values; a switch is on exactly when its stored value is 1. A missing, unreadable
// or short file turns all three switches on, keeps what it held of the first three values (0
// for the rest) and is written anew at once; a file longer than six values is not read at all
// and counts as unreadable. Returns false with the error text only when that
// rewrite fails; the values are set either way.
bool ReadProgress(std::string& error, GameState& g = G());

// Writes the six values; false and the error text when the file cannot be written.
bool WriteProgress(std::string& error, const GameState& g = G());

}  // namespace state
