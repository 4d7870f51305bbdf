#include "state/temp_folders.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "platform/files.h"
#include "state/reset.h"

namespace statetest {

namespace fs = std::filesystem;

void TempFolders::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "marchholt-state-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    data_ = root_ / "data";
    user_ = root_ / "user";
    fs::create_directories(data_);
    fs::create_directories(user_);
    platform::UseFiles(platform::Files(data_, user_));
    state::G() = *std::make_unique<state::GameState>();
}

void TempFolders::TearDown() {
    platform::UseFiles(platform::Files());
    state::G() = *std::make_unique<state::GameState>();
    std::error_code ec;
    fs::remove_all(root_, ec);
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
