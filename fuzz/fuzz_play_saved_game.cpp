// libFuzzer target: a changed real save is loaded and the game is played on from it.
#include <cstddef>
#include <cstdint>

#include "fuzz_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzing::PlayWorld world;
    fuzzing::PlaySavedGame(world, data, size);
    return 0;
}
