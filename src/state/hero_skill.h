// Slots of a hero's skill record (table HeroSkill, one row per lord).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace HeroSkill {
enum : int {
    // Above 0: loading a saved game asks for confirmation first (read for the dungeon lord).
    askBeforeLoad = 1,
};

inline constexpr SlotName kSlotNames[] = {
    {"askBeforeLoad", askBeforeLoad},
};
}  // namespace HeroSkill

}  // namespace state
