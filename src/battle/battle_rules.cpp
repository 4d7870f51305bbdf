// The campaign's way into the battle rules.
#include "battle/battle_rules.h"

#include "battle/auto_battle.h"
#include "battle/battle_clock.h"
#include "battle/battle_engine.h"

namespace logic {

void BattleRules::StartBattle(int humanLord, int otherLord) {
    logic::StartBattle(humanLord, otherLord);
}

void BattleRules::AutoBattle() {
    AutoBattleRounds();
}

void BattleRules::PauseBattle() {
    PauseBattleForDialog();
}

void BattleRules::ResumeBattle() {
    ResumeBattleAfterDialog();
}

void InstallBattleRules() {
    // The rules keep no state of their own; one instance serves the whole run.
    static BattleRules rules;
    Hooks().SetBattles(&rules);
}

}  // namespace logic
