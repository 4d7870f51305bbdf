// The program itself, the same for the game and for the console: makes every window, wires
// the layers together and runs the background window until the player quits.
#pragma once

namespace platform {
class Application;
}

namespace app {

class ScriptRegistry;

struct GameOptions {
    ScriptRegistry* registry = nullptr;  // what a console script may reach, when given
    bool fixedSeed = false;              // the random generator's seed replaces the clock's
    unsigned seed = 0;
};

// Runs the game on an initialised application. Returns the process exit status.
int RunMarchholt(platform::Application& app, const GameOptions& options);

}  // namespace app
