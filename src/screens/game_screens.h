// Every window of the game, made once at start in the order the game makes them (the
// background window first), and the flows that lead from one to the other.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "screens/message_dialogs.h"
#include "screens/services.h"
#include "sound/sound_system.h"

namespace screens {

class TForm1;
class TForm2;
class TFOptions;
class TFCheats;
class TFCredits;
class TutorialPanel;

struct StartOptions {
    bool fixedSeed = false;  // the console's --seed replaces the clock's seed
    unsigned seed = 0;
};

class GameScreens {
public:
    GameScreens(platform::Application& app, const StartOptions& options);
    ~GameScreens();

    // Runs the program: the background window until the player quits.
    void Run();

    platform::Application& App() { return app_; }
    Services& Svc() { return services_; }
    sound::SoundSystem& Sound() { return *sound_; }
    MessageDialogs& Dialogs() { return *dialogs_; }
    const StartOptions& Options() const { return options_; }
    TForm1& Background() { return *form1_; }
    TForm2& MainMenu() { return *form2_; }
    TFOptions& OptionsScreen() { return *options_screen_; }
    TFCheats& Cheats() { return *cheats_; }
    TFCredits& Credits() { return *credits_; }

    // The error box for file, picture and device errors.
    void ShowError(const std::string& text);
    // Writes the progress file, reporting a failure in the error box.
    void SaveProgress();

    // The music timer's work, and the options' switches.
    void MusicTimerTick();
    void ToggleSound();
    void ToggleMusic();
    void UpdateSwitchCaptions();

    // The tutorial's on and off switch for the screens built so far.
    void RegisterTutorialPanel(TutorialPanel* panel) { tutorialPanels_.push_back(panel); }
    void TutorialOnAtMenu();
    void EndTutorial();
    // "Exit" on a tutorial panel: asks, and ends the tutorial on Yes.
    void ExitTutorial();

    // The main menu's flows.
    void NewGameFlow();
    void LoadGameFlow();
    // The options' "Exit to main menu".
    void ExitToMainMenu();

private:
    platform::Application& app_;
    StartOptions options_;
    std::unique_ptr<sound::SoundSystem> sound_;
    Services services_;
    std::unique_ptr<MessageDialogs> dialogs_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TFOptions> options_screen_;
    std::unique_ptr<TFCheats> cheats_;
    std::unique_ptr<TFCredits> credits_;
    std::vector<TutorialPanel*> tutorialPanels_;
};

}  // namespace screens
