// The game's two folders and the rules for reaching files in them.
//
// The data folder holds what ships with the game (pictures, sounds, music, scenarios) and is
// only read. The user folder holds what the player makes (saved games, progress, settings,
// custom scenarios). The game names files by bare name only; a bare name is looked up in the
// user folder first, then in the data folder, ignoring case. A name with a path separator or
// ".." is refused. Every write goes through a temporary file that is flushed and renamed over
// the target, so a failed write leaves the previous file as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class Files {
  public:
    Files() = default;
    Files(std::filesystem::path dataDir, std::filesystem::path userDir);

    // Folders chosen the way the game chooses them: $MARCHHOLT_DATA, else data/ beside the
    // executable, else ../share/marchholt relative to it; the user folder from
    // $XDG_DATA_HOME/marchholt, default ~/.local/share/marchholt.
    static Files FromEnvironment(const std::filesystem::path& executable);
    // The folder of the running program (`executable` is argv[0], used only where the system
    // cannot say).
    static std::filesystem::path ExecutableDir(const std::filesystem::path& executable);

    const std::filesystem::path& DataDir() const { return dataDir_; }
    const std::filesystem::path& UserDir() const { return userDir_; }

    // A bare file name: no separator, not empty, not "." or "..", no "..".
    static bool IsBareName(const std::string& name);

    // The existing file for a bare name (user folder, then data folder, case-insensitively).
    std::optional<std::filesystem::path> Find(const std::string& name) const;
    bool Exists(const std::string& name) const { return Find(name).has_value(); }

    // The names of the user folder's files whose name ends with `suffix` (ignoring case),
    // sorted; only names a bare-name lookup can reach.
    std::vector<std::string> UserFilesEnding(const std::string& suffix) const;

    // Reads a whole file found by Find. On failure returns false and sets error.
    bool Read(const std::string& name, std::vector<std::uint8_t>& out, std::string& error) const;

    // Writes a file into the user folder through a temporary file (flushed, then renamed).
    // An existing file of the same name but other case is replaced, not duplicated.
    bool Write(const std::string& name, const std::vector<std::uint8_t>& data,
               std::string& error) const;

    // Several files that must change together: every file is written to its temporary file
    // first; only when all are complete are they renamed over their targets, in the order given.
    struct PendingFile {
        std::string name;
        std::vector<std::uint8_t> data;
    };
    bool WriteAll(const std::vector<PendingFile>& files, std::string& error) const;

    // Where a bare name is written in the user folder (the existing spelling if one exists).
    std::optional<std::filesystem::path> UserTarget(const std::string& name) const;

  private:
    std::filesystem::path dataDir_;
    std::filesystem::path userDir_;
};

// The folders of this run: chosen once at start-up (tests point them at their own folders).
Files& CurrentFiles();
void UseFiles(Files files);

// The system's text for the last input/output error, in the style of the game's error box.
std::string IoErrorText(const std::string& action, const std::string& name, int errorNumber);

}  // namespace platform
