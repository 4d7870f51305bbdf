// Finding and removing map sites.
#include "rules/sites.h"

#include "state/game_state.h"

namespace logic {

namespace Site = state::MapSite;

int SiteAt(int x, int y) {
    const auto& sites = state::G().mapSite;
    for (int i = 1; i <= kSiteRows; ++i) {
        if (sites[i][Site::active] > 0 && sites[i][Site::x] == x && sites[i][Site::y] == y)
            return i;
    }
    return 0;
}

bool AnySiteOfKind(int kind) {
    return LastSiteOfKind(kind) != 0;
}

int LastSiteOfKind(int kind) {
    const auto& sites = state::G().mapSite;
    for (int i = kSiteRows; i >= 1; --i) {
        if (sites[i][Site::active] > 0 && sites[i][Site::kind] == kind) return i;
    }
    return 0;
}

void RemoveSite(int site) {
    if (!state::InRange(site, 1, kSiteRows)) return;
    state::G().mapSite[site][Site::active] = 0;
}

}  // namespace logic
