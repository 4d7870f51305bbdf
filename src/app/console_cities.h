// The city operations of the console.
#pragma once

namespace app {

class ScriptRegistry;

void RegisterCities(ScriptRegistry& registry);

}  // namespace app
