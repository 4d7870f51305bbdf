// Slots of the battle tables: the troop types (TroopType, rows 1 to 100 of 3 values), the
// command plans (BattleOrdersOwn / BattleOrdersFoe, rows 1 Attack, 2 Flank, 3 Defend) and the
// two sides of a running battle (BattleOwnSide / BattleFoeSide).
#pragma once

#include "state/slot_name.h"
#include "state/tables.h"

namespace state {

namespace TroopType {
enum : int {
    attack = 1,
    health = 2,
};

inline constexpr SlotName kSlotNames[] = {
    {"attack", attack},
    {"health", health},
};
}  // namespace TroopType

namespace BattleOrders {
enum : int {
    melee = 1,
    fastMelee = 2,
    range = 3,
};

inline constexpr SlotName kSlotNames[] = {
    {"melee", melee},
    {"fastMelee", fastMelee},
    {"range", range},
};
}  // namespace BattleOrders

// The order a side fights with in a round (BattleSide order); attack, flank and defend are also
// the rows of the command sets (BattleOrders).
namespace BattleOrder {
enum : int { attack = 1, flank = 2, defend = 3, retreat = 5 };
}  // namespace BattleOrder

namespace BattleSide {
enum : int {
    lord = 1,            // own side: the human's lord; enemy side: the opposing lord or 0
    neutralPicture = 2,  // enemy side of a neutral opponent: which picture
    heroicOrMayRetreat = 3,
    heroBonus = 4,
    castleBonus = 5,
    strength = 7,
    order = 8,
    startStrength = 9,
    soldiers = 10,
    fast = 11,
    archers = 12,
    siege = 13,
    specialCount = 14,
    site = 20,
    duelUsed = 21,
};

inline constexpr SlotName kSlotNames[] = {
    {"lord", lord},
    {"neutralPicture", neutralPicture},
    {"heroicOrMayRetreat", heroicOrMayRetreat},
    {"heroBonus", heroBonus},
    {"castleBonus", castleBonus},
    {"strength", strength},
    {"order", order},
    {"startStrength", startStrength},
    {"soldiers", soldiers},
    {"fast", fast},
    {"archers", archers},
    {"siege", siege},
    {"specialCount", specialCount},
    {"site", site},
    {"duelUsed", duelUsed},
};
}  // namespace BattleSide

// The counts and switches of a running battle's timers. The screens own the timers themselves
// (the 400 ms battle clock, the 400 ms command cool-down); the rules keep what the ticks count.
struct BattleClock {
    Int clockTicks = 0;  // ticks since the last enemy round; a round every 10
    Int delayTicks = 0;  // ticks of the command cool-down under way
    bool clockOn = false;
    bool delayOn = false;      // the cool-down timer runs
    bool delayActive = false;  // a cool-down is under way, running or paused
    Int pauseDepth = 0;        // dialogs of the rules open during the battle
    bool clockBeforePause = false;
    bool delayBeforePause = false;
    bool panelShown = false;
};

}  // namespace state
