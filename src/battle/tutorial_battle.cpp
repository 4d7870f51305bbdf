// The tutorial battle's smaller enemy.
#include "battle/tutorial_battle.h"

#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "rules/tutorial_table.h"
#include "state/battle_tables.h"
#include "state/game_state.h"

namespace logic {

namespace {

namespace BattleSide = state::BattleSide;

constexpr int kBattleSoldiers = 2, kBattleArchers = 1;

// Step 52: the enemy of the tutorial battle shrinks to two soldiers and one archer battalion.
void ShrinkTutorialEnemy() {
    state::GameState& g = state::G();
    auto& foe = g.battleFoeSide;
    foe[BattleSide::soldiers] = kBattleSoldiers;
    foe[BattleSide::fast] = 0;
    foe[BattleSide::archers] = kBattleArchers;
    foe[BattleSide::siege] = 0;
    foe[BattleSide::startStrength] = SideStrength(foe);
    RefreshBattleDisplay();
}

}  // namespace

void ArrangeBattleTutorialStep(int step) {
    if (step == TutorialStep::smallerEnemy && !state::G().battleOver) ShrinkTutorialEnemy();
}

}  // namespace logic
