// The one-time warnings at the start of a human turn.
#pragma once

namespace logic {

// The enemy-close warning (once per lord per game). The low-health warning belongs to the
// dungeon screen and is staged until the hero's health exists there.
void TurnStartHints();

}  // namespace logic
