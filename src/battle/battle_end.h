// How a battle ends and what follows: the end test after every strike, and the settling of the
// armies, tiles and castles once the battle is over.
#pragma once

#include "battle/battle_sides.h"

namespace logic {

// After every strike of the human and every enemy round: a draw, a lost or a won battle ends it.
void CheckBattleEnd();

// Once the battle is over: timers off, the soulstone, the counts back into the armies, the
// armies home, the storming of a castle, the conquest of a city; then the map and the turn.
void AfterBattle();

// The soulstone of the side's lord: a quarter of each slot's fallen units (at least one for a
// slot that lost any) rises and joins the side; the flag is used up. The army still holds the
// counts from before the battle.
void RaiseSoulstoneDead(BattleRecord& side);

}  // namespace logic
