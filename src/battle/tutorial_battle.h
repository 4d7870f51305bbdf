// What the tutorial arranges in its battle lesson: a smaller enemy.
#pragma once

namespace logic {

// What a step arranges in the battle as the tutorial arrives at it (step 52: the enemy shrinks,
// unless the battle is over).
void ArrangeBattleTutorialStep(int step);

}  // namespace logic
