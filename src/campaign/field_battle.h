// The start of a battle from a step: the interactive battle when the human takes part, the
// automatic battle settled at once between two computer lords.
#pragma once

namespace logic {

// Lord c's army, which stood on (ax, ay), attacks lord o's army on (x, y).
void StartBattleStep(int c, int o, int ax, int ay, int x, int y);

}  // namespace logic
