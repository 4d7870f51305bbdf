// The sound and music switches of the options screen and the background window's music timer.
#include "screens/sound_switches.h"

#include "screens/tfoptions.h"
#include "sound/sound_system.h"
#include "state/game_state.h"

namespace screens {

void MusicTimerTick(sound::SoundSystem& sound, platform::Timer& musicTimer) {
    if (state::G().musicStopping) return;
    musicTimer.SetEnabled(false);
    musicTimer.SetInterval(sound.Music().TimerTick());
    musicTimer.SetEnabled(true);
}

void UpdateSwitchCaptions(TFOptions& options) {
    const state::GameState& g = state::G();
    options.SoundButton()->SetCaption(g.soundOn ? "Sound effects: On" : "Sound effects: Off");
    options.MusicButton()->SetCaption(g.musicOn ? "Music/Ambient: On" : "Music/Ambient: Off");
}

void ToggleSound(TFOptions& options) {
    state::G().soundOn = !state::G().soundOn;
    UpdateSwitchCaptions(options);
}

void ToggleMusic(TFOptions& options, sound::SoundSystem& sound, platform::Timer& musicTimer) {
    state::GameState& g = state::G();
    g.musicOn = !g.musicOn;
    UpdateSwitchCaptions(options);
    if (!g.musicOn) {
        sound.Music().MusicOff();
        return;
    }
    if (auto interval = sound.Music().MusicOn()) {
        musicTimer.SetEnabled(false);
        musicTimer.SetInterval(*interval);
        musicTimer.SetEnabled(true);
    }
}

}  // namespace screens
