#include "battle/castle_fall.h"

#include "rules/castle_markers.h"
#include "rules/dialogs.h"
#include "rules/game_end.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace logic {

void CastleFalls(int loser, bool announce) {
    if (announce) {
        Hooks().Sound().PlayReward(2);
        UI().ShowNotice(
            FactionLogo(loser), "Defeat!",
            "The " + state::G().realmName[loser] + " has been defeated in the thornfeud!",
            "Continue");
    }
    LordRecord(loser)[state::Lord::inGame] = 0;
    ArmyRecord(loser)[state::Army::present] = 0;
    PlaceCastleMarkers();
    CheckGameEnd();
}

}  // namespace logic
