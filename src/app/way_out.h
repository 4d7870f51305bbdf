// The fixed way out of any state of the game, for the check that the game can always go on:
// each dialog answered with its last enabled button (the question of leaving a dungeon with Yes,
// that of quitting with Yes once another lord's turn has come, the autosave question with No),
// the dungeon left, a duel fought with Thrust, a paused battle run on and retreated from or
// waited out, the turn skipped until another lord's turn has come, then the way to the main
// menu. A game the player has already chosen to quit (the autosave question in front) goes on
// to the main menu.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "app/console_runner.h"

namespace platform {
class Application;
}

namespace app {

class WayOut {
  public:
    WayOut(platform::Application& app, const ScriptRegistry& registry);

    // The idle hook while the way out is played. False once it has ended; then Passed() and
    // Failure() tell how.
    bool OnIdle();
    bool Passed() const { return passed_; }
    const std::string& Failure() const { return failure_; }

  private:
    // The next command of the way out for the window that takes input.
    ScriptCommand NextCommand();
    ScriptCommand Click(const std::string& name) const;
    ScriptCommand Wait(int ms) const;
    bool Fail(const std::string& why);

    platform::Application& app_;
    ConsoleRunner runner_;
    int startLord_ = 0;
    bool turnPassed_ = false;
    bool leaving_ = false;  // the player has quit the game already
    bool passed_ = false;
    std::string failure_;
    int steps_ = 0;
    std::int64_t startMs_ = 0;
    std::string lastForm_;
    std::map<std::string, int> triesOn_;  // buttons clicked per window and text
    int sameFormSteps_ = 0;
};

}  // namespace app
