// A temporary folder for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    void WriteFile(const std::string& name, const std::vector<unsigned char>& bytes) const;
    void WriteText(const std::string& name, const std::string& text) const;
    std::vector<unsigned char> ReadFile(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

// A small JPEG of one colour (with a lighter square in the middle), as the game's pictures are.
std::vector<unsigned char> MakeJpeg(int width, int height, unsigned char r, unsigned char g,
                                    unsigned char b);
// A 24-bit BMP of one colour.
std::vector<unsigned char> MakeBmp(int width, int height, unsigned char r, unsigned char g,
                                   unsigned char b);

}  // namespace testsupport
