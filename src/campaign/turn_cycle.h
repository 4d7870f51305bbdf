// The turn cycle of the strategic game: lords 1 to 4 in turn, defeated lords skipped, with the
// per-round updates when the turn passes from the last lord back to lord 1, and the first round
// of a new game.
#pragma once

namespace logic {

// Ends the current lord's turn and starts the next one (a computer lord's whole turn runs here).
void NextLord();

// What the strategic window's timers do when they fire (Timer1 passes a computer turn unless a
// battle is on; Timer3 ends the human's turn 100 ms after the last step).
void Timer1Tick();
void Timer3Tick();

// True only in a human lord's own turn, while it still has moves and no battle, dungeon or
// game end has taken over: the strategic buttons and move targets act only then.
bool HumanMayAct();

// After a saved game has been loaded: the timers that pass a turn are not saved, so a game
// saved in a computer lord's turn, or after the human's last step, passes the turn on as the
// timer would have (Timer1 or Timer3). A human turn with moves left waits for the player.
void ResumeTurn();

// After the difficulty has been chosen: the first spawn fields, the settling rounds of the map
// sites, then the first turn.
void PrepareFirstRound();

}  // namespace logic
