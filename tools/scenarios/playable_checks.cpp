// Checks that a compiled scenario can be played, with messages that point into its sources.
#include "playable_checks.h"

#include <array>
#include <cstdlib>
#include <queue>
#include <vector>

#include "state/field.h"
#include "state/lord.h"
#include "state/map_site.h"
#include "state/scenario_settings.h"
#include "state/tables.h"

namespace scenarios {

namespace {

// By theme 0 to 19: main place, secondary places needed, secondary places used, beside a city.
constexpr std::array<ThemeSiteRule, 20> kThemeSites = {{
    {false, 0, false, false},  // 0: no theme
    {true, 0, false, false},   // 1: the dragon at the pass
    {true, 0, true, false},    // 2: orc camps
    {true, 1, true, false},    // 3: the dwarves and at least one dwarven mine
    {true, 0, false, false},   // 4: the arena
    {false, 0, false, false},  // 5: keeps from the start, no places
    {true, 2, true, false},    // 6: three cauldrons of doom
    {true, 0, false, false},   // 7: the elves
    {true, 0, false, false},   // 8: the dark altar
    {true, 0, true, true},     // 9: graveyards beside the cities they curse
    {true, 0, false, false},   // 10: the Eldest
    {false, 0, false, false},  // 11: burned towns, no places
    {true, 0, false, false},   // 12: the Gate Of Hell
    {true, 0, false, false},   // 13: Morduls Citadel with the princess
    {true, 0, false, false},   // 14: the efreet
    {true, 0, true, false},    // 15: crusader camps
    {true, 0, true, true},     // 16: tombs beside the cities they curse
    {true, 0, false, false},   // 17: the dark altar
    {false, 0, false, false},  // 18: the sword lies in the dungeons
    {true, 0, false, false},   // 19: the arena
}};

using state::Int;

// The line of the n-th (from 0) appearance of `key` in the text, or 1.
int LineOfKey(const std::string& text, const std::string& key, int n) {
    std::size_t at = 0;
    for (int i = 0; i <= n; ++i) {
        at = text.find(key, i == 0 ? 0 : at + 1);
        if (at == std::string::npos) return 1;
    }
    int line = 1;
    for (std::size_t i = 0; i < at; ++i)
        line += text[i] == '\n';
    return line;
}

class Checker {
  public:
    Checker(const state::GameState& g, const MapText& map, const std::string& json)
        : g_(g), map_(map), json_(json) {}

    void Run() {
        for (int p = 1; p <= 4; ++p)
            if (g_.lord[p][state::Lord::inGame] > 0) lords_.push_back(p);
        if (lords_.empty()) FailMap(1, 1, "no lord takes part (the map has no castle)");
        for (int p : lords_)
            CheckCastle(p);
        for (int s = 1; s <= kMaxSites; ++s)
            if (g_.mapSite[s][state::MapSite::active] > 0) CheckSite(s);
        for (int p : lords_)
            CheckReach(p);
        CheckThemeSites();
    }

  private:
    [[noreturn]] void Fail(const std::string& file, int line, int column, const std::string& why) {
        throw SourceError(file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " +
                          why);
    }
    [[noreturn]] void FailMap(int x, int y, const std::string& why) {
        const int line = OnMap(x, y) ? map_.rowLine[static_cast<std::size_t>(y)] : 1;
        Fail("map.txt", line, OnMap(x, y) ? x : 1, why);
    }
    [[noreturn]] void FailJson(const std::string& key, int n, const std::string& why) {
        Fail("scenario.json", LineOfKey(json_, "\"" + key + "\"", n), 1, why);
    }

    static std::string Letter(int site) {
        return std::string(1, static_cast<char>('A' + site - 1));
    }

    bool Walkable(int x, int y) const {
        return OnMap(x, y) && g_.field[x][y][state::Field::walkable] > 0;
    }
    int CastleAt(int x, int y) const {
        for (int p : lords_)
            if (g_.lord[p][state::Lord::castleX] == x && g_.lord[p][state::Lord::castleY] == y)
                return p;
        return 0;
    }

    // A castle set through the lord's slots is not on the map's letter: point at the lords.
    void CheckCastle(int p) {
        const Int x = g_.lord[p][state::Lord::castleX], y = g_.lord[p][state::Lord::castleY];
        const auto i = static_cast<std::size_t>(p);
        const bool fromMap = map_.castleX[i] == x && map_.castleY[i] == y;
        const std::string what = "the castle of lord " + std::to_string(p) +
                                 " (where its army starts) stands on a field an army cannot enter";
        if (!Walkable(x, y)) {
            if (fromMap) FailMap(x, y, what);
            FailJson("lords", 0, what);
        }
    }

    void CheckSite(int s) {
        const auto& site = g_.mapSite[s];
        const Int x = site[state::MapSite::x], y = site[state::MapSite::y];
        const auto i = static_cast<std::size_t>(s - 1);
        const bool fromMap = map_.siteX[i] == x && map_.siteY[i] == y;
        auto fail = [&](const std::string& why) {
            if (fromMap) FailMap(x, y, "site " + Letter(s) + " " + why);
            FailJson("kind", s - 1, "site " + Letter(s) + " " + why);
        };
        if (!Walkable(x, y)) fail("stands on a field an army cannot enter");
        if (CastleAt(x, y) != 0) fail("stands on a castle");
        for (int t = 1; t < s; ++t)
            if (g_.mapSite[t][state::MapSite::active] > 0 &&
                g_.mapSite[t][state::MapSite::x] == x && g_.mapSite[t][state::MapSite::y] == y)
                fail("shares its field with site " + Letter(t));
    }

