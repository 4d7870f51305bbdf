// Loading a fuzzed saved game or custom scenario and then playing on, with the whole program
// headless: the strategic window draws its map, a round of turns passes with the strategic
// buttons pressed on the way, and the game is saved. Shared by the play-after-load libFuzzer
// targets and the corpus test of the normal build.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "answer_all.h"
#include "campaign/buildings.h"
#include "campaign/hiring.h"
#include "campaign/movement.h"
#include "campaign/scouting.h"
#include "campaign/strategic_buttons.h"
#include "campaign/turn_cycle.h"
#include "fuzz_bases.h"
#include "fuzz_readers.h"
#include "new_game.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "rules/lords.h"
#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "state/checked_scenario.h"
#include "state/reset.h"
#include "state/saved_games.h"
#include "state/scenario_files.h"

namespace fuzzing {

// The program over the fuzzers' own folders (a fuzz target makes one for the whole run). Its data
// folder is empty: every picture is missing, which the screens report once and otherwise ignore, so
// a run costs no picture decoding. Nobody clicks, so the application is told to quit at once: a
// screen that would wait for the player (the trader, a castle) closes again straight away.
class PlayWorld {
  public:
    PlayWorld() {
        UseFolders();
        platform::AppOptions options;
        options.headless = true;
        options.clock = &clock_;
        app_ = std::make_unique<platform::Application>(options);
        std::string error;
        if (!app_->Init(error)) {
            std::fprintf(stderr, "cannot start headless: %s\n", error.c_str());
            std::abort();
        }
        app_->Quit();
        screens_ = std::make_unique<screens::GameScreens>(*app_, screens::StartOptions{true, 1});
    }
    PlayWorld(const PlayWorld&) = delete;
    PlayWorld& operator=(const PlayWorld&) = delete;

    // The map, a round and a half of turns with the buttons, then a save of the game, kept in
    // memory.
    state::SavedGameFiles PlayOn() {
        state::GameState& g = state::G();
        logic::InstallDialogs(&answers_);
        screens::TFCampaign1& map = screens_->Campaign();
        map.DrawMap(true, false);
        map.DrawMap(true, true);
        logic::ResumeTurn();
        for (int turn = 0; turn < 6 && !g.gameOver; ++turn) {
            if (logic::IsHuman(g.currentLord)) Buttons(turn);
            if (!g.gameOver) logic::NextLord();
            map.DrawMap(false, false);
        }
        return state::EncodeSavedGame(g);
    }

  private:
    // What the player may press in a turn of its own.
    void Buttons(int turn) {
        logic::MoveInformation();
        for (int p = 1; p <= logic::kLords; ++p) {
            logic::RightClickArmy(p);
            logic::RightClickCastle(p);
        }
        for (int kind = 1; kind <= 4; ++kind)
            logic::HireUnit(kind);
        logic::BuildSelected(1 + turn % 9);
        logic::MoveTargetClick(turn % 4);
        if (turn == 3) logic::PortalHome();
        logic::SkipTurn();
    }

    platform::VirtualClock clock_;
    std::unique_ptr<platform::Application> app_;
    std::unique_ptr<screens::GameScreens> screens_;
    logic::FixedAnswerDialogs answers_{kAnswerAll};
};

// A game that went on from a file that loaded must save into files that load again: anything
// else means the rules left a game that cannot be played, and the run stops there.
inline void ExpectReadable(const state::SavedGameFiles& saved) {
    static const auto scratch = std::make_unique<state::GameState>();
    std::string error;
    if (state::G().gameOver || state::LoadSavedGame("Autosavegame", saved, error, *scratch)) return;
    std::fprintf(stderr, "a game played on from a good file cannot be loaded: %s\n", error.c_str());
    std::abort();
}

// Loads the changed save, held in memory, and plays on; false when the load refused it. The game
// runs without folders: no file is read or written, and a picture is missing without a look.
inline bool PlaySavedGame(PlayWorld& world, const std::uint8_t* data, std::size_t size) {
    static SavedBase save;
    if (ChangedSave(data, size, save) == nullptr) return false;
    platform::UseFiles(platform::Files());
    std::string error;
    if (!state::LoadSavedGame(state::SlotBaseName(1), {save.ints, save.texts}, error, state::G()))
        return false;
    ExpectReadable(world.PlayOn());
    return true;
}

// Loads the changed scenario as a custom scenario, starts a game with it and plays on; false
// when the scenario did not load.
inline bool PlayScenario(PlayWorld& world, const std::uint8_t* data, std::size_t size) {
    ScenarioBase scenario;
    if (ChangedScenario(data, size, scenario) == nullptr) return false;
    UseFolders();
    for (int f = 0; f < 4; ++f) {
        const Bytes& file = scenario.files[static_cast<std::size_t>(f)];
        WriteFile(scenario.name + kScenarioExtensions[f], file.data(), file.size());
    }
    state::GameState& g = state::G();
    state::ResetGameState(g);
    if (!state::LoadCheckedScenario(
             scenario.name, [](state::GameState& gs) { state::ScenarioSetup(gs); }, g)
             .Ok())
        return false;
    StartLoadedScenario(0);
    ExpectReadable(world.PlayOn());
    return true;
}

}  // namespace fuzzing
