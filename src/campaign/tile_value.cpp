// The tile values of the computer lords. The theme sites follow a table of rows, one per theme
// rule; the other rows of the site table are plain code in the order they apply.
#include "campaign/tile_value.h"

#include <cstdint>

#include "battle/battle_sides.h"
#include "campaign/buildings.h"
#include "campaign/computer_goals.h"
#include "campaign/movement.h"
#include "campaign/spawn_fields.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "state/int_math.h"
#include "state/scenario_settings.h"
#include "state/themes.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace MapSite = state::MapSite;

namespace {

constexpr int kCastleTarget = 100000;
constexpr int kAvoid = -10000;

// What a theme row sees of the lord and the site.
struct SiteView {
    int kind, theme, counter, heroLevel, honor, gold;
    bool busy;  // the site's countdown is not 0
};

// A theme row: applies to the sites its kind names in the listed themes. When `fails` holds the
// value is set to failSet, otherwise `add` is added.
struct ThemeRow {
    int kind;  // -1 main event; 0 any kind below 0; -2 any kind below -1
    int themes[3];
    bool (*fails)(const SiteView&);
    int failSet;
    int add;
};

bool KindMatches(int rowKind, int kind) {
    if (rowKind == 0) return kind < 0;
    if (rowKind == -2) return kind < -1;
    return kind == rowKind;
}

constexpr ThemeRow kThemeRows[] = {
    {0,
     {2, -1, -1},
     [](const SiteView& s) { return s.honor < 20 || s.heroLevel < 6 || s.busy; },
     0,
     5000},
    {-1,
     {3, -1, -1},
     [](const SiteView& s) { return s.busy || s.counter < 20 || s.gold < 500; },
     kAvoid,
     5000},
    {-2, {3, -1, -1}, [](const SiteView& s) { return s.busy; }, kAvoid, 1000},
    {-1, {4, 19, -1}, [](const SiteView& s) { return s.busy || s.counter > 8; }, kAvoid, 1000},
    {-1,
     {6, -1, -1},
     [](const SiteView& s) { return s.counter < 1 || s.honor < 10 || s.busy; },
     kAvoid,
     2500},
    {-1, {7, 8, 17}, [](const SiteView& s) { return s.counter < 1 || s.busy; }, kAvoid, 2500},
    {-1, {14, -1, -1}, [](const SiteView& s) { return s.heroLevel != 8; }, kAvoid, 5000},
    {0, {15, -1, -1}, [](const SiteView& s) { return s.honor < 20 || s.busy; }, 0, 5000},
};

// The mercenary and crusader places: the gold they need before they are worth a visit.
struct PaidSite {
    int kind;
    int gold;
};
constexpr PaidSite kPaidSites[] = {
    {SiteKind::crusaderCamp, 500}, {SiteKind::archerCamp, 400}, {SiteKind::soldierCamp, 600}};

// The dragon of theme 1, weighed twice: against five eggs, then against one.
int DragonValue(int v, const SiteView& s) {
    for (int n : {5, 1}) {
        if (s.counter < n) {
            if (s.heroLevel == 8)
                v += 5000;
            else
                v = kAvoid;
        }
        if (s.counter >= n) v += 5000;
    }
    return v;
}

int ThemeSiteValue(int v, const SiteView& s) {
    if (s.kind == SiteKind::mainTheme && s.theme == state::kDragonPassTheme) v = DragonValue(v, s);
    for (const ThemeRow& row : kThemeRows) {
        if (!KindMatches(row.kind, s.kind)) continue;
        bool themed = false;
        for (int t : row.themes)
            themed = themed || t == s.theme;
        if (!themed) continue;
        if (row.fails(s))
            v = row.failSet;
        else
            v += row.add;
    }
    return v;
}

// +500 for each resource the lord has less of than its building argument needs.
int MissingGoodsValue(int lord) {
    static constexpr int kGoodSlots[4] = {Lord::wood, Lord::iron, Lord::stone, Lord::gems};
    const auto& l = LordRecord(lord);
    const CostRow need = ComputerBuildingCost(l[Lord::aiTarget]);
    int v = 0;
    for (int i = 0; i < 4; ++i) {
        if (l[kGoodSlots[i]] < need[static_cast<std::size_t>(i) + 2]) v += 500;
    }
    return v;
}

int CityValue(int v, int lord, int site) {
    const auto& s = state::G().mapSite[site];
    const auto& l = LordRecord(lord);
    const int goal = l[Lord::aiGoal];
    const int owner = s[MapSite::owner];
    const int garrison = GarrisonStrength(site);
    const int mine = ArmyStrength(lord);
    const bool neutral = owner == 0;
    const bool own = owner == lord;
    const bool hostileGoal = goal == Goal::enemyClose || goal == Goal::attackCastle;
    if (neutral && garrison < mine && !hostileGoal) v += 2500;
    if (state::G().mapSetting[state::MapSetting::theme] == state::kKeepTheme &&
        !HasBuilt(lord, CastleBuilding::walls))
        v += 100000;
    if (!neutral && !own) v = garrison >= mine || hostileGoal ? kAvoid : v + 2500;
    if ((neutral || own) && BuildingGoal(goal) && l[Lord::gold] >= 1000 && l[Lord::aiTarget] >= 1)
        v += MissingGoodsValue(lord);
    if (own && s[MapSite::taxes] > 1000) v += 1000;
    return v;
}

int SiteValue(int v, int lord, int site) {
    const auto& s = state::G().mapSite[site];
    const auto& l = LordRecord(lord);
    const int kind = s[MapSite::kind];
    if (kind < 0) {
        const SiteView view{kind,
                            state::G().mapSetting[state::MapSetting::theme],
                            l[Lord::themeCounter],
                            l[Lord::heroLevel],
                            l[Lord::honor],
                            l[Lord::gold],
                            s[MapSite::countdown] != 0};
        return ThemeSiteValue(v, view);
    }
    if (kind == SiteKind::city) return CityValue(v, lord, site);
    if (kind == SiteKind::sorcerer || kind == SiteKind::shrine) return 0;
    for (const PaidSite& p : kPaidSites) {
        if (p.kind == kind)
            return s[MapSite::countdown] != 0 || l[Lord::gold] < p.gold ? 0 : v + 5000;
    }
    if (kind > SiteKind::soldierCamp) return 0;
    return v;
}

int EnemyArmyValue(int v, int lord, int x, int y) {
    const int mine = ArmyStrength(lord);
    for (int p = 1; p <= kLords; ++p) {
        if (p == lord || !InGame(p) || !ArmyAt(p, x, y)) continue;
        const int theirs = ArmyStrength(p);
        if (mine < theirs) v = -50;
        if (mine < theirs / 2) v = -1000;
        if (std::int64_t{theirs} + theirs / 3 < mine) v += 1000;
    }
    return v;
}

}  // namespace