    // Fields lord p's army can walk to from its castle. Castles count as walkable: a castle on
    // the way is taken before the army walks on. The portal only leads home, so it opens no
    // other way.
    std::array<std::array<bool, kRows + 1>, kColumns + 1> Reach(int p) const {
        std::array<std::array<bool, kRows + 1>, kColumns + 1> seen{};
        const int sx = g_.lord[p][state::Lord::castleX], sy = g_.lord[p][state::Lord::castleY];
        std::queue<std::pair<int, int>> todo;
        seen[static_cast<std::size_t>(sx)][static_cast<std::size_t>(sy)] = true;
        todo.push({sx, sy});
        constexpr int dx[4] = {0, 1, 0, -1}, dy[4] = {-1, 0, 1, 0};
        while (!todo.empty()) {
            const auto [cx, cy] = todo.front();
            todo.pop();
            for (int d = 0; d < 4; ++d) {
                const int nx = cx + dx[d], ny = cy + dy[d];
                if (!Walkable(nx, ny)) continue;
                bool& s = seen[static_cast<std::size_t>(nx)][static_cast<std::size_t>(ny)];
                if (!s) {
                    s = true;
                    todo.push({nx, ny});
                }
            }
        }
        return seen;
    }

    void CheckReach(int p) {
        const auto seen = Reach(p);
        auto reached = [&](int x, int y) {
            return seen[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
        };
        for (int q : lords_) {
            const int x = g_.lord[q][state::Lord::castleX], y = g_.lord[q][state::Lord::castleY];
            if (!reached(x, y))
                FailMap(x, y,
                        "the castle of lord " + std::to_string(q) +
                            " cannot be reached by land from the castle of lord " +
                            std::to_string(p) + " (the portal only leads home)");
        }
        for (int s = 1; s <= kMaxSites; ++s) {
            const auto& site = g_.mapSite[s];
            if (site[state::MapSite::active] <= 0) continue;
            if (!reached(site[state::MapSite::x], site[state::MapSite::y]))
                FailMap(site[state::MapSite::x], site[state::MapSite::y],
                        "site " + Letter(s) +
                            " cannot be reached by land from the castle of lord " +
                            std::to_string(p));
        }
    }

    bool CityBeside(int x, int y) const {
        for (int c = 1; c <= kMaxSites; ++c) {
            const auto& city = g_.mapSite[c];
            if (city[state::MapSite::active] <= 0 || city[state::MapSite::kind] != 1) continue;
            const int d =
                std::abs(city[state::MapSite::x] - x) + std::abs(city[state::MapSite::y] - y);
            if (d == 1) return true;
        }
        return false;
    }

    void CheckThemeSites() {
        const int theme = g_.mapSetting[state::MapSetting::theme];
        const ThemeSiteRule rule = ThemeSitesFor(theme);
        const std::string name = "theme " + std::to_string(theme);
        int mains = 0, secondaries = 0;
        for (int s = 1; s <= kMaxSites; ++s) {
            const auto& site = g_.mapSite[s];
            const int kind = site[state::MapSite::kind];
            if (site[state::MapSite::active] <= 0 || kind >= 0) continue;
            if (kind == -1) {
                if (!rule.needsMain)
                    FailJson("kind", s - 1,
                             "site " + Letter(s) + ": " + name + " has no event place");
                ++mains;
            } else {
                if (!rule.secondaryUsed)
                    FailJson("kind", s - 1,
                             "site " + Letter(s) + ": " + name +
                                 " has no event for a second place (theme2, theme3)");
                ++secondaries;
            }
            if (rule.besideCity && !CityBeside(site[state::MapSite::x], site[state::MapSite::y]))
                FailMap(site[state::MapSite::x], site[state::MapSite::y],
                        "site " + Letter(s) + " must stand next to a city, whose taxes it stops");
        }
        if (rule.needsMain && mains == 0)
            FailJson("theme", 0, name + " needs its event place (a site of kind \"theme\")");
        if (secondaries < rule.secondaryAtLeast)
            FailJson("theme", 0,
                     name + " needs at least " + std::to_string(rule.secondaryAtLeast) +
                         " further event places (kind \"theme2\" or \"theme3\")");
    }

    const state::GameState& g_;
    const MapText& map_;
    const std::string& json_;
    std::vector<int> lords_;
};

}  // namespace

ThemeSiteRule ThemeSitesFor(int theme) {
    if (!state::InRange(theme, 0, 19)) return kThemeSites[0];
    return kThemeSites[static_cast<std::size_t>(theme)];
}

void CheckPlayable(const state::GameState& g, const MapText& map, const std::string& scenarioJson) {
    Checker(g, map, scenarioJson).Run();
}

}  // namespace scenarios
