// What a console script reaches: every value of the game state by name, and the game's
// operations under their own names.
#pragma once

namespace screens {
class GameScreens;
}

namespace app {

class ScriptRegistry;

void RegisterConsoleBindings(ScriptRegistry& registry, screens::GameScreens& screens);

}  // namespace app
