// Test helpers for the music: a temporary pair of game folders and tiny Ogg Vorbis files made
// on the spot with the encoder.
#pragma once

#include <filesystem>
#include <string>

namespace soundtest {

// Writes a sine tone of the given length as Ogg Vorbis.
void WriteSineOgg(const std::filesystem::path& path, double seconds, int channels, int rate);

// Makes data/ and user/ folders in a new temporary folder and points the game's files at them;
// removes them again (and points the files nowhere) when it goes.
class TempGameFolders {
  public:
    TempGameFolders();
    ~TempGameFolders();
    TempGameFolders(const TempGameFolders&) = delete;
    TempGameFolders& operator=(const TempGameFolders&) = delete;

    const std::filesystem::path& Data() const { return data_; }
    std::filesystem::path DataFile(const std::string& name) const { return data_ / name; }
    void WriteText(const std::string& name, const std::string& text) const;

  private:
    std::filesystem::path root_;
    std::filesystem::path data_;
};

}  // namespace soundtest
