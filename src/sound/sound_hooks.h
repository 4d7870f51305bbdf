// What the sound layer needs from the rest of the game, handed in as callbacks when it is made.
//
// The switches and the random generator live in the game state; the error box and the battle
// and duel clocks belong to the screens. Taking them as callbacks keeps this layer free of those
// headers and lets tests drive every case.
#pragma once

#include <functional>
#include <string>

namespace sound {

struct SoundSwitches {
    std::function<bool()> soundOn;  // the sound effects switch
    std::function<bool()> musicOn;  // the music switch
};

// The game's one random generator: a uniform draw in [0, n).
using RandomDraw = std::function<int(int)>;

struct MusicHooks {
    // Shows a music error to the player (the error box). Empty: errors are only traced.
    std::function<void(const std::string&)> reportError;
    // True while a battle or duel clock runs; a music error found then is kept and shown at
    // the next music call made while no clock runs (or by FlushErrors).
    std::function<bool()> clockRunning;
    // Runs a job at the next turn of the message loop. Used to release a finished track's
    // player after its buffer-done handler has returned. Empty: the release waits for the
    // next call into the music player.
    std::function<void(std::function<void()>)> post;
    // Records a transcript event. Empty: platform::Trace.
    std::function<void(const std::string&)> trace;
};

}  // namespace sound
