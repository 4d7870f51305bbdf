// Points the game's files at a fresh pair of temporary folders for the life of a test, with a
// fresh game state, and removes them afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace statetest {

class TempFolders : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path UserFile(const std::string& name) const { return user_ / name; }
    void WriteUserFile(const std::string& name, const std::vector<std::uint8_t>& data) const;
    std::vector<std::uint8_t> ReadUserFile(const std::string& name) const;

    std::optional<testsupport::TempGameFolders> folders_;
    std::filesystem::path root_, data_, user_;
};

}  // namespace statetest
