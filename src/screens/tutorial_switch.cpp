// The tutorial's on and off switch: the flags in the game state and the panels of the screens.
#include "screens/tutorial_switch.h"

#include "rules/dialogs.h"
#include "rules/tutorial_steps.h"
#include "screens/game_flow.h"
#include "screens/game_screens.h"
#include "screens/screen_services.h"
#include "screens/tform2.h"
#include "screens/tutorial_panel.h"
#include "state/game_state.h"

namespace screens {

namespace {
constexpr int kStripHeight = 140;
}

std::unique_ptr<TutorialPanel> AddTutorialStrip(ScreenServices& screens, platform::Form& window,
                                                logic::TutorialScreen screen, bool withContinue) {
    TutorialPanelNames names = kTutorialButtonNames;
    if (withContinue) names.next = "TutorialContinueButton";
    auto panel = std::make_unique<TutorialPanel>(window, screens.Svc(), kStripHeight, names);
    panel->onExit = [&screens] { ExitTutorial(screens); };
    screens.RegisterTutorialPanel(screen, panel.get());
    return panel;
}

std::unique_ptr<TutorialPanel> AddTutorialPanel(ScreenServices& screens, platform::Control& parent,
                                                logic::TutorialScreen screen,
                                                const platform::Rect& area,
                                                const TutorialPanelNames& names) {
    auto panel = std::make_unique<TutorialPanel>(parent, screens.Svc(), area.x, area.y, area.w,
                                                 area.h, names);
    panel->onExit = [&screens] { ExitTutorial(screens); };
    screens.RegisterTutorialPanel(screen, panel.get());
    return panel;
}

void TutorialOnAtMenu(TForm2& mainMenu) {
    state::G().tutorialOn = true;
    state::G().tutorialStep = 0;
    mainMenu.Tutorial().Activate();
}

void TutorialBackAtMenu(GameScreens& screens) {
    if (!state::G().tutorialOn) return;
    EndTutorial(screens);
    TutorialOnAtMenu(screens.MainMenu());
}

void EndTutorial(ScreenServices& screens) {
    logic::EndTutorial();
    // Every panel, also of a screen whose panel the steps never reached.
    for (TutorialPanel* panel : screens.TutorialPanels())
        panel->Deactivate();
}

void EndTutorial(GameScreens& screens) {
    EndTutorial(screens.Shared());
}

void ExitTutorial(ScreenServices& screens) {
    if (screens.Dialogs().AskYesNo(
            "Do you really wish to turn off the tutorial? It is recommended to play the tutorial.",
            "Yes", "No") == logic::kAnswerYes) {
        EndTutorial(screens);
    }
}

void ExitTutorial(GameScreens& screens) {
    ExitTutorial(screens.Shared());
}

void StartTutorial(GameScreens& screens) {
    logic::StartTutorialSteps();
    NewGameFlow(screens);
}

}  // namespace screens
