// One decision step of a computer lord: choose a goal, build or hire for it, value the map,
// and take one step towards the best tile.
#pragma once

namespace logic {

// The step of the current lord (a computer lord in its turn).
void ComputerLordStep();

// The building or hiring that goes with lord's goal (the goal already stored).
void ActOnGoal(int lord, int goal, int enemy);

}  // namespace logic
