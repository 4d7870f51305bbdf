// Redraw of the strategic window with the battle panel after one strike of the human, on the
// offscreen backend with the generated game data: the strike, the display refresh (vessels,
// bonus lines, status bar, the flashed coat of arms) and the drawing of the panel's area.
#include <benchmark/benchmark.h>

#include <memory>

#include "battle/battle_engine.h"
#include "platform/application.h"
#include "platform/files.h"
#include "rules/dialogs.h"
#include "rules/fixed_answer_dialogs.h"
#include "screens/battle_panel.h"
#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/random.h"
#include "state/reset.h"
#include "support/temp_dir.h"

namespace {

void SetUpBattle() {
    state::GameState& g = state::G();
    state::ResetGameState(g);
    state::ScenarioSetup(g);
    state::SeedRandom(1);
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y) {
            g.field[x][y][state::Field::walkable] = 1;
            g.field[x][y][state::Field::tile] = 200;
        }
    }
    for (int p = 1; p <= 2; ++p) {
        g.lord[p][state::Lord::inGame] = 1;
        g.lord[p][state::Lord::controller] = p;
        g.lord[p][state::Lord::castleX] = p == 1 ? 1 : 12;
        g.lord[p][state::Lord::castleY] = p == 1 ? 1 : 11;
        g.lord[p][state::Lord::heroLevel] = 3;
        g.army[p][state::Army::present] = 1;
        g.army[p][state::Army::x] = 6;
        g.army[p][state::Army::y] = 6;
    }
    g.currentLord = 1;
}

void BM_BattlePanelRedrawAfterStrike(benchmark::State& st) {
    testsupport::TempDir user;
    platform::UseFiles(platform::Files(MARCHHOLT_BENCH_DATA_DIR, user.Path()));
    platform::VirtualClock clock;
    platform::AppOptions options;
    options.headless = true;
    options.clock = &clock;
    platform::Application app(options);
    std::string error;
    if (!app.Init(error)) {
        st.SkipWithError(error.c_str());
        return;
    }
    screens::GameScreens screens(app, screens::StartOptions{true, 1});
    // Every dialog answered at once, so the strikes run without a modal loop.
    logic::FixedAnswerDialogs dialogs({logic::kOfferSecond, 7, 3});
    logic::InstallDialogs(&dialogs);
    SetUpBattle();
    screens.Campaign().Show();
    screens.Campaign().DrawMap(false, false);
    state::GameState& g = state::G();
    for (auto _ : st) {
        st.PauseTiming();
        // Armies large enough that no strike ends the battle.
        g.army[1][state::Army::soldiers] = 200;
        g.army[1][state::Army::archers] = 50;
        g.army[2][state::Army::soldiers] = 5000;
        logic::StartBattle(1, 2);
        app.DrawCanvas();
        st.ResumeTiming();
        logic::PlayerStrike(logic::BattleOrder::attack);
        logic::RefreshBattleDisplay();
        // The message loop redraws what changed: the panel's area.
        app.DrawCanvas(screens.Campaign().Battle().Root().ScreenBounds());
    }
    logic::InstallDialogs(nullptr);
}
BENCHMARK(BM_BattlePanelRedrawAfterStrike)->Unit(benchmark::kMillisecond);

}  // namespace
