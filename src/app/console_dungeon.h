// The dungeon rules as console operations.
#pragma once

namespace app {

class ScriptRegistry;

// Registers every dungeon operation under its own name for `call`.
void RegisterDungeon(ScriptRegistry& registry);

}  // namespace app
