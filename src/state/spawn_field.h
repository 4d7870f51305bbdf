// Slots of a random spawn field (table SpawnField: rows 1 to 6 are used, there is room for 10).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace SpawnField {
enum : int {
    present = 1,
    kind = 2,
    x = 3,
    y = 4,
    roundsLeft = 5,
};

inline constexpr int kUsedRows = 6;

inline constexpr SlotName kSlotNames[] = {
    {"present", present}, {"kind", kind}, {"x", x}, {"y", y}, {"roundsLeft", roundsLeft},
};
}  // namespace SpawnField

}  // namespace state
