// The start of a battle from a step: the interactive battle when the human takes part, the
// automatic battle settled at once between two computer lords.
#pragma once

namespace logic {

// The attacker's army, which stood on (fromX, fromY), attacks the defender's army on (toX, toY).
void StartBattleStep(int attacker, int defender, int fromX, int fromY, int toX, int toY);

}  // namespace logic
