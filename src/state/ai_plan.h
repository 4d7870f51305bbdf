// Slots of an entry of the computer lords' path lists (tables AIPlanA open, AIPlanB closed,
// rows 1 to 48).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace AIPlan {
enum : int {
    used = 1,
    x = 2,
    y = 3,
    length = 4,  // steps from the target tile
};

inline constexpr int kEntries = 48;

inline constexpr SlotName kSlotNames[] = {
    {"used", used},
    {"x", x},
    {"y", y},
    {"length", length},
};
}  // namespace AIPlan

}  // namespace state
