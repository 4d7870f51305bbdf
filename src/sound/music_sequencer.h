// The music sequencer: which track the music timer starts next.
//
// The intro plays first (after start-up, or when music is switched back on); after it the
// background track and the preparation track take turns on the music slot, each replacing the
// one before. The music timer (owned by the background window) ticks every 50 s, except after
// the preparation track, which asks for 31 s.
#pragma once

#include <optional>

#include "sound/music_player.h"
#include "sound/sound_hooks.h"

namespace sound {

constexpr int kMusicFirstTickMs = 1000;      // the timer's interval at start
constexpr int kMusicTickMs = 50000;          // set on every tick before the next track
constexpr int kPreppingTrackTickMs = 31000;  // asked for after the preparation track

class MusicSequencer {
  public:
    MusicSequencer(MusicChannels& channels, SoundSwitches switches);

    // Starts the next track when the music switch is on. Returns the interval the music timer
    // must take now, when the track asks for one (31000 ms after the preparation track).
    // Never throws: a failing track is reported and the next call moves on.
    std::optional<int> NextMusic();
    // One tick of the music timer: the interval for the next tick (50000 ms unless the track
    // asked for another). The caller stops the timer before and starts it again after.
    int TimerTick();

    // The music switch was turned off: the music slot stops at once.
    void MusicOff();
    // The music switch was turned on: the intro starts again.
    std::optional<int> MusicOn();

    bool Started() const { return started_; }
    int TrackNumber() const { return trackNumber_; }

  private:
    void Play(const char* fileName);

    MusicChannels& channels_;
    SoundSwitches switches_;
    bool started_ = false;
    int trackNumber_ = 2;
};

}  // namespace sound
