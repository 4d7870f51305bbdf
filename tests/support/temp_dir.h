// Temporary folders for tests, removed afterwards: one folder, or the game's data and user
// folders.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/temp_folder.h"

namespace testsupport {

class TempDir {
  public:
    TempDir();
    const std::filesystem::path& Path() const { return folder_.Path(); }
    std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }
    void WriteFile(const std::string& name, const std::vector<unsigned char>& bytes) const;
    void WriteText(const std::string& name, const std::string& text) const;
    std::vector<unsigned char> ReadFile(const std::string& name) const;

  private:
    platform::TempFolder folder_;
    const std::filesystem::path& path_ = folder_.Path();
};

// A file of `size` bytes that takes no disk space: a sparse file of zeros.
void MakeSparseFile(const std::filesystem::path& path, std::uintmax_t size);

// A fresh data folder and user folder (inside one temporary folder) that the game's files point
// at for the life of the object; afterwards the game's files point at the default folders again.
class TempGameFolders {
  public:
    TempGameFolders();
    ~TempGameFolders();
    TempGameFolders(const TempGameFolders&) = delete;
    TempGameFolders& operator=(const TempGameFolders&) = delete;

    const std::filesystem::path& Root() const { return dir_.Path(); }
    const std::filesystem::path& Data() const { return data_; }
    const std::filesystem::path& User() const { return user_; }
    // Writes a text file into the data folder.
    void WriteData(const std::string& name, const std::string& text) const;

  private:
    TempDir dir_;
    std::filesystem::path data_, user_;
};

}  // namespace testsupport
