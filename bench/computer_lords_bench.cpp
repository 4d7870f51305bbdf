// Speed of the computer lords: one round of four computer lords with the real decision steps on
// an open map, the worst single step (the largest open map, the army far from its target), and
// self-played rounds of a shipped scenario.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "app/autoplay.h"
#include "campaign/computer_lord.h"
#include "campaign/turn_cycle.h"
#include "platform/files.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/random.h"
#include "state/reset.h"

namespace {

void OpenMapOfComputerLords() {
    state::GameState& g = state::G();
    state::ResetGameState(g);
    state::ScenarioSetup(g);
    state::SeedRandom(1);
    const int castles[4][2] = {{1, 1}, {12, 1}, {12, 11}, {1, 11}};
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y)
            g.field[x][y][state::Field::walkable] = 1;
    }
    for (int p = 1; p <= 4; ++p) {
        auto& l = g.lord[p];
        l[state::Lord::inGame] = 1;
        l[state::Lord::controller] = 2;
        l[state::Lord::castleX] = castles[p - 1][0];
        l[state::Lord::castleY] = castles[p - 1][1];
        l[state::Lord::gold] = 5000;
        l[state::Lord::moveRange] = 99;
        g.army[p][state::Army::present] = 1;
        g.army[p][state::Army::x] = castles[p - 1][0];
        g.army[p][state::Army::y] = castles[p - 1][1];
    }
    g.currentLord = 1;
}

void BM_ComputerRound(benchmark::State& st) {
    OpenMapOfComputerLords();
    for (auto _ : st) {
        for (int turn = 0; turn < 4; ++turn)
            logic::NextLord();
        benchmark::DoNotOptimize(state::G().currentLord);
    }
}
BENCHMARK(BM_ComputerRound)->Unit(benchmark::kMillisecond);

// Every building, a far enemy castle to attack: the whole map is valued and both path lists
// fill before the search reaches the army.
void BM_ComputerStepWorstCase(benchmark::State& st) {
    OpenMapOfComputerLords();
    state::GameState& g = state::G();
    for (int b = 1; b <= 8; ++b)
        g.lord[1][state::Lord::Built(b)] = 1;
    g.army[1][state::Army::soldiers] = 200;
    g.army[1][state::Army::siege] = 5;
    for (auto _ : st) {
        g.army[1][state::Army::x] = 2;
        g.army[1][state::Army::y] = 2;
        g.army[1][state::Army::movesLeft] = 4;
        logic::ComputerLordStep();
        benchmark::DoNotOptimize(g.army[1][state::Army::x]);
    }
}
BENCHMARK(BM_ComputerStepWorstCase)->Unit(benchmark::kMillisecond);

// Self-played rounds of "desertofdarkness"; rounds per second are the counter "rounds".
void BM_AutoplayRounds(benchmark::State& st) {
    platform::UseFiles(platform::Files::FromEnvironment("marchholt_bench"));
    std::FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : st) {
        app::AutoplayOptions options;
        options.scenario = "desertofdarkness";
        options.rounds = 200;
        options.seed = 1;
        benchmark::DoNotOptimize(app::RunAutoplay(options, sink));
    }
    std::fclose(sink);
    st.counters["rounds"] =
        benchmark::Counter(static_cast<double>(st.iterations()) * 200, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AutoplayRounds)->Unit(benchmark::kMillisecond);

}  // namespace
