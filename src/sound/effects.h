// The short sound effects: fire-and-forget wave files handed to the platform's sound device.
//
// Every effect plays only while the sound effects switch is on, except the alert, which a duel
// needs the player to hear. A new effect may cut the one still playing; nothing is checked or
// reported if a file is missing.
#pragma once

#include <string>

#include "platform/audio.h"
#include "sound/sound_hooks.h"

namespace sound {

enum class Effect {
    Click,    // any button
    Reward1,  // something unlocked, a battle won, a threat appears
    Reward2,  // a level gained, a castle or lord taken, a dungeon cleared
    Reward3,  // the game is won
    Event,    // a resource picked up
    Step,     // the army takes a step
    Battle,   // a battle starts
    Miss,     // the hero's blow misses
    Alert,    // the hero is hit; plays even with effects off
};

// The wave file of an effect.
std::string EffectFile(Effect effect);

// Which cries a monster's sound family gives when the hero's blow lands.
enum class CryKind { None, Human, Monster };
CryKind CryKindOf(int soundFamily);

// The hit-cry choice: a draw in [0, 3) that differs from the previous choice, returned as the
// new choice (0..2; the cry played is choice + 1).
int NextCryChoice(int draw, int previous);

class SoundEffects {
  public:
    SoundEffects(platform::AudioDevice& device, SoundSwitches switches, RandomDraw random);

    void Play(Effect effect);
    void PlayClick() { Play(Effect::Click); }
    // reward 1 to 3; any other number plays nothing.
    void PlayReward(int n);
    // One of the three payment sounds, chosen at random.
    void PlayPayment();
    // The cry of a hit opponent, never the same number twice in a row (shared by both kinds).
    void PlayHitCry(int soundFamily);

    int LastCry() const { return lastCry_; }

  private:
    bool EffectsOn() const;

    platform::AudioDevice& device_;
    SoundSwitches switches_;
    RandomDraw random_;
    // The choice used last time; starts at 0 like the original's zeroed variable, so the very
    // first cry is never number 1.
    int lastCry_ = 0;
};

}  // namespace sound
