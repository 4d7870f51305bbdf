// Replays a console script in a fresh copy of the program and shortens a failing one: commands
// are dropped while the script still fails at its last command with the same failure.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace app {

struct ReplaySetup {
    std::string program;  // marchholt-console
    unsigned seed = 1;
    int desktopWidth = 1440, desktopHeight = 900;
};

// What a replay gave: the lines that failed (numbered from 1) and the last one's failure.
struct ReplayResult {
    bool ran = false;  // the program ran and ended with the status of a failed script
    std::vector<int> failedLines;
    std::string lastFailure;
};

// Runs the script from the main menu in a fresh user folder.
ReplayResult Replay(const ReplaySetup& setup, const std::vector<std::string>& lines);

// Whether the script fails at its last command and nowhere before it.
bool FailsAtLastCommand(const ReplaySetup& setup, const std::vector<std::string>& lines);

// The script shortened until the deadline: its last command (the check that failed) stays and
// fails as it did; no other command of the short script fails.
std::vector<std::string> ShrinkScript(const ReplaySetup& setup, std::vector<std::string> lines,
                                      std::chrono::steady_clock::time_point deadline);

// --shrink: reads the script at path (blank and comment lines left out), shortens it for the
// given seconds and prints the short script. Exit status 0, or 2 when the script cannot be read
// or does not fail at its last command alone.
int RunShrink(const ReplaySetup& setup, const std::string& path, int seconds, std::FILE* out);

}  // namespace app