int GarrisonStrength(int site) {
    if (!state::InRange(site, 1, kSiteRows)) return 0;
    const auto& s = state::G().mapSite[site];
    std::int64_t sum = 0;
    for (int k = 0; k < 4; ++k)
        sum += std::int64_t{s[MapSite::garrison + k]} * TroopHealth(k + 1);
    return state::Saturate(sum);
}

int TileValue(int lord, int x, int y) {
    if (!ValidLord(lord) || !OnMap(x, y)) return 0;
    const auto& l = LordRecord(lord);
    int v = 0;
    for (int p = 1; p <= kLords; ++p) {
        if (!CastleAt(p, x, y)) continue;
        v = l[Lord::aiGoal] == Goal::attackCastle && p == l[Lord::aiTarget] ? kCastleTarget
                                                                            : -kCastleTarget;
        break;
    }
    if (const int slot = SpawnFieldAt(x, y); slot != 0) {
        v += 1000;
        if (state::G().spawnField[slot][state::SpawnField::kind] == SpawnKind::trader &&
            BuildingGoal(l[Lord::aiGoal]) && l[Lord::gold] > 199 && l[Lord::aiTarget] > 0)
            v += 5000;
    }
    const auto& sites = state::G().mapSite;
    for (int r = 1; r <= kSiteRows; ++r) {
        if (sites[r][MapSite::active] > 0 && sites[r][MapSite::x] == x && sites[r][MapSite::y] == y)
            v = SiteValue(v, lord, r);
    }
    v = EnemyArmyValue(v, lord, x, y);
    if (StepDistance(l[Lord::castleX], l[Lord::castleY], x, y) > l[Lord::moveRange]) v = kAvoid;
    return v;
}

}  // namespace logic
