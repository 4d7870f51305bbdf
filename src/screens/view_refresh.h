// Makes the windows on screen show what the tables hold now: the strategic status bar, the
// dungeon status column, the city screen and the battle panel. It runs whenever a modal window
// opens or closes, so that every action is seen once its last window has closed.
#pragma once

namespace screens {

class TFCampaign1;
class TFCity;
class TForm3;

void RefreshShownViews(TFCampaign1& campaign, TForm3& dungeon, TFCity& city);

}  // namespace screens
