// Slots of an item kind (ItemTable, rows 1 to 500; row 0 is the theme's special weapon, never
// saved) and of its texts (ItemText).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace ItemTable {
enum : int {
    exists = 1,
    itemKind = 2,  // an ItemKind
    itemLevel = 3,
    rarity = 4,
    itemValue = 5,
    hitStrength = 10,
    damageStrength = 11,
    healthStrength = 12,
    healStrength = 13,
};

inline constexpr int kSpecialWeaponRow = 0;

inline constexpr SlotName kSlotNames[] = {
    {"exists", exists},
    {"itemKind", itemKind},
    {"itemLevel", itemLevel},
    {"rarity", rarity},
    {"itemValue", itemValue},
    {"hitStrength", hitStrength},
    {"damageStrength", damageStrength},
    {"healthStrength", healthStrength},
    {"healStrength", healStrength},
};
}  // namespace ItemTable

// The kinds of item (ItemTable itemKind): the two kinds of weapon and everything else.
namespace ItemKind {
enum : int { slashWeapon = 1, thrustWeapon = 2, other = 3 };
}  // namespace ItemKind

namespace ItemText {
enum : int {
    fullName = 1,
    picture = 3,  // picture base name
    shortName = 4,
};

inline constexpr SlotName kSlotNames[] = {
    {"fullName", fullName},
    {"picture", picture},
    {"shortName", shortName},
};
}  // namespace ItemText

}  // namespace state
