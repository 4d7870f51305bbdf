// The sound and music switches of the options screen and the background window's music timer.
#include "screens/sound_switches.h"

#include "screens/game_screens.h"
#include "screens/tfoptions.h"
#include "screens/tform1.h"
#include "state/game_state.h"

namespace screens {

void MusicTimerTick(GameScreens& screens) {
    if (state::G().musicStopping) return;
    platform::Timer& timer = screens.Background().Soundtimer1();
    timer.SetEnabled(false);
    timer.SetInterval(screens.Sound().Music().TimerTick());
    timer.SetEnabled(true);
}

void UpdateSwitchCaptions(GameScreens& screens) {
    const state::GameState& g = state::G();
    TFOptions& options = screens.OptionsScreen();
    options.SoundButton()->SetCaption(g.soundOn ? "Sound effects: On" : "Sound effects: Off");
    options.MusicButton()->SetCaption(g.musicOn ? "Music/Ambient: On" : "Music/Ambient: Off");
}

void ToggleSound(GameScreens& screens) {
    state::G().soundOn = !state::G().soundOn;
    UpdateSwitchCaptions(screens);
}

void ToggleMusic(GameScreens& screens) {
    state::GameState& g = state::G();
    g.musicOn = !g.musicOn;
    UpdateSwitchCaptions(screens);
    if (!g.musicOn) {
        screens.Sound().Music().MusicOff();
        return;
    }
    if (auto interval = screens.Sound().Music().MusicOn()) {
        platform::Timer& timer = screens.Background().Soundtimer1();
        timer.SetEnabled(false);
        timer.SetInterval(*interval);
        timer.SetEnabled(true);
    }
}

}  // namespace screens
