// The scenario's special item (ItemTable and ItemText row 0): the holy bow of the elves or the
// sword of the demons, which the theme finds hand out. Row 0 is never saved, so it is filled in
// again from this table whenever a game starts or is loaded.
#pragma once

#include "state/game_state.h"
#include "state/themes.h"

namespace state {

// True for the themes that have a special item.
bool ThemeHasSpecialItem(int theme);

// Fills row 0 with the special item of the scenario theme (slots 6 to 9 stay as they are); in
// every other theme the row is cleared, so that no stale item of an earlier game remains.
void FillSpecialItemRow(GameState& g = G());

}  // namespace state
