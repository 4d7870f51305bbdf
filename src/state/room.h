// Slots of a dungeon room (table Room[x 1..7][y 1..5] with an empty border of rock).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace Room {
enum : int {
    exists = 1,
    kind = 2,
    visited = 3,
    doorNorth = 4,
    doorEast = 5,
    doorSouth = 6,
    doorWest = 7,
    monster = 10,   // row of MonsterTable, 0 none
    event = 11,     // 1 boss, 2..100 room event, 0 none
    treasure = 12,  // > 0 item row, < 0 minus a gold class
    stairs = 13,    // 1 down, 2 up
};

inline constexpr int kColumns = 7;
inline constexpr int kRows = 5;

inline constexpr SlotName kSlotNames[] = {
    {"exists", exists},       {"kind", kind},         {"visited", visited},
    {"doorNorth", doorNorth}, {"doorEast", doorEast}, {"doorSouth", doorSouth},
    {"doorWest", doorWest},   {"monster", monster},   {"event", event},
    {"treasure", treasure},   {"stairs", stairs},
};
}  // namespace Room

}  // namespace state
