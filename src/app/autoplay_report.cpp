// The self-played game's report lines: the scenario's size and the use of its theme places.
#include "app/autoplay_report.h"

#include "rules/lords.h"
#include "rules/sites.h"
#include "state/game_state.h"
#include "state/scenario_settings.h"

namespace app {

namespace {

namespace Site = state::MapSite;

// Everything a theme event may change for the lord that stands on the site.
struct EventView {
    state::RecordOf<100> lord{};
    state::RecordOf<100> army{};
    state::RecordOf<100> site{};
    int theme = 0;

    bool operator==(const EventView&) const = default;
};

EventView ViewOf(int lord, int site) {
    const state::GameState& g = state::G();
    EventView v;
    v.lord = g.lord[lord];
    v.army = g.army[lord];
    v.site = g.mapSite[site];
    v.theme = g.mapSetting[state::MapSetting::theme];
    return v;
}

// The theme site under the current lord's army: its row, or 0.
int ThemeSiteUnderArmy(int lord) {
    const auto& a = logic::ArmyRecord(lord);
    const int site = logic::SiteAt(a[state::Army::x], a[state::Army::y]);
    if (site == 0 || state::G().mapSite[site][Site::kind] >= 0) return 0;
    return site;
}

}  // namespace

ScenarioSize MeasureScenario() {
    const state::GameState& g = state::G();
    ScenarioSize s;
    s.theme = g.mapSetting[state::MapSetting::theme];
    for (int r = 1; r <= logic::kSiteRows; ++r) {
        if (g.mapSite[r][Site::active] <= 0) continue;
        if (g.mapSite[r][Site::kind] == logic::SiteKind::city)
            ++s.cities;
        else
            ++s.sites;
    }
    for (int r = 1; r <= 100; ++r)
        s.monsters += g.monsterTable[r][state::MonsterTable::exists] > 0;
    for (int r = 1; r <= 500; ++r)
        s.items += g.itemTable[r][state::ItemTable::exists] > 0;
    return s;
}

std::string SizeLine(const std::string& name, const ScenarioSize& size) {
    return "scenario: " + name + " theme=" + std::to_string(size.theme) +
           " cities=" + std::to_string(size.cities) + " sites=" + std::to_string(size.sites) +
           " monsters=" + std::to_string(size.monsters) + " items=" + std::to_string(size.items);
}

void ThemeWatch::SiteVisitBegins() {
    visit_ = {};
    const int lord = logic::CurrentLordChecked();
    const int site = lord == 0 ? 0 : ThemeSiteUnderArmy(lord);
    if (site == 0) return;
    const EventView view = ViewOf(lord, site);
    const bool main = state::G().mapSite[site][Site::kind] == logic::SiteKind::mainTheme;
    visit_ = {lord, site, main, view.lord, view.army, view.site, view.theme};
}

void ThemeWatch::SiteVisitEnds() {
    if (visit_.site == 0) return;
    const bool main = visit_.main;
    const EventView before{visit_.lordRecord, visit_.army, visit_.siteRecord, visit_.theme};
    const bool ran = !(ViewOf(visit_.lord, visit_.site) == before);
    (main ? mainVisits : otherVisits) += 1;
    (main ? mainRuns : otherRuns) += ran;
    visit_ = {};
}

void ThemeWatch::ThemeFindBegins(int lord) {
    counterBefore_ = logic::LordRecord(lord)[state::Lord::themeCounter];
}

void ThemeWatch::ThemeFindEnds(int lord) {
    finds += logic::LordRecord(lord)[state::Lord::themeCounter] > counterBefore_;
}

bool HasMainThemePlace() {
    const state::GameState& g = state::G();
    for (int r = 1; r <= logic::kSiteRows; ++r) {
        if (g.mapSite[r][Site::active] > 0 &&
            g.mapSite[r][Site::kind] == logic::SiteKind::mainTheme)
            return true;
    }
    return false;
}

std::string ThemeLines(int theme, bool hasMainPlace, const ThemeWatch& watch) {
    std::string line = "theme " + std::to_string(theme) + ": main place visited " +
                       std::to_string(watch.mainVisits) + " times, its event ran " +
                       std::to_string(watch.mainRuns) + " times; other theme places visited " +
                       std::to_string(watch.otherVisits) + " times, their event ran " +
                       std::to_string(watch.otherRuns) + " times; theme finds " +
                       std::to_string(watch.finds) + "\n";
    line += "theme event ran: ";
    line += !hasMainPlace ? "no main place" : watch.mainRuns > 0 ? "yes" : "no";
    return line;
}

}  // namespace app
