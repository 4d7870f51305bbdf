// The weighted draw shared by the dungeon's choices.
#include "dungeon/weighted_pick.h"

#include "state/random.h"

namespace logic {

int WeightedPick(const std::vector<Weighted>& candidates) {
    int total = 0;
    for (const Weighted& c : candidates)
        total += c.weight;
    if (total <= 0) return 0;
    const int p = 1 + state::Random(total);
    int sum = 0;
    for (const Weighted& c : candidates) {
        sum += c.weight;
        if (sum >= p) return c.row;
    }
    return 0;
}

}  // namespace logic
