// The one-time warnings at the start of a human turn.
#pragma once

namespace logic {

// The enemy-close warning (once per lord per game). The low-health warning belongs to the
// dungeon screen and runs after every move there (dungeon/exploration.h, LowHealthHint).
void TurnStartHints();

}  // namespace logic
