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
    // Each slot of the four groups above by its own name.
    woodPrice = prices,
    ironPrice = prices + 1,
    stonePrice = prices + 2,
    gemsPrice = prices + 3,
    woodStock = stock,
    ironStock = stock + 1,
    stoneStock = stock + 2,
    gemsStock = stock + 3,
    garrisonSoldiers = garrison,
    garrisonFast = garrison + 1,
    garrisonArchers = garrison + 2,
    garrisonSiege = garrison + 3,
    shopItem1 = shopItems,
    shopItem2 = shopItems + 1,
    shopItem3 = shopItems + 2,
};

inline constexpr SlotName kSlotNames[] = {
    {"active", active},
    {"kind", kind},
    {"x", x},
    {"y", y},
    {"countdown", countdown},
    {"owner", owner},
    {"taxes", taxes},
    {"size", size},
    {"prices", prices},
    {"stock", stock},
    {"garrison", garrison},
    {"shopItems", shopItems},
    {"woodPrice", woodPrice},
    {"ironPrice", ironPrice},
    {"stonePrice", stonePrice},
    {"gemsPrice", gemsPrice},
    {"woodStock", woodStock},
    {"ironStock", ironStock},
    {"stoneStock", stoneStock},
    {"gemsStock", gemsStock},
    {"garrisonSoldiers", garrisonSoldiers},
    {"garrisonFast", garrisonFast},
    {"garrisonArchers", garrisonArchers},
    {"garrisonSiege", garrisonSiege},
    {"shopItem1", shopItem1},
    {"shopItem2", shopItem2},
    {"shopItem3", shopItem3},
};
}  // namespace MapSite

}  // namespace state
