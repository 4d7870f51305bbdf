#include "app/game.h"

#include <cstdio>
#include <string>

#include "app/console_bindings.h"
#include "app/script_registry.h"
#include "platform/application.h"
#include "rules/view_hooks.h"
#include "screens/game_screens.h"

namespace app {

int RunMarchholt(platform::Application& app, const GameOptions& options) {
    screens::StartOptions start;
    start.fixedSeed = options.fixedSeed;
    start.seed = options.seed;
    screens::GameScreens screens(app, start);
    // The rules reach the windows only through the views: one left on its silent default would
    // swallow what the rules show.
    if (const std::string missing = logic::Hooks().MissingView(); !missing.empty()) {
        std::fprintf(stderr, "marchholt: %s is not installed\n", missing.c_str());
        return 1;
    }
    if (options.registry) RegisterConsoleBindings(*options.registry, screens);
    screens.Run();
    return 0;
}

}  // namespace app
