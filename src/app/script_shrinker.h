// Replays a console script in a fresh copy of the program and shortens a failing one: commands
// are dropped while the script still fails at its last command, and only there.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace app {

struct ReplaySetup {
    std::string program;  // marchholt-console
    unsigned seed = 1;
    int desktopWidth = 1440, desktopHeight = 900;
};

// Whether the script, run from the main menu in a fresh user folder, fails at its last command
// and nowhere before it.
bool FailsAtLastCommand(const ReplaySetup& setup, const std::vector<std::string>& lines);

// The script shortened until the deadline: its last command (the check that failed) stays.
std::vector<std::string> ShrinkScript(const ReplaySetup& setup, std::vector<std::string> lines,
                                      std::chrono::steady_clock::time_point deadline);

}  // namespace app
