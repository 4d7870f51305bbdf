// The start values every scenario shares, applied after its files are read, and the choice of
// difficulty.
#pragma once

#include "state/game_state.h"

namespace state {

// The values stored for each difficulty button, "Very easy" to "God-like".
inline constexpr Int kDifficultyValues[7] = {1, 3, 5, 7, 9, 10, 12};
inline constexpr const char* kDifficultyCaptions[7] = {
    "Very easy", "Easy", "Medium-Easy", "Medium", "Medium-Difficult", "Difficult", "God-like"};

// Troop types, battle plans, default names, and per lord the hero, gold, range, army and the
// castle field's owner. Lords whose castle lies off the map get no castle field.
void ScenarioSetup(GameState& g = G());

// Every lord that takes part gets this difficulty value.
void SetDifficulty(Int value, GameState& g = G());

}  // namespace state
