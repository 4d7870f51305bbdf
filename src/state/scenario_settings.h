// Slots of the two scenario records (MapSetting from the map file, ModSetting from the module
// file) and the indices of the module's texts (ModText).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace MapSetting {
enum : int {
    theme = 3,  // theme number 0..19 of the scenario
};

inline constexpr SlotName kSlotNames[] = {
    {"theme", theme},
};
}  // namespace MapSetting

namespace ModSetting {
enum : int {
    started = 1,  // 0 while a loaded scenario waits for the player, 1 once it has started
};

inline constexpr SlotName kSlotNames[] = {
    {"started", started},
};
}  // namespace ModSetting

namespace ModText {
enum : int {
    title = 1,
    description = 3,
    mapFile = 6,  // base name of the map file and of the preview picture
    monsterFile = 8,
    itemFile = 9,
};

inline constexpr SlotName kSlotNames[] = {
    {"title", title},       {"description", description},
    {"mapFile", mapFile},   {"monsterFile", monsterFile},
    {"itemFile", itemFile},
};
}  // namespace ModText

}  // namespace state
