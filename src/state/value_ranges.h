// The range of every stored value a file can set, one row per slot: what a new game, the
// scenario compiler and play produce, and what the rules work with. Saved games and scenarios
// are checked against it before they reach the running game, and play keeps values inside it.
#pragma once

#include <limits>
#include <span>

#include "state/tables.h"

namespace state {

inline constexpr Int kIntMin = std::numeric_limits<Int>::min();
inline constexpr Int kIntMax = std::numeric_limits<Int>::max();
// Battalions of one kind in an army or a city garrison.
inline constexpr Int kTroopLimit = 100'000;
// A troop type's attack or health.
inline constexpr Int kTroopValueLimit = 1'000;
// Counters of play: rounds, turns, floors, experience, theme counters, city sizes, stock.
inline constexpr Int kCountLimit = 1'000'000;
// A hero's or an opponent's health, and each part of a hero's maximum.
inline constexpr Int kHealthLimit = 1'000'000;
// A hero's health: at most the two parts of its maximum, and as far below 0 as one blow of an
// opponent at the limit takes it.
inline constexpr Int kLowestHeroHealth = -kHealthLimit;
inline constexpr Int kHighestHeroHealth = 2 * kHealthLimit;
// The last item and monster rows of the catalogues, and the last scenario theme.
inline constexpr Int kLastItem = 500;
inline constexpr Int kLastMonster = 100;
inline constexpr Int kLastTheme = 19;
// The largest tile code the map pictures know.
inline constexpr Int kLastTile = 635;

// The tables a file fills; `game` holds the single values of a saved game and `progress` the
// values of the progress file, numbered as GameValue and ProgressValue give.
enum class Holder {
    lord,
    army,
    hero,
    heroGear,
    heroSkill,
    field,
    mapSite,
    spawnField,
    room,
    monster,
    item,
    opponent,
    troopType,
    battleOrdersOwn,
    battleOrdersFoe,
    aiPlanA,
    aiPlanB,
    mapSetting,
    modSetting,
    game,
    progress,
};

namespace GameValue {
enum : int { currentLord = 1, dungeonLord, dungeonTurn, inDungeon, playedScenario };
}

namespace ProgressValue {
enum : int { scenariosUnlocked = 1, difficultyUnlocked, startCount, soundOn, musicOn, hintsOn };
}

// Which records of a table a row looks at: all of them, those of the lords in the game, or the
// present armies of the lords in the game.
enum class Scope { everyRecord, lordsInGame, presentArmies };

// The files a row holds for: a scenario is checked once it is set up for a new game, before
// the player has chosen a side.
enum class FileKind { savedGame, scenario };
enum class Holds { both, savedGames, scenarios };

struct ValueRange {
    Holder holder;
    int slot;
    const char* name;  // in the player's words
    Int low;
    Int high;
    Scope scope = Scope::everyRecord;
    Holds holds = Holds::both;
    // The fault in words, with {who} (the record), {value}, {low}, {high}, and a place of two
    // slots: {place} (this slot and the next), {placeEnding} (the slot before and this one).
    // Empty: "{who}'s NAME is {value}, not from {low} to {high}".
    const char* fault = "";
};

std::span<const ValueRange> ValueRanges();

// The number of slots each holder has in the files, to count what the table covers.
int SlotsOf(Holder holder);

}  // namespace state
