#include "state/game_state.h"

namespace state {

GameState& G() {
    static GameState instance;
    return instance;
}

}  // namespace state
