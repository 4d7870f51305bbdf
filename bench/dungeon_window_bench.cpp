// The dungeon window on the offscreen backend with the generated game data: opening it on a new
// floor once the wait is over (board, status column, the whole window drawn), and the redraw
// after one move of the hero between two visited rooms (the move's rules, the board and the
// status column, and the drawing of the window's area).
#include <benchmark/benchmark.h>

#include <memory>

#include "dungeon/exploration.h"
#include "dungeon/floor_generator.h"
#include "platform/application.h"
#include "platform/files.h"
#include "rules/dialogs.h"
#include "rules/fixed_answer_dialogs.h"
#include "screens/dungeon_bridge.h"
#include "screens/game_screens.h"
#include "screens/tform3.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/random.h"
#include "state/reset.h"
#include "support/temp_dir.h"

namespace {

// A generated floor with the hero in its arrival room, inside the dungeon.
void SetUpFloor() {
    state::GameState& g = state::G();
    state::ResetGameState(g);
    state::ScenarioSetup(g);
    state::SeedRandom(1);
    g.currentLord = 1;
    g.dungeonLord = 1;
    g.lord[1][state::Lord::inGame] = 1;
    g.lord[1][state::Lord::controller] = 1;
    g.hero[1][state::Hero::level] = 1;
    g.hero[1][state::Hero::baseMaxHealth] = 25;
    g.hero[1][state::Hero::health] = 25;
    g.room.Clear();
    while (!g.floorGenerated)
        logic::GenerateFloor();
    for (int x = 1; x <= 7; ++x) {
        for (int y = 1; y <= 5; ++y) {
            auto& r = g.room[x][y];
            if (r[state::Room::exists] != 1) continue;
            r[state::Room::visited] = 1;  // no room event, monster or stairway on the way
            r[state::Room::event] = 0;
            r[state::Room::monster] = 0;
            if (r[state::Room::stairs] == 2) {
                g.hero[1][state::Hero::posX] = x;
                g.hero[1][state::Hero::posY] = y;
            }
            r[state::Room::stairs] = 0;
        }
    }
    g.inDungeon = 1;
}

struct Backend {
    testsupport::TempDir user;
    platform::VirtualClock clock;
    std::unique_ptr<platform::Application> app;
    std::unique_ptr<screens::GameScreens> screens;
    logic::FixedAnswerDialogs dialogs{{logic::kOfferSecond, 7, 3}};
    bool Init(std::string& error) {
        platform::UseFiles(platform::Files(MARCHHOLT_BENCH_DATA_DIR, user.Path()));
        platform::AppOptions options;
        options.headless = true;
        options.clock = &clock;
        app = std::make_unique<platform::Application>(options);
        if (!app->Init(error)) return false;
        screens = std::make_unique<screens::GameScreens>(*app, screens::StartOptions{true, 1});
        logic::InstallDialogs(&dialogs);
        return true;
    }
    ~Backend() { logic::InstallDialogs(nullptr); }
};

void BM_DungeonWindowOpenAfterWait(benchmark::State& st) {
    Backend b;
    std::string error;
    if (!b.Init(error)) {
        st.SkipWithError(error.c_str());
        return;
    }
    screens::TForm3& window = b.screens->Dungeon().Window();
    for (auto _ : st) {
        st.PauseTiming();
        SetUpFloor();
        window.Hide();
        b.app->DrawCanvas();
        st.ResumeTiming();
        logic::DrawDungeon();
        window.Show();
        b.app->DrawCanvas();
    }
}
BENCHMARK(BM_DungeonWindowOpenAfterWait)->Unit(benchmark::kMillisecond);

void BM_DungeonWindowRedrawAfterMove(benchmark::State& st) {
    Backend b;
    std::string error;
    if (!b.Init(error)) {
        st.SkipWithError(error.c_str());
        return;
    }
    screens::TForm3& window = b.screens->Dungeon().Window();
    SetUpFloor();
    logic::DrawDungeon();
    window.Show();
    b.app->DrawCanvas();
    state::GameState& g = state::G();
    for (auto _ : st) {
        // To the first open neighbour and, next time, back again.
        const auto& r = g.room[g.hero[1][state::Hero::posX]][g.hero[1][state::Hero::posY]];
        if (r[state::Room::doorNorth] == 1) {
            logic::MoveNorth();
        } else if (r[state::Room::doorEast] == 1) {
            logic::MoveEast();
        } else if (r[state::Room::doorSouth] == 1) {
            logic::MoveSouth();
        } else {
            logic::MoveWest();
        }
        b.app->DrawCanvas(window.ScreenBounds());
    }
}
BENCHMARK(BM_DungeonWindowRedrawAfterMove)->Unit(benchmark::kMillisecond);

}  // namespace
