#include "state/checked_scenario.h"

#include <memory>

#include "state/saved_game_check.h"

namespace state {

LoadResult LoadCheckedScenario(const std::string& moduleName, const ScenarioSetupHook& setup,
                               GameState& g) {
    auto trial = std::make_unique<GameState>(g);
    LoadResult result = LoadScenario(moduleName, setup, *trial);
    if (!result.Ok()) return result;
    const std::string fault = ScenarioFault(*trial);
    if (!fault.empty()) {
        return {LoadStatus::ioError,
                "The scenario \"" + moduleName + "\" could not be loaded: " + fault + "."};
    }
    g = *trial;
    return result;
}

}  // namespace state
