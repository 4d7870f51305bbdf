// Speed of one automatic battle of two 200-unit armies fought to its end.
#include <benchmark/benchmark.h>

#include "battle/auto_battle.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/random.h"
#include "state/reset.h"

namespace {

void SetUpArmies() {
    state::GameState& g = state::G();
    const int castles[2][2] = {{12, 1}, {12, 11}};
    for (int i = 0; i < 2; ++i) {
        const int p = i + 2;
        g.lord[p][state::Lord::inGame] = 1;
        g.lord[p][state::Lord::controller] = 2;
        g.lord[p][state::Lord::heroLevel] = 3;
        g.lord[p][state::Lord::castleX] = castles[i][0];
        g.lord[p][state::Lord::castleY] = castles[i][1];
        auto& a = g.army[p];
        a[state::Army::present] = 1;
        a[state::Army::x] = 6 + i;
        a[state::Army::y] = 6;
        a[state::Army::soldiers] = 100;
        a[state::Army::fast] = 40;
        a[state::Army::archers] = 50;
        a[state::Army::siege] = 10;
        a[state::Army::specialCount] = 0;
    }
}

void BM_AutoBattle200(benchmark::State& st) {
    state::GameState& g = state::G();
    state::ResetGameState(g);
    state::ScenarioSetup(g);
    state::SeedRandom(7);
    for (auto _ : st) {
        SetUpArmies();
        logic::AutoBattle(2, 3);
        benchmark::DoNotOptimize(g.army[2][state::Army::soldiers]);
    }
}
BENCHMARK(BM_AutoBattle200);

}  // namespace
