// The automatic battle between two computer lords: no display, settled at once.
#pragma once

namespace logic {

inline constexpr int kAutoBattleRounds = 1001;

// Rounds on the two sides already filled: BattleOwnSide is the mover (command sets of
// BattleOrdersOwn), BattleFoeSide the other lord (BattleOrdersFoe). Ends when a side retreats to
// its castle or a side is empty; after the last round both lords' armies go home. The counts
// stay in the sides.
void AutoBattleRounds();

// The whole automatic battle of moverLord against otherLord: fills the sides from the armies,
// runs the rounds and writes the counts back.
void AutoBattle(int moverLord, int otherLord);

}  // namespace logic
