// The shared steps of the theme places.
#include "rules/theme_basics.h"

#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/value_ranges.h"

namespace logic {

namespace Army = state::Army;
namespace Site = state::MapSite;

int ScenarioTheme() {
    return state::G().mapSetting[state::MapSetting::theme];
}

void EndTheme() {
    state::G().mapSetting[state::MapSetting::theme] = 0;
}

state::RecordOf<100>& SiteRecord(int site) {
    return state::G().mapSite[site];
}

int Countdown(int site) {
    return SiteRecord(site)[Site::countdown];
}

void ClearSite(int site) {
    state::G().mapSite.ClearRows(site, site);
}

void GrantSpecial(int lord, int count, SpecialTroop troop) {
    auto& a = ArmyRecord(lord);
    a[Army::specialCount] = state::AddWithin(a[Army::specialCount], count, 0, state::kTroopLimit);
    a[Army::specialType] = troop.kind;
    a[Army::specialClass] = troop.troopClass;
}

int RandomBand() {
    return 2 + state::Random(4);
}

void EndTurn(int lord) {
    ArmyRecord(lord)[Army::movesLeft] = 0;
}

void RedrawStatus() {
    Hooks().View().DrawStatusBar();
}

void TellHumanAbout(int lord, const std::string& title, const std::string& text) {
    UI().ShowNotice(FactionLogo(lord), title, text, "Continue");
}

}  // namespace logic
