// Slots of a lord's record (table Lord, rows 1 to 4 in the order blue, green, red, cyan).
#pragma once

#include "state/slot_name.h"

namespace state {

namespace Lord {
enum : int {
    inGame = 1,  // 0 once the lord's castle has been conquered
    gold = 2,
    honor = 3,
    wood = 4,
    iron = 5,
    stone = 6,
    gems = 7,
    moveRange = 19,  // largest step distance from the castle the army may enter
    castleX = 20,
    castleY = 21,
    controller = 31,  // 1 human, 2 computer lord
    heroLevel = 32,
    difficulty = 33,
    aiGoal = 34,
    aiTarget = 35,
    built = 50,  // built flags of buildings 1..9 in slots 50..58, see Built()
    barracks = 50,
    walls = 51,
    keep = 52,
    bowmaker = 53,
    treasury = 54,
    stables = 55,
    scoutCamp = 56,
    workshop = 57,
    guildhouse = 58,
    themeCounter = 81,
    ironIngots = 82,
    miningSkill = 83,
    eventSlotA = 84,  // kept and saved, no rule reads it
    enemyCloseHintShown = 85,
    lowHealthHintShown = 86,
    eventSlotB = 87,  // kept and saved, no rule reads it
    voodooDoll = 88,
    magicDust = 89,
    evilTalisman = 90,
    soulstone = 91,
};

// The built flag of building 1 (barracks) to 9 (guildhouse).
constexpr int Built(int building) {
    return built - 1 + building;
}

inline constexpr SlotName kSlotNames[] = {
    {"inGame", inGame},
    {"gold", gold},
    {"honor", honor},
    {"wood", wood},
    {"iron", iron},
    {"stone", stone},
    {"gems", gems},
    {"moveRange", moveRange},
    {"castleX", castleX},
    {"castleY", castleY},
    {"controller", controller},
    {"heroLevel", heroLevel},
    {"difficulty", difficulty},
    {"aiGoal", aiGoal},
    {"aiTarget", aiTarget},
    {"barracks", barracks},
    {"walls", walls},
    {"keep", keep},
    {"bowmaker", bowmaker},
    {"treasury", treasury},
    {"stables", stables},
    {"scoutCamp", scoutCamp},
    {"workshop", workshop},
    {"guildhouse", guildhouse},
    {"themeCounter", themeCounter},
    {"ironIngots", ironIngots},
    {"miningSkill", miningSkill},
    {"enemyCloseHintShown", enemyCloseHintShown},
    {"lowHealthHintShown", lowHealthHintShown},
    {"voodooDoll", voodooDoll},
    {"magicDust", magicDust},
    {"evilTalisman", evilTalisman},
    {"soulstone", soulstone},
};
}  // namespace Lord

// The nine buildings of a castle, numbered as the building list and Lord::Built() number them.
namespace CastleBuilding {
enum : int {
    barracks = 1,
    walls = 2,
    keep = 3,
    bowmaker = 4,
    treasury = 5,
    stables = 6,
    scoutCamp = 7,
    workshop = 8,
    guildhouse = 9,
};
}  // namespace CastleBuilding

}  // namespace state
