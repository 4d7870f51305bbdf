// A duel of the hero combat fought outside a dungeon room: the duel of lords in a battle, the
// storming of a castle and the challenges at special places all fill the set-piece opponent
// (MonsterTable row 0 and MonsterText row 0) and then fight it here.
#pragma once

namespace logic {

// Lord `lord`'s hero fights the opponent in MonsterTable row 0: DungeonLord becomes `lord`, the
// hero's Health is restored to BaseMaxHealth + ItemHealthBonus, StartDuel(0) runs and the duel
// screen is shown modally until the duel ends. True when the hero won (OppHealth below 1).
bool RunSetPieceDuel(int lord);

// The same for any MonsterTable row 0..100 (the arena's opponents come from the catalogue).
bool RunDuelAgainst(int lord, int monster);

}  // namespace logic
