#include "campaign/castle_markers.h"

#include "campaign/campaign_hooks.h"
#include "campaign/lords.h"

namespace logic {

MarkerPlace CastleMarkerPosition(int lord) {
    if (!InGame(lord)) return {};
    const auto& l = LordRecord(lord);
    const int x = l[state::Lord::castleX];
    const int y = l[state::Lord::castleY];
    if (x <= 0 || y <= 0) return {};
    return {x * 50 - 42, y * 50 - 42, true};
}

void PlaceCastleMarkers() {
    for (int p = 1; p <= kLords; ++p) {
        const MarkerPlace m = CastleMarkerPosition(p);
        Hooks().View().PlaceCastleMarker(p, m.left, m.top, m.visible);
    }
}

}  // namespace logic
