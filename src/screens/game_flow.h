// The flows that lead from one window to the next: a new game, loading a game, saving and
// loading from the options, leaving a game for the main menu, and the program's progress file.
// Plain procedures over the tables and the window registry.
#pragma once

namespace screens {

class GameScreens;
class ScreenServices;

// "Start a new game": a clean state, the scenario list, the sheet, the difficulty, the first
// round, the start message, then the game until it ends; back to the main menu afterwards.
void NewGameFlow(GameScreens& screens);
// "Load game" of the main menu: the saved-game screen, then the loaded game.
void LoadGameFlow(GameScreens& screens);
// The options' "Save/Load game".
void SaveLoadFromOptions(GameScreens& screens);
// The options' "Exit to main menu".
void ExitToMainMenu(GameScreens& screens);
// Shows the strategic window modally (the game runs inside this call).
void PlayGame(GameScreens& screens);
// Writes the progress file, reporting a failure in the error box.
void SaveProgress(ScreenServices& screens);

}  // namespace screens
