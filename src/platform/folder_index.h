// The names of a folder's regular files by their lower-case spelling, read once and read again
// only when a lookup could have changed: a name listed but gone, or a name not listed while the
// folder has changed since it was read (or was changing while it was read).
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace platform {

class FolderIndex {
  public:
    // The regular file of dir whose name equals lowerName ignoring case (the first one the
    // folder lists where several do).
    std::optional<std::filesystem::path> Find(const std::filesystem::path& dir,
                                              const std::string& lowerName);

  private:
    struct Listing {
        std::map<std::string, std::filesystem::path> byLowerName;
        std::filesystem::file_time_type modified;  // the folder's time when it was read
        bool settled = false;  // read well after its last change: an unchanged time says all
    };
    Listing& Read(const std::filesystem::path& dir);
    bool Changed(const std::filesystem::path& dir, const Listing& listing) const;

    std::map<std::filesystem::path, Listing> folders_;
};

}  // namespace platform
