// Slots of a placed site of the map (table MapSite, rows 1 to 10).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace MapSite {
enum : int {
    active = 1,
    kind = 2,  // 1 city, 2..9 fixed event places, -1..-3 theme events
    x = 3,
    y = 4,
    countdown = 5,
    owner = 6,
    taxes = 7,
    size = 8,
    prices = 10,     // trade prices in slots 10..13
    stock = 20,      // trade stock in slots 20..23
    garrison = 30,   // garrison by troop kind in slots 30..33
    shopItems = 40,  // guild shop items in slots 40..42
};

inline constexpr SlotName kSlotNames[] = {
    {"active", active}, {"kind", kind},           {"x", x},
    {"y", y},           {"countdown", countdown}, {"owner", owner},
    {"taxes", taxes},   {"size", size},           {"prices", prices},
    {"stock", stock},   {"garrison", garrison},   {"shopItems", shopItems},
};
}  // namespace MapSite

}  // namespace state
