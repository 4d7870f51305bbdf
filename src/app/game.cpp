#include "app/game.h"

#include "app/console_bindings.h"
#include "app/script_registry.h"
#include "battle/battle_rules.h"
#include "platform/application.h"
#include "screens/game_screens.h"

namespace app {

int RunMarchholt(platform::Application& app, const GameOptions& options) {
    screens::StartOptions start;
    start.fixedSeed = options.fixedSeed;
    start.seed = options.seed;
    screens::GameScreens screens(app, start);
    logic::InstallBattleRules();
    if (options.registry) RegisterConsoleBindings(*options.registry, screens);
    screens.Run();
    return 0;
}

}  // namespace app
