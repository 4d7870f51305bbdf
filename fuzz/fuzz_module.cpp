// libFuzzer target: the module reader of the game state on any input.
#include <cstddef>
#include <cstdint>

#include "fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Run(fuzzing::Reader::module, data, size);
    return 0;
}
