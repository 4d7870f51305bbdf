// Temporary folders for tests: one folder, or the game's data and user folders.
#include "support/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "platform/files.h"

namespace testsupport {

TempDir::TempDir() : folder_("marchholt-test-") {
    if (!folder_.Made()) std::abort();
}

void TempDir::WriteFile(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void TempDir::WriteText(const std::string& name, const std::string& text) const {
    WriteFile(name, std::vector<unsigned char>(text.begin(), text.end()));
}

std::vector<unsigned char> TempDir::ReadFile(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void MakeSparseFile(const std::filesystem::path& path, std::uintmax_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).flush();
    std::filesystem::resize_file(path, size);
}

TempGameFolders::TempGameFolders() : data_(dir_ / "data"), user_(dir_ / "user") {
    std::filesystem::create_directories(data_);
    std::filesystem::create_directories(user_);
    platform::UseFiles(platform::Files(data_, user_));
}

TempGameFolders::~TempGameFolders() {
    platform::UseFiles(platform::Files());
}

void TempGameFolders::WriteData(const std::string& name, const std::string& text) const {
    std::ofstream(data_ / name, std::ios::binary) << text;
}

}  // namespace testsupport
