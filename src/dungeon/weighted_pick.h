// The weighted draw that picks monsters, treasures, bosses and items: the total of the weights
// is computed first, a total of 0 picks nothing without drawing, otherwise p = 1 + a draw in
// [0, total) picks the first candidate, in table order, at which the running sum reaches p.
#pragma once

#include <vector>

namespace logic {

struct Weighted {
    int row;
    int weight;
};

// The picked row, or 0 when the total is 0.
int WeightedPick(const std::vector<Weighted>& candidates);

}  // namespace logic
