// The computer lords' operations of the console.
#pragma once

namespace app {

class ScriptRegistry;

void RegisterComputerLords(ScriptRegistry& registry);

}  // namespace app
