// The theme rules of start values and taxes.
#include "events/theme_rules.h"

#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/themes.h"

namespace logic {

namespace Lord = state::Lord;
namespace Site = state::MapSite;

namespace {

constexpr int kKeepGold = 2500;
constexpr int kKeepRange = 100;
constexpr int kCurseReturnChance = 5;
constexpr int kCurseReturnDraw = 10000;
constexpr int kNeighbourDx[4] = {1, -1, 0, 0};
constexpr int kNeighbourDy[4] = {0, 0, 1, -1};

int Theme() {
    return state::G().mapSetting[state::MapSetting::theme];
}

}  // namespace

bool ApplyThemeStartValues(int theme) {
    if (theme != state::kKeepTheme) return false;
    for (int p = 1; p <= kLords; ++p) {
        auto& l = LordRecord(p);
        l[Lord::keep] = 1;
        l[Lord::gold] = kKeepGold;
        l[Lord::moveRange] = kKeepRange;
    }
    return true;
}

bool CurseTheme(int theme) {
    return theme == state::kGraveyardsTheme || theme == state::kCursedCitiesTheme;
}

bool CityCursed(int site) {
    if (!CurseTheme(Theme()) || !state::InRange(site, 1, kSiteRows)) return false;
    const auto& sites = state::G().mapSite;
    const int cx = sites[site][Site::x], cy = sites[site][Site::y];
    for (int i = 1; i <= kSiteRows; ++i) {
        if (sites[i][Site::active] != 1 || sites[i][Site::kind] >= 0) continue;
        for (int d = 0; d < 4; ++d) {
            if (sites[i][Site::x] == cx + kNeighbourDx[d] &&
                sites[i][Site::y] == cy + kNeighbourDy[d])
                return true;
        }
    }
    return false;
}

int MaybeReturnCurse() {
    if (!CurseTheme(Theme())) return 0;
    if (state::Random(kCurseReturnDraw) >= kCurseReturnChance) return 0;
    auto& sites = state::G().mapSite;
    for (int i = kSiteRows; i >= 1; --i) {
        if (sites[i][Site::active] <= 0 && sites[i][Site::kind] < 0) {
            sites[i][Site::active] = 1;
            Hooks().View().DrawSiteIcon(i);
            return i;
        }
    }
    return 0;
}

bool SiegeHoldsTaxes() {
    return Theme() == state::kGatesOfHellTheme && AnySiteOfKind(SiteKind::mainTheme);
}

}  // namespace logic
