// Speed of the dungeon floor generator: one floor made from a fresh seed each time, calls
// repeated until the floor is accepted, as the wait window's ticks do.
#include <benchmark/benchmark.h>

#include "dungeon/floor_generator.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/reset.h"

namespace {

void BM_GenerateFloor(benchmark::State& st) {
    state::GameState& g = state::G();
    state::ResetGameState(g);
    g.hero[1][state::Hero::floor] = 1;
    g.hero[1][state::Hero::floorCount] = 1;
    unsigned seed = 1;
    for (auto _ : st) {
        state::SeedRandom(seed++);
        g.floorGenerated = false;
        while (!g.floorGenerated)
            logic::GenerateFloor();
        benchmark::DoNotOptimize(g.room);
    }
}
BENCHMARK(BM_GenerateFloor)->Iterations(10000);

}  // namespace
