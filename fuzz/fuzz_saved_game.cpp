// libFuzzer target: the saved game reader on a changed real save (fuzz_bases.h).
#include <cstddef>
#include <cstdint>

#include "fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::Run(fuzzing::Reader::savedGame, data, size);
    return 0;
}
