// Switching the tutorial on and off across the screens that show a tutorial panel.
#pragma once

#include <memory>

#include "rules/tutorial_table.h"
#include "screens/tutorial_panel.h"

namespace screens {

class GameScreens;
class ScreenServices;
class TForm2;

// The names most screens give their tutorial panel's buttons.
inline const TutorialPanelNames kTutorialButtonNames{"TutorialHideButton", "TutorialShowButton",
                                                     "TutorialExitButton", ""};

// A window's tutorial panel in a strip below its controls (the window grows while it shows),
// registered for its screen, with "Exit" asking before it ends the tutorial. withContinue adds
// the tutorial "Continue" button.
std::unique_ptr<TutorialPanel> AddTutorialStrip(ScreenServices& screens, platform::Form& window,
                                                logic::TutorialScreen screen, bool withContinue);
// A tutorial panel at a fixed place over a screen's controls, registered the same way.
std::unique_ptr<TutorialPanel> AddTutorialPanel(
    ScreenServices& screens, platform::Control& parent, logic::TutorialScreen screen,
    const platform::Rect& area, const TutorialPanelNames& names = kTutorialButtonNames);

// The first starts of the program switch the tutorial on at the main menu (its panel only).
void TutorialOnAtMenu(TForm2& mainMenu);
// A tutorial game that ended or never began leaves the tutorial as a first start has it: on, at
// step 0, with the main menu's panel (so that it can be started again or exited). Nothing when
// the tutorial is off.
void TutorialBackAtMenu(GameScreens& screens);
// Clears the tutorial and hides every tutorial panel.
void EndTutorial(ScreenServices& screens);
void EndTutorial(GameScreens& screens);
// "Exit" on a tutorial panel: asks, and ends the tutorial on Yes.
void ExitTutorial(ScreenServices& screens);
void ExitTutorial(GameScreens& screens);
// "Start the tutorial": step 1 with the scenario list's panel, then the new-game flow.
void StartTutorial(GameScreens& screens);

}  // namespace screens
