// The choice of a theme place's handler by the scenario theme and the site's kind.
#include "events/theme_events.h"

#include "events/theme_common.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/themes.h"

namespace logic {

namespace {

struct ThemePlaces {
    int theme;
    ThemeHandler main;       // kind -1
    ThemeHandler secondary;  // kinds -2 and -3
};

constexpr ThemePlaces kThemePlaces[] = {
    {state::kDragonPassTheme, DragonAtThePass, nullptr},
    {state::kOrcCampsTheme, OrcCamp, OrcCamp},
    {state::kDwarvesTheme, Dwarves, DwarvenMine},
    {state::kArenaOfKingsTheme, Arena, nullptr},
    {state::kCauldronsTheme, CauldronOfDoom, CauldronOfDoom},
    {state::kBowTheme, Elves, nullptr},
    {state::kDragonEggsTheme, DragonAltar, nullptr},
    {state::kGraveyardsTheme, Graveyard, Graveyard},
    {state::kRingTheme, TheEldest, nullptr},
    {state::kGatesOfHellTheme, GateOfHell, nullptr},
    {state::kPrincessTheme, MordulsCitadel, nullptr},
    {state::kFrontlineTheme, Efreet, nullptr},
    {state::kCrusadersTheme, CrusaderCamp, CrusaderCamp},
    {state::kCursedCitiesTheme, Tombs, Tombs},
    {state::kFallenAngelTheme, DemonAltar, nullptr},
    {state::kArenaOfSasgorothTheme, Arena, nullptr},
};

}  // namespace

void ThemeEvent(int site) {
    if (!state::InRange(site, 1, 10)) return;
    const int lord = CurrentLordChecked();
    if (lord == 0) return;
    const int kind = SiteRecord(site)[state::MapSite::kind];
    if (kind != SiteKind::mainTheme && kind != SiteKind::secondTheme &&
        kind != SiteKind::thirdTheme)
        return;
    const int theme = ScenarioTheme();
    for (const ThemePlaces& t : kThemePlaces) {
        if (t.theme != theme) continue;
        const ThemeHandler handler = kind == SiteKind::mainTheme ? t.main : t.secondary;
        if (handler != nullptr) handler(lord, site);
        return;
    }
}

}  // namespace logic
