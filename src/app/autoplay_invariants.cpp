// The invariants of a running game: every stored value in the range the value table gives it
// (the one source of the bounds), the computer lords' goods never below 0 (the table lets a
// player's go below it, and a computer lord's honor may), known goals, no army of a lord out of
// the game, every army on the map, and every castle held by its lord or by its conqueror.
#include "app/autoplay_invariants.h"

#include "rules/lords.h"
#include "state/game_state.h"
#include "state/range_check.h"

namespace app {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace MapSite = state::MapSite;

namespace {

constexpr int kLordCountSlots[] = {Lord::gold, Lord::wood, Lord::iron, Lord::stone, Lord::gems};
constexpr int kGoals[] = {0, 10, 20, 25, 30, 40, 45, 50, 52, 53, 60};

std::string Lordly(int p, const char* what) {
    return "lord " + std::to_string(p) + ": " + what;
}

std::string CheckLord(int p) {
    const state::GameState& g = state::G();
    const auto& l = g.lord[p];
    const auto& a = g.army[p];
    for (int s : kLordCountSlots) {
        if (l[s] < 0) return Lordly(p, "negative resource");
    }
    bool known = false;
    for (int goal : kGoals)
        known = known || l[Lord::aiGoal] == goal;
    if (!known) return Lordly(p, "unknown goal");
    if (!logic::InGame(p)) {
        if (a[Army::present] > 0) return Lordly(p, "army of a lord out of the game");
        return {};
    }
    if (a[Army::present] > 0 && !logic::OnMap(a[Army::x], a[Army::y]))
        return Lordly(p, "army off the map");
    if (!logic::OnMap(l[Lord::castleX], l[Lord::castleY])) return {};
    const int owner = g.field[l[Lord::castleX]][l[Lord::castleY]][state::Field::owner];
    if (owner != p) return Lordly(p, "castle field held by another");
    return {};
}

std::string CheckCastleOfLordOut(int p) {
    const state::GameState& g = state::G();
    const auto& l = g.lord[p];
    if (logic::InGame(p) || !logic::OnMap(l[Lord::castleX], l[Lord::castleY])) return {};
    const int owner = g.field[l[Lord::castleX]][l[Lord::castleY]][state::Field::owner];
    if (!logic::ValidLord(owner) || owner == p) return Lordly(p, "fallen castle without conqueror");
    return {};
}

std::string CheckMap() {
    const state::GameState& g = state::G();
    for (int r = 1; r <= 10; ++r) {
        const auto& s = g.mapSite[r];
        if (s[MapSite::active] <= 0) continue;
        if (!logic::OnMap(s[MapSite::x], s[MapSite::y])) return "site off the map";
    }
    for (int r = 1; r <= state::SpawnField::kUsedRows; ++r) {
        const auto& f = g.spawnField[r];
        if (f[state::SpawnField::present] > 0 &&
            !logic::OnMap(f[state::SpawnField::x], f[state::SpawnField::y]))
            return "spawn field off the map";
    }
    return {};
}

}  // namespace

std::string BrokenInvariant(const bool (&tookPart)[5]) {
    // The ranges first: the checks after them index tables with the values they checked.
    if (std::string e = state::RangeFault(state::G(), state::FileKind::savedGame); !e.empty())
        return e;
    for (int p = 1; p <= logic::kLords; ++p) {
        if (!tookPart[p]) continue;
        if (std::string e = CheckLord(p); !e.empty()) return e;
        if (std::string e = CheckCastleOfLordOut(p); !e.empty()) return e;
    }
    return CheckMap();
}

}  // namespace app
