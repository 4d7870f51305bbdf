// The castle pictures of the lords still in the game.
#include "rules/castle_markers.h"

#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace logic {

CastleMarker CastleMarkerAt(int lord) {
    if (!InGame(lord)) return {};
    const auto& l = LordRecord(lord);
    const int x = l[state::Lord::castleX];
    const int y = l[state::Lord::castleY];
    if (!OnMap(x, y)) return {};
    return {x, y, true};
}

void PlaceCastleMarkers() {
    for (int p = 1; p <= kLords; ++p) {
        const CastleMarker m = CastleMarkerAt(p);
        Hooks().View().PlaceCastleMarker(p, m.x, m.y, m.visible);
    }
}

}  // namespace logic
