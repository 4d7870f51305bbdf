// The whole sound layer in one object, for the background window to own: the effects, the
// music channels and the music sequencer, wired to the same device and switches.
#pragma once

#include "platform/audio.h"
#include "sound/effects.h"
#include "sound/music_player.h"
#include "sound/music_sequencer.h"
#include "sound/sound_hooks.h"

namespace sound {

class SoundSystem {
  public:
    SoundSystem(platform::AudioDevice& device, const SoundSwitches& switches, RandomDraw random,
                MusicHooks musicHooks)
        : effects_(device, switches, std::move(random)),
          channels_(device, std::move(musicHooks)),
          music_(channels_, switches) {}

    SoundEffects& Effects() { return effects_; }
    MusicChannels& Channels() { return channels_; }
    MusicSequencer& Music() { return music_; }

  private:
    SoundEffects effects_;
    MusicChannels channels_;
    MusicSequencer music_;
};

}  // namespace sound
