#include "campaign/city_round.h"

#include <algorithm>
#include <cstdint>

#include "campaign/cities.h"
#include "campaign/guild_shop.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/themes.h"

namespace logic {

namespace Site = state::MapSite;

namespace {

constexpr int kTaxIncome = 50;
// The themes whose cursed cities pay no taxes next to a theme site, and the theme whose main
// event site stops all taxes.
// The chance, in 10000, that a city in a cursed theme brings the last cleared theme site back.
constexpr int kCurseReturns = 5;

// Soldiers and archers of the garrison by size 0, 1, 2, 3 and above.
constexpr int kGarrison[4][2] = {{2, 1}, {6, 3}, {12, 4}, {18, 6}};

// How a price moves: its start when 0, the draw [offset, offset + spread) and its bounds.
struct PriceRule {
    int start, spread, offset, low, high;
};
constexpr PriceRule kPrices[kCityGoods] = {
    {100, 10, -5, 75, 135},    // wood
    {150, 10, -5, 100, 200},   // iron
    {100, 10, -5, 75, 135},    // stone
    {400, 20, -10, 300, 500},  // gems
};
// The stock a round's restock stops at: wood, iron, stone, gems.
constexpr int kStockCap[kCityGoods] = {20, 14, 20, 10};
constexpr int kRestockChance = 50;

// A theme site that blocks the taxes of its neighbours: active exactly 1 at (x, y).
bool CursingSiteAt(int x, int y) {
    const state::GameState& g = state::G();
    for (int r = 1; r <= kSiteRows; ++r) {
        const auto& s = g.mapSite[r];
        if (s[Site::active] == 1 && s[Site::kind] < 0 && s[Site::x] == x && s[Site::y] == y)
            return true;
    }
    return false;
}

// The last theme site that was cleared comes back.
void WakeLastThemeSite() {
    state::GameState& g = state::G();
    for (int r = kSiteRows; r >= 1; --r) {
        auto& s = g.mapSite[r];
        if (s[Site::active] <= 0 && s[Site::kind] < 0) {
            s[Site::active] = 1;
            Hooks().View().DrawSiteIcon(r);
            return;
        }
    }
}

bool MainThemeSiteActive() {
    const state::GameState& g = state::G();
    for (int r = 1; r <= kSiteRows; ++r) {
        if (g.mapSite[r][Site::kind] == SiteKind::mainTheme && g.mapSite[r][Site::active] > 0)
            return true;
    }
    return false;
}

// The hero level the guild shops stock for: the last human lord's, lord 1's without one.
int ShopHeroLevel() {
    int lord = 1;
    for (int p = 1; p <= kLords; ++p) {
        if (IsHuman(p)) lord = p;
    }
    return LordRecord(lord)[state::Lord::heroLevel];
}

void CityUpdate(int site, int heroLevel) {
    auto& s = state::G().mapSite[site];
    ResetGarrison(site);
    const int t = CityTaxIncome(site);
    // The treasury doubles the income of an owning lord; a neutral city has no buildings.
    s[Site::taxes] = state::AddSaturated(
        s[Site::taxes], HasBuilt(s[Site::owner], CastleBuilding::treasury) ? 2 * t : t);
    if (ScenarioTheme() == state::kGatesOfHellTheme && MainThemeSiteActive()) s[Site::taxes] = 0;
    DriftPrices(site);
    Restock(site);
    RefillGuildShop(site, heroLevel);
}

}  // namespace

void ResetGarrison(int site) {
    auto* s = CitySite(site);
    if (!s) return;
    const int size = std::clamp((*s)[Site::size], 0, 3);
    (*s)[Site::garrison + kGarrisonSoldiers] = kGarrison[size][0];
    (*s)[Site::garrison + kGarrisonFast] = 0;
    (*s)[Site::garrison + kGarrisonArchers] = kGarrison[size][1];
    (*s)[Site::garrison + kGarrisonSiege] = 0;
}

int CityTaxIncome(int site) {
    auto* s = CitySite(site);
    if (!s) return 0;
    const int theme = ScenarioTheme();
    if (theme != state::kGraveyardsTheme && theme != state::kCursedCitiesTheme) return kTaxIncome;
    const int x = (*s)[Site::x];
    const int y = (*s)[Site::y];
    const bool cursed = CursingSiteAt(x + 1, y) || CursingSiteAt(x - 1, y) ||
                        CursingSiteAt(x, y + 1) || CursingSiteAt(x, y - 1);
    if (state::Random(10000) < kCurseReturns) WakeLastThemeSite();
    return cursed ? 0 : kTaxIncome;
}

void DriftPrices(int site) {
    auto* s = CitySite(site);
    if (!s) return;
    for (int i = 0; i < kCityGoods; ++i) {
        const PriceRule& rule = kPrices[i];
        int& price = (*s)[Site::prices + i];
        if (price == 0) price = rule.start;
        const std::int64_t drifted = std::int64_t{price} + rule.offset + state::Random(rule.spread);
        price = static_cast<int>(std::clamp<std::int64_t>(drifted, rule.low, rule.high));
    }
}

void Restock(int site) {
    auto* s = CitySite(site);
    if (!s) return;
    for (int i = 0; i < kCityGoods; ++i) {
        int& stock = (*s)[Site::stock + i];
        // A stock that selling has pushed past the cap keeps what it has.
        if (state::Random(100) < kRestockChance && stock < kStockCap[i]) stock += 1;
    }
}

void CityRound() {
    state::GameState& g = state::G();
    const int heroLevel = ShopHeroLevel();
    for (int site = 1; site <= kSiteRows; ++site) {
        auto& s = g.mapSite[site];
        if (s[Site::active] <= 0) continue;
        if (s[Site::countdown] > 0) s[Site::countdown] -= 1;
        if (s[Site::kind] == SiteKind::city) CityUpdate(site, heroLevel);
    }
}

}  // namespace logic
