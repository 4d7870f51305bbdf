#include "campaign/city_visit.h"

#include "battle/battle_engine.h"
#include "campaign/cities.h"
#include "campaign/guild_shop.h"
#include "campaign/trading.h"
#include "campaign/tutorial_grants.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;
namespace Site = state::MapSite;
namespace BattleSide = state::BattleSide;

namespace {

// The neutral side's picture kind of a city garrison.
constexpr int kGarrisonPicture = 1;

enum class Standing { neutral, friendly, hostile };

Standing StandingOf(const state::RecordOf<100>& city, int lord) {
    const int owner = city[Site::owner];
    if (owner == 0) return Standing::neutral;
    return owner == lord ? Standing::friendly : Standing::hostile;
}

// The city at `site` as seen by the current lord, when that lord's army stands in it.
state::RecordOf<100>* VisitedCity(int site, int& lord) {
    lord = CurrentLordChecked();
    if (lord == 0 || CityUnderArmy(lord) != site) return nullptr;
    return CitySite(site);
}

}  // namespace

int CityUnderArmy(int lord) {
    if (!ValidLord(lord)) return 0;
    const auto& a = ArmyRecord(lord);
    for (int site = 1; site <= kSiteRows; ++site) {
        const auto* s = CitySite(site);
        if (s && (*s)[Site::x] == a[Army::x] && (*s)[Site::y] == a[Army::y]) return site;
    }
    return 0;
}

void VisitCity() {
    if (IsHuman(CurrentLordChecked())) OpenCity();
}

void OpenCity() {
    const int site = CityUnderArmy(CurrentLordChecked());
    if (site == 0) return;
    if (Hooks().Screens().ShowCity(site) != kCityAttack) return;
    AdvanceTutorial(TutorialStep::cityAttacked, ArrangeTutorialStep);
    AttackCity(site);
}

std::string TaxCaption(int taxes) {
    return "Collect taxes (" + std::to_string(taxes) + " gold)";
}

CityView DescribeCity(int site, int lord) {
    CityView v;
    const auto* s = CitySite(site);
    if (!s) return v;
    switch (StandingOf(*s, lord)) {
        case Standing::neutral:
            v.title = "City (Neutral)";
            v.attack = v.trade = true;
            break;
        case Standing::friendly:
            v.title = "City (Friendly)";
            v.trade = v.taxes = v.buyItems = true;
            break;
        case Standing::hostile:
            v.title = "City (Hostile)";
            v.attack = true;
            break;
    }
    v.taxCaption = TaxCaption((*s)[Site::taxes]);
    v.soldiers = (*s)[Site::garrison + kGarrisonSoldiers];
    v.archers = (*s)[Site::garrison + kGarrisonArchers];
    return v;
}

bool AttackCity(int site) {
    int c = 0;
    const auto* s = VisitedCity(site, c);
    if (!s || StandingOf(*s, c) == Standing::friendly) return false;
    state::GameState& g = state::G();
    // Row 0 may still hold the troops of an earlier event battle: nothing of it may remain.
    g.army.ClearRows(Army::kScratchRow, Army::kScratchRow);
    auto& garrison = g.army[Army::kScratchRow];
    garrison[Army::soldiers] = (*s)[Site::garrison + kGarrisonSoldiers];
    garrison[Army::fast] = (*s)[Site::garrison + kGarrisonFast];
    garrison[Army::archers] = (*s)[Site::garrison + kGarrisonArchers];
    garrison[Army::siege] = (*s)[Site::garrison + kGarrisonSiege];
    g.battleFoeSide[BattleSide::neutralPicture] = kGarrisonPicture;
    g.battleFoeSide[BattleSide::site] = site;
    ArmyRecord(c)[Army::movesLeft] = 0;
    g.battleStarted = true;
    g.battleHumanLord = c;
    g.battleOtherLord = 0;
    StartBattle(c, 0);
    return true;
}

void LeaveCity(int site) {
    int c = 0;
    const auto* s = VisitedCity(site, c);
    if (!s || StandingOf(*s, c) == Standing::friendly) return;
    auto& a = ArmyRecord(c);
    if (!OnMap(a[Army::prevX], a[Army::prevY])) return;
    a[Army::x] = a[Army::prevX];
    a[Army::y] = a[Army::prevY];
}

bool CollectTaxes(int site) {
    int c = 0;
    auto* s = VisitedCity(site, c);
    if (!s || StandingOf(*s, c) != Standing::friendly) return false;
    LordRecord(c)[Lord::gold] = state::AddSaturated(LordRecord(c)[Lord::gold], (*s)[Site::taxes]);
    (*s)[Site::taxes] = 0;
    Hooks().View().DrawStatusBar();
    return true;
}

void OpenTrading(int site) {
    int c = 0;
    auto* s = VisitedCity(site, c);
    if (!s || StandingOf(*s, c) == Standing::hostile) return;
    TradeOffer offer;
    for (int i = 0; i < kCityGoods; ++i) {
        offer.price[static_cast<std::size_t>(i)] = (*s)[Site::prices + i];
        offer.stock[static_cast<std::size_t>(i)] = (*s)[Site::stock + i];
    }
    Hooks().Screens().OpenTrading(offer);
    for (int i = 0; i < kCityGoods; ++i)
        (*s)[Site::stock + i] = offer.stock[static_cast<std::size_t>(i)];
}

void BuyHeroItems(int site) {
    int c = 0;
    const auto* s = VisitedCity(site, c);
    if (!s || StandingOf(*s, c) != Standing::friendly) return;
    if (!HasBuilt(c, CastleBuilding::guildhouse)) {
        UI().ShowShortNotice(kNeedGuildhouse, "Continue");
        return;
    }
    Hooks().Screens().ShowGuildShop(site);
}

}  // namespace logic
