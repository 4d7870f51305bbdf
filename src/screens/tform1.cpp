#include "screens/tform1.h"

#include <chrono>
#include <string>

#include "screens/game_flow.h"
#include "screens/screen_services.h"
#include "screens/sound_switches.h"
#include "screens/tform2.h"
#include "screens/tutorial_switch.h"
#include "sound/music_sequencer.h"
#include "state/game_state.h"
#include "state/int_math.h"
#include "state/progress_file.h"
#include "state/random.h"

namespace screens {

namespace {
// The background picture drawn for the canvas size.
std::string BackgroundFor(int canvasWidth) {
    return canvasWidth >= 1440 ? "background_1440.jpg" : "background_1024.jpg";
}
}  // namespace

TForm1::TForm1(ScreenServices& screens, const StartOptions& options)
    : Form(screens.App(), "TForm1", screens.App().CanvasWidth(), screens.App().CanvasHeight()),
      screens_(screens),
      startOptions_(options),
      soundtimer1_(screens.App(), sound::kMusicFirstTickMs, true) {
    SetFullCanvas(true);
    SetColor(platform::colors::kBlack);
    SetCaption(kGameCaption);
    image1_ = AddPicture(*this, "Image1", 0, 0, Width(), Height());
    image1_->LoadPicture(BackgroundFor(App().CanvasWidth()));
    soundtimer1_.OnTimer = [this] { MusicTimerTick(screens_.Sound(), soundtimer1_); };
    OnActivate = [this] {
        if (started_) return;
        started_ = true;
        StartUp();
    };
    OnClose = [this] { SaveProgress(screens_); };
}

void TForm1::SwitchToFullScreen() {
    if (!App().SwitchToFullScreen()) {
        image1_->Hide();
        screens_.Dialogs().ShowShortNotice(
            "Sorry, but your screen resolution could not be switched to full screen mode.",
            "Continue");
    }
    image1_->SetBounds(0, 0, App().CanvasWidth(), App().CanvasHeight());
    image1_->LoadPicture(BackgroundFor(App().CanvasWidth()));
}

void TForm1::StartUp() {
    state::GameState& g = state::G();
    // The random generator, from the clock (or the seed a script asked for).
    const auto& opts = startOptions_;
    state::SeedRandom(
        opts.fixedSeed
            ? opts.seed
            : static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    // The game never beeps, so there is no warning beep to switch off.
    // The progress file, and the option buttons' captions from its switches.
    std::string error;
    if (!state::ReadProgress(error, g)) screens_.ShowError(error);
    UpdateSwitchCaptions(*optionsScreen_);
    // The music players.
    screens_.Sound().Channels().ResetMusicPlayers();
    // Full screen.
    SwitchToFullScreen();
    // One more start.
    // Held at the largest count: a count that wrapped would bring the tutorial back.
    g.startCount = state::AddSaturated(g.startCount, 1);
    // The castle screen fills its building texts itself when it is made (it has no screen yet).
    // The main menu's layout.
    mainMenu_->LayOut();
    // Every scenario and difficulty is available.
    g.scenariosUnlocked = 12;
    g.difficultyUnlocked = 12;
    SaveProgress(screens_);
    // The tutorial: off, then on for the first three starts.
    EndTutorial(screens_);
    if (g.startCount < 4) {
        TutorialOnAtMenu(*mainMenu_);
    } else {
        mainMenu_->HideTutorial();
    }
    // The main menu; when it returns the program ends.
    mainMenu_->ShowModal();
    mainMenu_->Hide();
    g.musicStopping = true;
    soundtimer1_.SetEnabled(false);
    screens_.Sound().Channels().StopTrack(1);
    screens_.Sound().Channels().StopTrack(2);
    App().RestoreDisplay();
    Close();
}

}  // namespace screens
