// Slots of a worn item record (table HeroGear[lord 1..4][gear slot 1..4]).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace HeroGear {
enum : int {
    present = 1,
    item = 2,  // row of ItemTable
};

// Gear slot 0 is a scratch slot for trying out an item; it is never saved.
inline constexpr int kScratchGear = 0;

inline constexpr SlotName kSlotNames[] = {
    {"present", present},
    {"item", item},
};
}  // namespace HeroGear

}  // namespace state
