// How music errors reach the player: traced always, shown once.
//
// Music is background: a failing track must not pester the player on every tick of the music
// timer. Each error is shown at most once per run (an absent audio device counts as one error
// however it shows itself), and never in the middle of a battle or duel clock: an error found
// then is kept and shown at the next chance.
#pragma once

#include <deque>
#include <set>
#include <string>

#include "sound/sound_hooks.h"

namespace sound {

class MusicErrors {
  public:
    explicit MusicErrors(const MusicHooks& hooks) : hooks_(hooks) {}

    // Traces music error <file> "<text>" and shows the text unless the same key was shown
    // already (the key defaults to the text).
    void Report(const std::string& file, const std::string& text, const std::string& key = {});
    // Shows the errors kept back while a clock was running, if none runs now.
    void Flush();
    void Trace(const std::string& event) const;

    bool Pending() const { return !pending_.empty(); }

  private:
    bool ClockRunning() const { return hooks_.clockRunning && hooks_.clockRunning(); }

    const MusicHooks& hooks_;
    std::set<std::string> seen_;
    std::deque<std::string> pending_;
};

}  // namespace sound
