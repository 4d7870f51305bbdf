// The checks of random play, as console operations so that a replayed script ends with the one
// that failed: CheckShownValues (the windows on screen show the tables), CheckTables (the self-play
// invariants and the saved-game check of the running game), CheckSlots (every saved slot loads
// again) and CheckGoOn (from a copy of the running program, the fixed way out reaches another
// lord's turn and the main menu).
#pragma once

namespace screens {
class GameScreens;
}

namespace app {

class ScriptRegistry;

void RegisterExplorerChecks(ScriptRegistry& registry, screens::GameScreens& screens);

}  // namespace app
