// The tutorial's step counter over the run-time flags of the game state.
#include "campaign/tutorial_steps.h"

#include "state/game_state.h"

namespace logic {

bool TutorialAt(int step) {
    const state::GameState& g = state::G();
    return g.tutorialOn && g.tutorialStep == step;
}

void AdvanceTutorial(int fromStep) {
    if (TutorialAt(fromStep)) state::G().tutorialStep = fromStep + 1;
}

}  // namespace logic
