// A duel of the hero combat fought outside a dungeon room: the duel of lords in a battle, the
// storming of a castle and the challenges at special places all fill the set-piece opponent
// (MonsterTable row 0 and MonsterText row 0) and then fight it here.
#pragma once

namespace logic {

// The set-piece opponents of the theme places.
enum class SetPiece : int {
    ancientDragon = 1,
    orcChieftain = 2,
    lichLord = 3,
    efreet = 4,
    vampire = 5,
    evilSorcerer = 6,
};

// Lord `lord`'s hero fights the opponent in MonsterTable row 0: DungeonLord becomes `lord`, the
// hero's Health is restored to BaseMaxHealth + ItemHealthBonus, StartDuel(0) runs and the duel
// screen is shown modally until the duel ends. True when the hero won (OppHealth below 1).
bool RunSetPieceDuel(int lord);

// The same for any MonsterTable row 0..100 (the arena's opponents come from the catalogue).
bool RunDuelAgainst(int lord, int monster);

// Fills the set-piece opponent (MonsterTable and MonsterText row 0) and lets the lord's hero
// fight it with full health. True when the hero won.
bool StartSetPieceDuel(int lord, SetPiece opponent);

}  // namespace logic
