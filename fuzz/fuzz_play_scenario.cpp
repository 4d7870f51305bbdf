// libFuzzer target: a changed shipped scenario is loaded as a custom scenario, a game is started
// with it and played on.
#include <cstddef>
#include <cstdint>

#include "fuzz_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::PlayWorld world;
    fuzzing::PlayScenario(world, data, size);
    return 0;
}
