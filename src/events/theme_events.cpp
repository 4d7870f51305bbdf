// The choice of a theme place's handler by the scenario theme, the set-piece opponents, the
// event battles and the follow-ups of a won event battle.
#include "events/theme_events.h"

#include "dungeon/set_piece_duel.h"
#include "events/theme_common.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace logic {

namespace {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Monster = state::MonsterTable;

struct ThemePlaces {
    int theme;
    ThemeHandler main;       // kind -1
    ThemeHandler secondary;  // kinds -2 and -3
};

constexpr ThemePlaces kThemePlaces[] = {
    {1, DragonAtThePass, nullptr},
    {2, OrcCamp, OrcCamp},
    {3, Dwarves, DwarvenMine},
    {4, Arena, nullptr},
    {6, CauldronOfDoom, CauldronOfDoom},
    {7, Elves, nullptr},
    {8, DragonAltar, nullptr},
    {9, Graveyard, Graveyard},
    {10, TheEldest, nullptr},
    {12, GateOfHell, nullptr},
    {13, MordulsCitadel, nullptr},
    {14, Efreet, nullptr},
    {15, CrusaderCamp, CrusaderCamp},
    {16, Tombs, Tombs},
    {17, DemonAltar, nullptr},
    {19, Arena, nullptr},
};

}  // namespace

void ThemeEvent(int site) {
    if (!state::InRange(site, 1, 10)) return;
    const int lord = CurrentLordChecked();
    if (lord == 0) return;
    const int kind = SiteRecord(site)[state::MapSite::kind];
    if (kind != -1 && kind != -2 && kind != -3) return;
    const int theme = ScenarioTheme();
    for (const ThemePlaces& t : kThemePlaces) {
        if (t.theme != theme) continue;
        const ThemeHandler handler = kind == -1 ? t.main : t.secondary;
        if (handler != nullptr) handler(lord, site);
        return;
    }
}

}  // namespace logic
