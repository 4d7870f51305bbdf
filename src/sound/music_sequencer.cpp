#include "sound/music_sequencer.h"

namespace sound {

MusicSequencer::MusicSequencer(MusicChannels& channels, SoundSwitches switches)
    : channels_(channels), switches_(std::move(switches)) {}

void MusicSequencer::Play(const char* fileName) {
    // A track that cannot play is reported inside the channels; the sequence goes on, so the
    // next tick tries the following track.
    if (channels_.PlayTrack(MusicChannels::kMusicSlot, fileName)) {
        channels_.StartTrack(MusicChannels::kMusicSlot);
    }
}

std::optional<int> MusicSequencer::NextMusic() {
    channels_.Tidy();
    if (!switches_.musicOn || !switches_.musicOn()) return std::nullopt;
    if (!started_) {
        started_ = true;
        trackNumber_ = 2;
        Play("Intro.ogg");
        return std::nullopt;
    }
    if (trackNumber_ == 2) {
        trackNumber_ = 3;
        Play("Background.ogg");
        return std::nullopt;
    }
    trackNumber_ = 2;
    Play("PreppingTrack.ogg");
    return kPreppingTrackTickMs;
}

int MusicSequencer::TimerTick() {
    return NextMusic().value_or(kMusicTickMs);
}

void MusicSequencer::MusicOff() {
    channels_.StopTrack(MusicChannels::kMusicSlot);
}

std::optional<int> MusicSequencer::MusicOn() {
    started_ = false;
    return NextMusic();
}

}  // namespace sound
