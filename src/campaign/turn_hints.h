// The one-time warnings at the start of a human turn.
#pragma once

namespace logic {

// The enemy-close warning (once per lord per game). The low-health warning is the dungeon
// screen's, shown after a move there.
void TurnStartHints();

}  // namespace logic
