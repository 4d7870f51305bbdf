// The options' sound and music switches, and the music timer of the background window.
#pragma once

namespace platform {
class Timer;
}
namespace sound {
class SoundSystem;
}

namespace screens {

class TFOptions;

// The music timer's work: the next track or the next check.
void MusicTimerTick(sound::SoundSystem& sound, platform::Timer& musicTimer);
void ToggleSound(TFOptions& options);
void ToggleMusic(TFOptions& options, sound::SoundSystem& sound, platform::Timer& musicTimer);
// The captions of the two switches on the options screen.
void UpdateSwitchCaptions(TFOptions& options);

}  // namespace screens
