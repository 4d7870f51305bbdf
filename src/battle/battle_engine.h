// The interactive battle between the human's side and an enemy side: its start, the human's
// orders and retreat, the enemy's rounds, and the display of the two sides.
#pragma once

#include <array>
#include <string>

#include "battle/battle_sides.h"
#include "rules/battle_view.h"

namespace logic {

// Sets up and shows the battle of playerSideLord (1..4) against enemySideLord (1..4, or 0 for
// the neutral army in Army row 0, whose picture kind and site the caller has put into
// BattleFoeSide first). The battle starts paused.
void StartBattle(int playerSideLord, int enemySideLord);

// The human's side strikes once with command set 1..3.
void PlayerStrike(int commandSet);
// The enemy side's round: its tactic, its strikes or its retreat, then the end test.
void EnemyRound();
// Current strengths, vessels, bonus lines, the status panel and the heroic actions.
void RefreshBattleDisplay();

// The order buttons (Attack 1, Flank 2, Defend 3): the strike, then the cool-down.
void GiveOrder(int commandSet);
// The Retreat button.
void RetreatOrder();

// The vessel of a side with start strength `start` and current strength `current`.
std::string VesselPicture(int start, int current);

// What the information panel over a coat of arms shows.
struct SideInfo {
    std::string title;  // "Your army:" or "Enemy army:"
    std::array<int, 5> counts{};
    std::string orderPicture;
    std::string orderCaption;
};
SideInfo HoverInfo(BattleSideId side);

}  // namespace logic
