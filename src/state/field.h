// Slots of a map field record (table Field[x 1..12][y 1..11]). The slots not named here come
// from the scenario and are read only by the computer lords.
#pragma once

#include "state/slot_name.h"

namespace state {

namespace Field {
enum : int {
    walkable = 1,  // > 0 an army may stand here, 0 drawn but never entered, < 0 not drawn
    owner = 3,     // 0 neutral, else the lord 1..4
    tile = 5,      // picture code
};

inline constexpr int kColumns = 12;
inline constexpr int kRows = 11;

inline constexpr SlotName kSlotNames[] = {
    {"walkable", walkable},
    {"owner", owner},
    {"tile", tile},
};
}  // namespace Field

}  // namespace state
