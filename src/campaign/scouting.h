// The scouting reports on enemy lords and castles, and the right-click on armies and castles.
#pragma once

#include <string>

namespace logic {

// The report texts with a scout camp (tested on their own).
std::string ArmyReportText(int lord);
std::string CastleReportText(int lord);

// The reports for the current lord about another lord's army or castle.
void ScoutArmy(int lord);
void ScoutCastle(int lord);

// Right-click on a lord's army picture or castle picture (only in the human's turn).
void RightClickArmy(int lord);
void RightClickCastle(int lord);

}  // namespace logic
