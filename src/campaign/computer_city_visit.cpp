// A computer lord's visit to a city. The garrison fights from the scratch army row; a city is
// taken only when the garrison is beaten and the lord's army still stands.
#include "campaign/computer_city_visit.h"

#include "battle/auto_battle.h"
#include "battle/battle_sides.h"
#include "campaign/computer_goals.h"
#include "campaign/tile_value.h"
#include "campaign/trading.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;
namespace MapSite = state::MapSite;

namespace {

// The picture kind of a neutral city's garrison in battle.
constexpr int kCityPicture = 1;
constexpr int kConquestHonor = 2;

void StepBack(int lord) {
    auto& a = ArmyRecord(lord);
    if (!OnMap(a[Army::prevX], a[Army::prevY])) return;
    a[Army::x] = a[Army::prevX];
    a[Army::y] = a[Army::prevY];
}

// The automatic battle of lord against the city's garrison; true when the city is taken.
bool AttackCity(int lord, int site) {
    state::GameState& g = state::G();
    const auto& s = g.mapSite[site];
    auto& scratch = g.army[Army::kScratchRow];
    scratch.fill(0);
    for (int k = 0; k < 4; ++k)
        scratch[kArmyTroop[k]] = s[MapSite::garrison + k];
    g.battleOver = false;
    g.battleOwnSide.Clear();
    g.battleFoeSide.Clear();
    FillSideFromArmy(g.battleOwnSide, lord);
    FillSideFromArmy(g.battleFoeSide, Army::kScratchRow);
    g.battleFoeSide[BattleSide::neutralPicture] = kCityPicture;
    g.battleFoeSide[BattleSide::site] = site;
    AutoBattleRounds();
    WriteSideToArmy(g.battleOwnSide);
    scratch.fill(0);
    Hooks().Screens().RefreshComputerStatus();
    if (ArmyEmpty(lord)) {
        SendArmyHome(lord);
        return false;
    }
    // A retreat or the round limit takes nothing: the garrison must be beaten.
    return SideEmpty(g.battleFoeSide) && !SideEmpty(g.battleOwnSide);
}

}  // namespace

void ComputerCityVisit(int site) {
    const int c = CurrentLordChecked();
    if (c == 0 || !state::InRange(site, 1, kSiteRows)) return;
    auto& s = state::G().mapSite[site];
    auto& l = LordRecord(c);
    const int goal = l[Lord::aiGoal];
    const int owner = s[MapSite::owner];
    if (owner == c) {
        l[Lord::gold] = state::AddSaturated(l[Lord::gold], s[MapSite::taxes]);
        s[MapSite::taxes] = 0;
        if (BuildingGoal(goal)) {
            const TradeOffer offer = RollTrader();
            ComputerTrade(c, offer);
            ComputerBuyMissing(c, offer);
        }
        return;
    }
    if (owner == 0 && BuildingGoal(goal)) ComputerBuyMissing(c, RollTrader());
    if (GarrisonStrength(site) >= ArmyStrength(c) || goal == Goal::enemyClose ||
        goal == Goal::attackCastle) {
        StepBack(c);
        return;
    }
    if (!AttackCity(c, site)) return;
    l[Lord::honor] = state::AddSaturated(l[Lord::honor], kConquestHonor);
    s[MapSite::owner] = c;
    s[MapSite::countdown] = 0;
    s[MapSite::size] = state::AddWithin(s[MapSite::size], 1, 0, state::kCountLimit);
}

}  // namespace logic
