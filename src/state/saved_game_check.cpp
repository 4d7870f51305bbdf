#include "state/saved_game_check.h"

#include <string>

#include "state/range_check.h"

namespace state {

namespace {

constexpr int kLords = 4;
constexpr int kGearSlots = 4;

std::string Num(Int value) {
    return std::to_string(value);
}

std::string NoLordFault(const GameState& g) {
    for (int p = 1; p <= kLords; ++p) {
        if (g.lord[p][Lord::inGame] == 1) return {};
    }
    return "no lord takes part in the game";
}

// Run after the ranges: the current lord is a lord from 1 to 4.
std::string TurnFault(const GameState& g) {
    if (g.lord[g.currentLord][Lord::inGame] != 1)
        return "the current lord " + Num(g.currentLord) + " is out of the game";
    return {};
}

// A worn or carried item is a row of the scenario's item catalogue.
std::string GearFault(const GameState& g) {
    for (int p = 1; p <= kLords; ++p) {
        if (g.lord[p][Lord::inGame] != 1) continue;
        for (int slot = 1; slot <= kGearSlots; ++slot) {
            const auto& gear = g.heroGear[p][static_cast<std::size_t>(slot)];
            if (gear[HeroGear::present] != 1) continue;
            const Int item = gear[HeroGear::item];
            if (!InRange(item, 1, kLastItem) || g.itemTable[item][ItemTable::exists] <= 0)
                return LordName(p) + "'s hero carries the item " + Num(item) +
                       ", which is not among the scenario's items";
        }
    }
    return {};
}

// A game saved inside a dungeon goes on there: with the hero of a lord in the game, alive.
std::string DungeonFault(const GameState& g) {
    if (g.inDungeon != 1) return {};
    const Int p = g.dungeonLord;
    if (g.lord[p][Lord::inGame] != 1)
        return "the game was saved inside a dungeon of lord " + Num(p) + ", who is out of the game";
    if (g.hero[p][Hero::health] <= 0)
        return "the game was saved inside a dungeon with " + LordName(static_cast<int>(p)) +
               "'s hero at health " + Num(g.hero[p][Hero::health]);
    return {};
}

template <class... Check>
std::string FirstFault(const GameState& g, Check... checks) {
    std::string fault;
    ((fault.empty() ? void(fault = checks(g)) : void()), ...);
    return fault;
}

}  // namespace

std::string SavedGameFault(const GameState& g) {
    return FirstFault(
        g, [](const GameState& s) { return RangeFault(s, FileKind::savedGame); }, NoLordFault,
        TurnFault, GearFault, DungeonFault);
}

std::string ScenarioFault(const GameState& g) {
    return FirstFault(
        g, [](const GameState& s) { return RangeFault(s, FileKind::scenario); }, NoLordFault);
}

}  // namespace state
