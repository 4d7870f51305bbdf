// The start of a battle from a step: the interactive battle when the human takes part, the
// automatic battle settled at once between two computer lords.
#pragma once

namespace logic {

// The hero bonus in battle by hero level, and the castle bonus of an army on its own castle.
int HeroBonus(int heroLevel);
int CastleBonus(int lord);

// Lord c's army, which stood on (ax, ay), attacks lord o's army on (x, y).
void StartBattleStep(int c, int o, int ax, int ay, int x, int y);

}  // namespace logic
