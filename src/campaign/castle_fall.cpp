#include "campaign/castle_fall.h"

#include "campaign/campaign_hooks.h"
#include "campaign/castle_markers.h"
#include "campaign/dialogs.h"
#include "campaign/lords.h"
#include "campaign/turn_cycle.h"

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
