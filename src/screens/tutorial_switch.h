// Switching the tutorial on and off across the screens that show a tutorial panel.
#pragma once

namespace screens {

class GameScreens;

// The first starts of the program switch the tutorial on at the main menu (its panel only).
void TutorialOnAtMenu(GameScreens& screens);
// Clears the tutorial and hides every tutorial panel.
void EndTutorial(GameScreens& screens);
// "Exit" on a tutorial panel: asks, and ends the tutorial on Yes.
void ExitTutorial(GameScreens& screens);
// "Start the tutorial": step 1 with the scenario list's panel, then the new-game flow.
void StartTutorial(GameScreens& screens);

}  // namespace screens
