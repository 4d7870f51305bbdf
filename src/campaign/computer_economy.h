// What a computer lord does at its castle: one building with its own cost table, and troops
// bought against a budget in proportions shaped by the enemy.
#pragma once

#include <array>

namespace logic {

// Tries to build building b for lord (computer costs, no message). The lord's aiTarget becomes
// b, and 0 again once it is built.
void ComputerBuild(int lord, int building);

// The weights of soldiers, fast melee, archers and siege for lord against enemy (0: none), after
// the lord's goal and buildings have had their say.
using HireWeights = std::array<int, 4>;
HireWeights ComputerHireWeights(int lord, int enemy);

// Spends up to budget of lord's gold on troops shaped against enemy (0: none).
void ComputerHire(int lord, int budget, int enemy);

}  // namespace logic
