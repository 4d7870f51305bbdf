#include "support/game_data.h"

#include <gtest/gtest.h>

// Set by tests/CMakeLists.txt from MARCHHOLT_GENERATE_DATA: 1 when the build generates the data.
#ifndef MARCHHOLT_DATA_GENERATED
#error "MARCHHOLT_DATA_GENERATED must be 0 or 1"
#endif

namespace testsupport {

std::filesystem::path GameDataDir() {
    return MARCHHOLT_TEST_DATA_DIR;
}

bool RequireGameData(const std::string& file, const std::filesystem::path& dir) {
    if (std::filesystem::exists(dir / file)) return true;
    const std::string missing =
        "the generated game data is not in " + dir.string() + " (no " + file + ")";
    if (MARCHHOLT_DATA_GENERATED) {
        ADD_FAILURE() << missing
                      << "; this build generates the data (MARCHHOLT_GENERATE_DATA is on), so "
                         "build all targets first";
    } else {
        [&] { GTEST_SKIP() << missing << "; data generation is off"; }();
    }
    return false;
}

}  // namespace testsupport
