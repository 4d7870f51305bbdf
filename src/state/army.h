// Slots of an army record (table Army: rows 1 to 4 the lords' field armies, row 0 a scratch
// army that stands in for city garrisons and event monsters).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace Army {
enum : int {
    present = 1,
    x = 2,
    y = 3,
    movesLeft = 4,  // 4 at the start of a turn, one step costs 4
    prevX = 5,
    prevY = 6,
    soldiers = 10,
    fast = 11,
    archers = 12,
    siege = 13,
    specialCount = 14,
    specialType = 24,
    specialClass = 25,  // 1 melee, 2 fast melee, 3 ranged
};

// The scratch army used against city garrisons and event monsters.
inline constexpr int kScratchRow = 0;

inline constexpr SlotName kSlotNames[] = {
    {"present", present},
    {"x", x},
    {"y", y},
    {"movesLeft", movesLeft},
    {"prevX", prevX},
    {"prevY", prevY},
    {"soldiers", soldiers},
    {"fast", fast},
    {"archers", archers},
    {"siege", siege},
    {"specialCount", specialCount},
    {"specialType", specialType},
    {"specialClass", specialClass},
};
}  // namespace Army

}  // namespace state
