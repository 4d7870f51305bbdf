// A new game from the scenario in the tables, as the scenario sheet and the difficulty screen
// start one: the first lord in the game is the player, the others the computer, difficulty 1,
// then the first round.
#pragma once

#include "campaign/turn_cycle.h"
#include "state/game_state.h"
#include "state/new_game.h"

namespace fuzzing {

// number: the scenario's number (0: the theme of its map, as the list hands it on).
inline void StartLoadedScenario(int number) {
    state::GameState& g = state::G();
    int human = 0;
    for (int p = 1; p <= 4 && human == 0; ++p) {
        if (g.lord[p][state::Lord::inGame] > 0) human = p;
    }
    for (int p = 1; p <= 4; ++p)
        g.lord[p][state::Lord::controller] = p == human ? 1 : 2;
    g.modSetting[state::ModSetting::started] = 1;
    g.playedScenario = number == 0 ? g.mapSetting[state::MapSetting::theme] : number;
    state::SetDifficulty(1, g);
    logic::PrepareFirstRound();
}

}  // namespace fuzzing
