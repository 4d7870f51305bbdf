// The state tests' temporary folders and fresh game state.
#include "state/temp_folders.h"

#include <fstream>
#include <iterator>
#include <memory>

#include "state/reset.h"

namespace statetest {

void TempFolders::SetUp() {
    folders_.emplace();
    root_ = folders_->Root();
    data_ = folders_->Data();
    user_ = folders_->User();
    state::G() = *std::make_unique<state::GameState>();
}

void TempFolders::TearDown() {
    folders_.reset();
    state::G() = *std::make_unique<state::GameState>();
}

void TempFolders::WriteUserFile(const std::string& name,
                                const std::vector<std::uint8_t>& data) const {
    std::ofstream out(user_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
}

std::vector<std::uint8_t> TempFolders::ReadUserFile(const std::string& name) const {
    std::ifstream in(user_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace statetest
