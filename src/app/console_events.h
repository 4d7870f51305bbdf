// The map events and the theme presentation as console operations.
#pragma once

namespace app {

class ScriptRegistry;

// Registers every event and theme operation under its own name for `call`.
void RegisterEvents(ScriptRegistry& registry);

}  // namespace app
