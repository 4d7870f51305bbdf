// The theme places of a scenario (map sites of kind -1, -2 and -3): the choice of a place's
// event, the arena's ranks and the mine's yield.
#pragma once

#include <string>

#include "battle/theme_battles.h"
#include "dungeon/set_piece_duel.h"
#include "dungeon/theme_finds.h"

namespace logic {

// The theme event of map site `site` (1..10) for the current lord, chosen by the scenario
// theme and the site's kind (-1 the main event, -2 and -3 the secondary one).
void ThemeEvent(int site);

// The arena rank's name; a rank outside 0..8 shows the nearest name.
std::string ArenaRankName(int rank);

// The ore one mining yields at a mining skill (outside 0..100 it counts as 0 or 100).
int MiningYield(int skill);

}  // namespace logic
