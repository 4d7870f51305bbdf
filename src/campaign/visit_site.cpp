// The map event dispatcher.
#include "campaign/visit_site.h"

#include "campaign/city_visit.h"
#include "campaign/computer_city_visit.h"
#include "campaign/tutorial_grants.h"
#include "events/places.h"
#include "events/theme_events.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"

namespace logic {

namespace Army = state::Army;
namespace Site = state::MapSite;

namespace {

// The tutorial step that waits for the army to enter a city.

void VisitCity(int site, int lord) {
    if (IsHuman(lord)) {
        AdvanceTutorial(TutorialStep::cityEntered, ArrangeTutorialStep);
        OpenCity();
    } else if (IsComputer(lord)) {
        ComputerCityVisit(site);
    }
}

// A theme site: the event of the scenario's theme (for the current lord).
void VisitThemeSite(int site, int lord) {
    (void)lord;
    ThemeEvent(site);
}

struct Handler {
    int kind;
    void (*visit)(int site, int lord);
};

constexpr Handler kHandlers[] = {
    {SiteKind::city, &VisitCity},
    {SiteKind::sorcerer, &VisitSorcerer},
    {SiteKind::shrine, &VisitShrine},
    {SiteKind::crusaderCamp, &VisitCamp},
    {SiteKind::archerCamp, &VisitCamp},
    {SiteKind::soldierCamp, &VisitCamp},
    {SiteKind::settlers, &VisitSettlers},
    {SiteKind::witchHut, &VisitWitchHut},
    {SiteKind::ritualPlace, &VisitRitualPlace},
    {SiteKind::mainTheme, &VisitThemeSite},
    {SiteKind::secondTheme, &VisitThemeSite},
    {SiteKind::thirdTheme, &VisitThemeSite},
};

// The event of the site the current lord's army stands on, and its icon drawn anew. Only a
// lord's field army (rows 1..4) stands on the map.
void VisitSiteUnderArmy() {
    const int lord = CurrentLordChecked();
    if (lord == 0) return;
    const auto& a = ArmyRecord(lord);
    const int site = SiteAt(a[Army::x], a[Army::y]);
    if (site == 0) return;
    const int kind = state::G().mapSite[site][Site::kind];
    for (const Handler& h : kHandlers) {
        if (h.kind == kind) {
            h.visit(site, lord);
            break;
        }
    }
    Hooks().View().DrawSiteIcon(site);
}

}  // namespace

void VisitSite() {
    Hooks().Watch().SiteVisitBegins();
    VisitSiteUnderArmy();
    Hooks().Watch().SiteVisitEnds();
}

}  // namespace logic
