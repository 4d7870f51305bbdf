// Speed of one city round over ten cities with a full item catalogue (every guild shop scans it
// when a slot is refilled).
#include <benchmark/benchmark.h>

#include "campaign/city_round.h"
#include "state/game_state.h"
#include "state/random.h"
#include "state/reset.h"

namespace {

void SetUpCities() {
    state::GameState& g = state::G();
    state::ResetGameState(g);
    state::SeedRandom(1);
    for (int p = 1; p <= 4; ++p) {
        g.lord[p][state::Lord::controller] = p == 1 ? 1 : 2;
        g.lord[p][state::Lord::heroLevel] = 3;
    }
    g.lord[2][state::Lord::Built(5)] = 1;
    for (int item = 1; item <= 500; ++item) {
        auto& it = g.itemTable[item];
        it[state::ItemTable::exists] = 1;
        it[state::ItemTable::itemLevel] = 1 + item % 8;
        it[state::ItemTable::rarity] = 1 + item % 4;
    }
    for (int site = 1; site <= 10; ++site) {
        auto& s = g.mapSite[site];
        s[state::MapSite::active] = 1;
        s[state::MapSite::kind] = 1;
        s[state::MapSite::x] = site;
        s[state::MapSite::y] = 1 + site % 11;
        s[state::MapSite::owner] = site % 5;
        s[state::MapSite::size] = site % 4;
    }
    // Settled cities, as after the rounds of a new game.
    for (int round = 0; round < 12; ++round)
        logic::CityRound();
}

void BM_CityRound(benchmark::State& st) {
    SetUpCities();
    for (auto _ : st) {
        logic::CityRound();
        benchmark::DoNotOptimize(state::G().mapSite[1][state::MapSite::taxes]);
    }
}
BENCHMARK(BM_CityRound)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
