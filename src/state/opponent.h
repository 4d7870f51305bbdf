// Slots of the opponent of the running duel (table Opponent, one record).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace Opponent {
enum : int {
    oppActive = 1,
    oppMonster = 2,  // row of MonsterTable
    oppHealth = 3,
    oppSkill = 4,
    oppDamage = 5,
    oppMaxHealth = 13,
    oppPicture = 20,
};

inline constexpr SlotName kSlotNames[] = {
    {"oppActive", oppActive},   {"oppMonster", oppMonster}, {"oppHealth", oppHealth},
    {"oppSkill", oppSkill},     {"oppDamage", oppDamage},   {"oppMaxHealth", oppMaxHealth},
    {"oppPicture", oppPicture},
};
}  // namespace Opponent

}  // namespace state
