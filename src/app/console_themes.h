// The theme places, finds and gifts as console operations.
#pragma once

namespace app {

class ScriptRegistry;

// Registers every theme operation under its own name for `call`.
void RegisterThemes(ScriptRegistry& registry);

}  // namespace app
