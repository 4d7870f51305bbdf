// Marks a file immutable for the life of the object (the file system's "i" attribute), so that
// not even root can replace it; not every system allows it.
#pragma once

#include <filesystem>

namespace testsupport {

class ImmutableFile {
  public:
    explicit ImmutableFile(std::filesystem::path path);
    ~ImmutableFile();
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    // False where the system refused to mark the file (no privilege, no support).
    bool Marked() const { return marked_; }

  private:
    std::filesystem::path path_;
    bool marked_ = false;
};

}  // namespace testsupport
