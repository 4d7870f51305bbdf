// Slots of a monster kind (MonsterTable, rows 1 to 100; row 0 is the opponent of a set-piece
// duel) and of its texts (MonsterText).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace MonsterTable {
enum : int {
    exists = 1,
    monsterLevel = 2,
    toughness = 3,
    frequency = 4,
    soundFamily = 6,
    resistance = 7,  // a Resistance
    duelFlag = 8,
};

inline constexpr int kSetPieceRow = 0;

inline constexpr SlotName kSlotNames[] = {
    {"exists", exists},       {"monsterLevel", monsterLevel}, {"toughness", toughness},
    {"frequency", frequency}, {"soundFamily", soundFamily},   {"resistance", resistance},
    {"duelFlag", duelFlag},
};
}  // namespace MonsterTable

// What a monster withstands in a duel (MonsterTable resistance).
namespace Resistance {
enum : int { none = 0, slashes = 1, thrusts = 2 };
}  // namespace Resistance

namespace MonsterText {
enum : int {
    name = 1,
    picture = 2,  // picture base name
};

inline constexpr SlotName kSlotNames[] = {
    {"name", name},
    {"picture", picture},
};
}  // namespace MonsterText

}  // namespace state
