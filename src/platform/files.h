// The game's two folders and the rules for reaching files in them.
//
// The data folder holds what ships with the game (pictures, sounds, music, scenarios) and is
// only read. The user folder holds what the player makes (saved games, progress, settings,
// custom scenarios). The game names files by bare name only; a bare name is looked up in the
// user folder first, then in the data folder, ignoring case. A name with a path separator or
// ".." is refused. Every reader names the largest file its format can be, and a larger file is
// refused before any of it is read. Every write goes through a temporary file that is flushed
// and renamed over the target, so a failed write leaves the previous file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/folder_index.h"

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

    // What became of a read.
    enum class ReadResult {
        read,
        failed,    // missing or unreadable; error says why
        tooLarge,  // larger than the reader's limit: nothing was read (error: "File too large")
    };

    // Reads a whole file found by Find, if it is at most `limit` bytes long; the size is checked
    // before any byte is read, so the limit bounds the memory a read takes.
    ReadResult Read(const std::string& name, std::uintmax_t limit, std::vector<std::uint8_t>& out,
                    std::string& error) const;

    // Up to `count` bytes from `offset` of a file found by Find (fewer where the file ends).
    ReadResult ReadPart(const std::string& name, std::uintmax_t offset, std::size_t count,
                        std::vector<std::uint8_t>& out, std::string& error) const;

    // The size of a file found by Find; nothing when there is none.
    std::optional<std::uintmax_t> Size(const std::string& name) const;

    // Writes a file into the user folder through a temporary file (flushed, then renamed).
    // An existing file of the same name but other case is replaced, not duplicated.
    bool Write(const std::string& name, const std::vector<std::uint8_t>& data,
               std::string& error) const;

    // Several files that must change together: every file is written to its temporary file
    // first; only when all are complete are they renamed over their targets, in the order given.
    // Each target's previous version is kept until the last rename has succeeded: if a rename
    // fails, the files already renamed get their previous versions back (or are removed where
    // there was none), so the set is replaced whole or not at all.
    struct PendingFile {
        std::string name;
        std::vector<std::uint8_t> data;
    };
    enum class WriteResult {
        written,
        unchanged,  // failed; every target is as it was; error says why
        mixed,      // failed, and a previous version could not be put back: error names where
                    // it is kept
    };
    WriteResult WriteAll(const std::vector<PendingFile>& files, std::string& error) const;

    // Where a bare name is written in the user folder (the existing spelling if one exists).
    std::optional<std::filesystem::path> UserTarget(const std::string& name) const;

  private:
    std::optional<std::filesystem::path> FindInFolder(const std::filesystem::path& dir,
                                                      const std::string& name) const;
    // A whole file (count empty: refused above limit) or count bytes from offset.
    ReadResult ReadFrom(const std::string& name, std::uintmax_t offset,
                        std::optional<std::size_t> count, std::uintmax_t limit,
                        std::vector<std::uint8_t>& out, std::string& error) const;

    std::filesystem::path dataDir_;
    std::filesystem::path userDir_;
    // The folders' listings, shared by the copies of this object.
    std::shared_ptr<FolderIndex> index_ = std::make_shared<FolderIndex>();
};

// The folders of this run: chosen once at start-up (tests point them at their own folders).
Files& CurrentFiles();
void UseFiles(Files files);

// The system's text for the last input/output error, in the style of the game's error box.
std::string IoErrorText(const std::string& action, const std::string& name, int errorNumber);

}  // namespace platform
