#include "campaign/turn_hints.h"

#include "campaign/movement.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

// The low-health warning is the dungeon screen's own (LowHealthHint after every move there).
void TurnStartHints() {
    const int c = CurrentLordChecked();
    if (c == 0) return;
    auto& lord = LordRecord(c);
    for (int p = 1; p <= kLords; ++p) {
        if (p == c || !InGame(p) || ArmyRecord(p)[Army::present] <= 0) continue;
        const auto& a = ArmyRecord(p);
        if (StepDistance(lord[Lord::castleX], lord[Lord::castleY], a[Army::x], a[Army::y]) >= 3)
            continue;
        if (Hooks().View().IsBattleShown() || lord[Lord::enemyCloseHintShown] != 0) continue;
        lord[Lord::enemyCloseHintShown] = 1;
        UI().ShowHelp("m2_castle.jpg", "Help mode: Enemy is close!",
                      "An enemy army is in reach of your castle! You should open a magic portal "
                      "using the \"Portal\" command (left part of the screen) and return to your "
                      "castle immediately or the game could be lost! This warning only appears "
                      "once.");
    }
}

}  // namespace logic
