// The options' sound and music switches, and the music timer of the background window.
#pragma once

namespace screens {

class GameScreens;

// The music timer's work: the next track or the next check.
void MusicTimerTick(GameScreens& screens);
void ToggleSound(GameScreens& screens);
void ToggleMusic(GameScreens& screens);
// The captions of the two switches on the options screen.
void UpdateSwitchCaptions(GameScreens& screens);

}  // namespace screens
