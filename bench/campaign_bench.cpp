// Speed of the turn cycle without drawing: one full round of four lords (three computer lords
// with their decision steps, and the human's skip), with the round's spawn field pass, on an
// open map.
#include <benchmark/benchmark.h>

#include "campaign/turn_cycle.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/reset.h"

namespace {

void SetUpGame() {
    state::GameState& g = state::G();
    state::ResetGameState(g);
    state::SeedRandom(1);
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y)
            g.field[x][y][state::Field::walkable] = 1;
    }
    const int castles[4][2] = {{1, 1}, {12, 1}, {12, 11}, {1, 11}};
    for (int p = 1; p <= 4; ++p) {
        g.lord[p][state::Lord::inGame] = 1;
        g.lord[p][state::Lord::controller] = p == 1 ? 1 : 2;
        g.lord[p][state::Lord::castleX] = castles[p - 1][0];
        g.lord[p][state::Lord::castleY] = castles[p - 1][1];
        g.army[p][state::Army::present] = 1;
        g.army[p][state::Army::x] = castles[p - 1][0];
        g.army[p][state::Army::y] = castles[p - 1][1];
        g.army[p][state::Army::soldiers] = 4;
    }
    g.currentLord = 1;
}

void BM_FullRound(benchmark::State& st) {
    SetUpGame();
    for (auto _ : st) {
        // From lord 1 to lord 2, 3, 4 and back to lord 1 (the wrap runs the round's updates).
        for (int turn = 0; turn < 4; ++turn)
            logic::NextLord();
        benchmark::DoNotOptimize(state::G().currentLord);
    }
}
BENCHMARK(BM_FullRound)->Iterations(10000);

}  // namespace
