// Makes the windows on screen show what the tables hold now.
#include "screens/view_refresh.h"

#include "battle/battle_engine.h"
#include "dungeon/exploration.h"
#include "screens/battle_panel.h"
#include "screens/tfcampaign1.h"
#include "screens/tfcity.h"
#include "screens/tform3.h"
#include "state/game_state.h"

namespace screens {

void RefreshShownViews(TFCampaign1& campaign, TForm3& dungeon, TFCity& city) {
    const state::GameState& g = state::G();
    if (campaign.Visible()) {
        // A window opening over the map never shows an army where it no longer stands.
        campaign.PlaceArmies();
        if (campaign.Battle().Shown()) {
            logic::RefreshBattleDisplay();  // the panel and the status bar with the battle's troops
        } else {
            campaign.DrawStatusBar();
        }
    }
    if (dungeon.Visible() && g.inDungeon == 1) logic::DrawHeroStatus();
    if (city.Visible()) city.Refresh();
}

}  // namespace screens
