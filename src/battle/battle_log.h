// The battle panel's account of the last strikes: a line for each kind that struck, such as
// "Your archers strike: 2 enemy soldiers fall", the newest last.
#pragma once

#include <string>
#include <vector>

#include "battle/strike.h"

namespace logic {

// How many strikes the panel shows.
inline constexpr std::size_t kBattleLogLines = 4;

// The line of one strike of the player's side (own) or of the enemy.
std::string StrikeLine(bool own, const StrikeReport& strike);

// Adds the strikes of one side's round to the log, which keeps the last kBattleLogLines.
void LogStrikes(bool own, const std::vector<StrikeReport>& strikes);
void ClearBattleLog();

}  // namespace logic
