// Slots of a hero record (table Hero, one row per lord).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace Hero {
enum : int {
    floor = 2,
    posX = 3,
    posY = 4,
    xp = 6,
    xpNext = 7,
    level = 8,
    goldCarried = 9,
    rations = 10,
    floorCount = 12,
    health = 20,
    duelSkill = 21,
    duelDamage = 22,
    baseMaxHealth = 30,
    itemHealthBonus = 40,
    heroic = 55,
    prevX = 60,
    prevY = 61,
};

inline constexpr SlotName kSlotNames[] = {
    {"floor", floor},
    {"posX", posX},
    {"posY", posY},
    {"xp", xp},
    {"xpNext", xpNext},
    {"level", level},
    {"goldCarried", goldCarried},
    {"rations", rations},
    {"floorCount", floorCount},
    {"health", health},
    {"duelSkill", duelSkill},
    {"duelDamage", duelDamage},
    {"baseMaxHealth", baseMaxHealth},
    {"itemHealthBonus", itemHealthBonus},
    {"heroic", heroic},
    {"prevX", prevX},
    {"prevY", prevY},
};
}  // namespace Hero

}  // namespace state
