// The automatic battle.
#include "battle/auto_battle.h"

#include "battle/battle_sides.h"
#include "battle/strike.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/random.h"

namespace logic {

namespace BattleSide = state::BattleSide;

namespace {

// The mover strikes as the human's side does, the other lord as the enemy side does; in the
// automatic battle both special slots strike with the opposing side's hero bonus.
constexpr StrikeStyle kMoverStyle{true, true};
constexpr StrikeStyle kOtherStyle{false, true};

// One side's half of a round. True when the battle ends with it.
bool HalfRound(const Fighter& a, const Fighter& d, StrikeStyle style) {
    if (SideEmpty(a.side) || SideEmpty(d.side)) return true;
    a.side[BattleSide::strength] = SideStrength(a.side);
    d.side[BattleSide::strength] = SideStrength(d.side);
    const int tactic = ChooseTactic(a, d);
    a.side[BattleSide::order] = tactic;
    if (tactic == BattleOrder::retreat) {
        SendArmyHome(a.side[BattleSide::lord]);
        return true;
    }
    StrikeAll(a, d, style);
    if (state::Random(1000) <= 200) a.side[BattleSide::heroicOrMayRetreat] = 1;
    return SideEmpty(a.side) || SideEmpty(d.side);
}

}  // namespace

void AutoBattleRounds() {
    state::GameState& g = state::G();
    const Fighter mover{g.battleOwnSide, g.battleOrdersOwn};
    const Fighter other{g.battleFoeSide, g.battleOrdersFoe};
    for (int round = 0; round < kAutoBattleRounds; ++round) {
        if (HalfRound(mover, other, kMoverStyle) || HalfRound(other, mover, kOtherStyle)) {
            g.battleOver = true;
            return;
        }
    }
    SendArmyHome(g.battleOwnSide[BattleSide::lord]);
    SendArmyHome(g.battleFoeSide[BattleSide::lord]);
    g.battleOver = true;
}

void AutoBattle(int moverLord, int otherLord) {
    state::GameState& g = state::G();
    if (!ValidLord(moverLord) || !ValidLord(otherLord)) return;
    g.battleOver = false;
    g.battleOwnSide.Clear();
    g.battleFoeSide.Clear();
    FillSideFromArmy(g.battleOwnSide, moverLord);
    FillSideFromArmy(g.battleFoeSide, otherLord);
    AutoBattleRounds();
    WriteSideToArmy(g.battleOwnSide);
    WriteSideToArmy(g.battleFoeSide);
    Hooks().Screens().RefreshComputerStatus();
}

}  // namespace logic
