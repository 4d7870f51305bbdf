// The generated game data the screen and data tests read. A build that generates the data must
// have it, so there a test that finds it missing fails; with the generation switched off the
// test is skipped.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// The folder the build generates the data into (its MARCHHOLT_DATA_DIR).
std::filesystem::path GameDataDir();

// True when `file` is in `dir`. Otherwise the running test is failed (the build generates the
// data) or skipped (it does not), with a message naming the folder, and the test should return:
//     if (!testsupport::RequireGameData("background_1440.jpg")) return;
bool RequireGameData(const std::string& file, const std::filesystem::path& dir = GameDataDir());

}  // namespace testsupport
