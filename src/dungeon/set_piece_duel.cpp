// The set-piece duel entry. Not built yet: the hero combat does not exist, so no duel is fought
// and the hero always loses.
#include "dungeon/set_piece_duel.h"

namespace logic {

bool RunSetPieceDuel(int lord) {
    (void)lord;
    return false;
}

}  // namespace logic
