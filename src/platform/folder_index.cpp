#include "platform/folder_index.h"

#include <chrono>
#include <system_error>

#include "platform/text_case.h"

namespace platform {

namespace fs = std::filesystem;

namespace {

// A folder's time is kept in coarse steps: a change this soon after it may leave it unchanged.
constexpr auto kTimeStep = std::chrono::milliseconds(100);

}  // namespace

FolderIndex::Listing& FolderIndex::Read(const fs::path& dir) {
    Listing listing;
    std::error_code ec;
    listing.modified = fs::last_write_time(dir, ec);
    const auto readAt = fs::file_time_type::clock::now();
    listing.settled = !ec && readAt - listing.modified > kTimeStep;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        listing.byLowerName.emplace(LowerCase(it->path().filename().string()), it->path());
    }
    return folders_[dir] = std::move(listing);
}

bool FolderIndex::Changed(const fs::path& dir, const Listing& listing) const {
    if (!listing.settled) return true;
    std::error_code ec;
    const auto modified = fs::last_write_time(dir, ec);
    return ec || modified != listing.modified;
}

std::optional<fs::path> FolderIndex::Find(const fs::path& dir, const std::string& lowerName) {
    auto it = folders_.find(dir);
    const Listing* listing = it == folders_.end() ? &Read(dir) : &it->second;
    bool fresh = it == folders_.end();
    for (;;) {
        auto found = listing->byLowerName.find(lowerName);
        std::error_code ec;
        if (found != listing->byLowerName.end() && fs::is_regular_file(found->second, ec))
            return found->second;
        // Listed but gone, or not listed where the folder may have changed: read it again.
        if (fresh || (found == listing->byLowerName.end() && !Changed(dir, *listing)))
            return std::nullopt;
        listing = &Read(dir);
        fresh = true;
    }
}

}  // namespace platform
