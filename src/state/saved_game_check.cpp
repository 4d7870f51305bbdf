#include "state/saved_game_check.h"

#include <string>

namespace state {

namespace {

constexpr int kLords = 4;
constexpr int kLastTheme = 19;
constexpr int kTroopSlots[] = {Army::soldiers, Army::fast, Army::archers, Army::siege,
                               Army::specialCount};

std::string Num(Int value) {
    return std::to_string(value);
}

std::string LordName(int lord) {
    static constexpr const char* kColours[kLords] = {"blue", "green", "red", "cyan"};
    return std::string("the ") + kColours[lord - 1] + " lord";
}

bool OnMap(Int x, Int y) {
    return InRange(x, 1, Field::kColumns) && InRange(y, 1, Field::kRows);
}

std::string Place(Int x, Int y) {
    return "(" + Num(x) + ", " + Num(y) + ")";
}

// CurrentLord, DungeonLord, InDungeon and the scenario theme.
std::string SingleValueFault(const GameState& g) {
    if (!InRange(g.currentLord, 1, kLords))
        return "the current lord is " + Num(g.currentLord) + ", not a lord from 1 to 4";
    if (!InRange(g.dungeonLord, 1, kLords))
        return "the dungeon's lord is " + Num(g.dungeonLord) + ", not a lord from 1 to 4";
    if (!InRange(g.inDungeon, 0, 1))
        return "the dungeon flag is " + Num(g.inDungeon) + ", not 0 or 1";
    const Int theme = g.mapSetting[MapSetting::theme];
    if (!InRange(theme, 0, kLastTheme))
        return "the scenario theme is " + Num(theme) + ", not a theme from 0 to 19";
    return {};
}

// Who takes part: each lord in or out, played by the player or the computer, at least one in
// the game, the current lord among them.
std::string LordsFault(const GameState& g) {
    int inGame = 0;
    for (int p = 1; p <= kLords; ++p) {
        const Int flag = g.lord[p][Lord::inGame];
        if (!InRange(flag, 0, 1))
            return LordName(p) + "'s in-game flag is " + Num(flag) + ", not 0 or 1";
        if (flag == 0) continue;
        ++inGame;
        const Int controller = g.lord[p][Lord::controller];
        if (!InRange(controller, 1, 2))
            return LordName(p) + " is played by " + Num(controller) +
                   ", neither the player (1) nor the computer (2)";
    }
    if (inGame == 0) return "no lord takes part in the game";
    if (g.lord[g.currentLord][Lord::inGame] != 1)
        return "the current lord " + Num(g.currentLord) + " is out of the game";
    return {};
}

// The castles and the present armies of the lords in the game stand on the map, with troop
// counts that are not negative.
std::string MapPlacesFault(const GameState& g) {
    for (int p = 1; p <= kLords; ++p) {
        if (g.lord[p][Lord::inGame] != 1) continue;
        const auto& l = g.lord[p];
        if (!OnMap(l[Lord::castleX], l[Lord::castleY]))
            return LordName(p) + "'s castle at " + Place(l[Lord::castleX], l[Lord::castleY]) +
                   " is off the map";
        const auto& a = g.army[p];
        if (a[Army::present] > 0 && !OnMap(a[Army::x], a[Army::y]))
            return LordName(p) + "'s army at " + Place(a[Army::x], a[Army::y]) + " is off the map";
        for (int slot : kTroopSlots) {
            if (a[slot] < 0)
                return LordName(p) + "'s army counts " + Num(a[slot]) + " troops of one kind";
        }
    }
    return {};
}

// Every owner of a field or a map site is nobody (0) or a lord.
std::string OwnersFault(const GameState& g) {
    for (int x = 1; x <= Field::kColumns; ++x) {
        for (int y = 1; y <= Field::kRows; ++y) {
            const Int owner = g.field[x][y][Field::owner];
            if (!InRange(owner, 0, kLords))
                return "the field " + Place(x, y) + " is owned by " + Num(owner) +
                       ", not by a lord from 1 to 4";
        }
    }
    for (int row = 1; row <= 10; ++row) {
        const Int owner = g.mapSite[row][MapSite::owner];
        if (!InRange(owner, 0, kLords))
            return "the map site " + Num(row) + " is owned by " + Num(owner) +
                   ", not by a lord from 1 to 4";
    }
    return {};
}

}  // namespace

std::string SavedGameFault(const GameState& g) {
    using Check = std::string (*)(const GameState&);
    // In this order: the later checks index tables with the values the earlier ones checked.
    for (Check check : {SingleValueFault, LordsFault, MapPlacesFault, OwnersFault}) {
        std::string fault = check(g);
        if (!fault.empty()) return fault;
    }
    return {};
}

}  // namespace state
