// The timers of an interactive battle: the battle clock that brings an enemy round every 10
// ticks of 400 ms, the command cool-down after an order, the flashes of the coats of arms, the
// pause button, and the pause of both around a dialog of the rules. The screens own the timers
// and call the tick procedures here; the rules keep the counts in the game state.
#pragma once

#include <string>

#include "rules/battle_view.h"

namespace logic {

inline constexpr int kTicksPerEnemyRound = 10;
inline constexpr int kCommandDelayTicks = 10;
inline constexpr const char* kPausedPicture = "m1_pause_g.jpg";
inline constexpr const char* kRunningPicture = "m1_pause.jpg";

// One tick of the battle clock (400 ms).
void BattleClockTick();
// One tick of the command cool-down (CommandDelayTimer, 400 ms).
void CommandDelayTick();
// The 250 ms flash of a side's coat of arms is over.
void FlashTick(BattleSideId side);
// The pause button: stops the clock and a running cool-down, or starts them again.
void TogglePause();

// The cool-down after an order: buttons off, hourglasses shown, cool-down from 0, clock on.
void StartCommandDelay();
// The clock stopped with its count at 0, no cool-down, hourglasses hidden (a new battle).
void ResetBattleClock();
// Every battle timer off (the battle is over).
void StopBattleTimers();

// The order buttons as they stand outside a cool-down: Flank only while neither side has a
// castle bonus, the duel only while it has not been used.
void EnableOrderButtons();

// The coat of arms of a side, plain or in its "_r" variant while it is hit.
std::string CoatOfArms(BattleSideId side, bool hit);
// A side's coat of arms shows its "_r" variant and is restored 250 ms later.
void FlashCoatOfArms(BattleSideId side);

// Stop the clock and the cool-down while the rules show a dialog during a battle, and restart
// what ran when it closes. Pairs nest; only the outermost pair stops and restarts.
void PauseBattleForDialog();
void ResumeBattleAfterDialog();

// Pauses the battle for the lifetime of the object.
class BattleDialogPause {
  public:
    BattleDialogPause() { PauseBattleForDialog(); }
    ~BattleDialogPause() { ResumeBattleAfterDialog(); }
    BattleDialogPause(const BattleDialogPause&) = delete;
    BattleDialogPause& operator=(const BattleDialogPause&) = delete;
};

}  // namespace logic
