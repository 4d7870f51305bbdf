// Random play through the real windows: a new game on a scenario, then N things a player could
// do, chosen at random with weights (clicks, right-clicks, typing, keys, time passing), each
// followed by the checks of the tables, of what the windows show, of every save and, now and
// then, of the way out. On a failure it prints the script that replays the run from the main
// menu and a shortened one.
#pragma once

#include <cstdio>
#include <string>

namespace app {

struct ExploreOptions {
    std::string scenario;  // base name, as for --autoplay
    int actions = 1000;
    unsigned seed = 1;
    bool tutorial = false;  // start the tutorial from the main menu, on a scenario it allows
    int desktopWidth = 1440, desktopHeight = 900;
    std::string program;      // this program, to replay and shorten a failing run
    int goOnEvery = 50;       // actions between two checks of the way out
    int shrinkSeconds = 120;  // how long a failing script may be shortened
};

// Exit status: 0 for a clean run, 1 for a failure found, 2 when the run could not start.
int RunExplorer(const ExploreOptions& options, std::FILE* out);

}  // namespace app
