// The tutorial's on and off switch: the flags in the game state and the panels of the screens.
#include "screens/tutorial_switch.h"

#include "campaign/dialogs.h"
#include "screens/game_flow.h"
#include "screens/game_screens.h"
#include "screens/tform2.h"
#include "screens/tfselectmap.h"
#include "screens/tutorial_panel.h"
#include "state/game_state.h"

namespace screens {

void TutorialOnAtMenu(GameScreens& screens) {
    state::G().tutorialOn = true;
    state::G().tutorialStep = 0;
    screens.MainMenu().Tutorial().Activate();
}

void EndTutorial(GameScreens& screens) {
    state::G().tutorialOn = false;
    state::G().tutorialStep = 0;
    for (TutorialPanel* panel : screens.TutorialPanels())
        panel->Deactivate();
}

void ExitTutorial(GameScreens& screens) {
    if (screens.Dialogs().AskYesNo(
            "Do you really wish to turn off the tutorial? It is recommended to play the tutorial.",
            "Yes", "No") == logic::kAnswerYes) {
        EndTutorial(screens);
    }
}

void StartTutorial(GameScreens& screens) {
    state::G().tutorialOn = true;
    state::G().tutorialStep = 1;
    screens.MainMenu().Tutorial().Deactivate();
    TutorialPanel& list = screens.SelectMap().Tutorial();
    list.SetStep("Tutorial: #1",
                 "Welcome to your first game! Only a few scenarios can be played at first; each "
                 "scenario you win unlocks the next one.",
                 "Click on \"Desert Of Darkness\"");
    list.Activate();
    NewGameFlow(screens);
}

}  // namespace screens
