// libFuzzer target: the map reader of the game state on any input.
#include <cstddef>
#include <cstdint>

#include "fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Run(fuzzing::Reader::map, data, size);
    return 0;
}
