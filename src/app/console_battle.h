// The battle operations of the console.
#pragma once

namespace app {

class ScriptRegistry;

void RegisterBattle(ScriptRegistry& registry);

}  // namespace app
