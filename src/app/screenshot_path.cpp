#include "app/screenshot_path.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "app/script.h"

namespace app {

namespace fs = std::filesystem;

namespace {

bool EndsWithPng(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".png";
}

// Whether the file starts with the eight bytes every PNG file starts with.
bool IsPngFile(const fs::path& file) {
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::ifstream in(file, std::ios::binary);
    unsigned char head[8] = {};
    if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
    return std::equal(std::begin(head), std::end(head), std::begin(kSignature));
}

}  // namespace

bool ScreenshotTarget(const std::string& folder, const std::string& path, std::string& target,
                      std::string& error) {
    const fs::path p(path);
    const std::string shown = QuoteExcerpt(path);
    if (path.empty()) {
        error = "screenshot needs a file name";
        return false;
    }
    if (p.is_absolute() || p.has_root_name() || p.has_root_directory()) {
        error = "screenshot " + shown + ": only a path below the script's folder may be written";
        return false;
    }
    for (const fs::path& part : p) {
        if (part == "..") {
            error = "screenshot " + shown + ": a path with \"..\" is not written";
            return false;
        }
    }
    if (!EndsWithPng(p.filename().string())) {
        error = "screenshot " + shown + ": the file name must end in .png";
        return false;
    }
    const fs::path base = folder.empty() ? fs::path(".") : fs::path(folder);
    const fs::path file = base / p;
    std::error_code ec;
    // A folder on the way that is a link elsewhere does not lead out either.
    const fs::path realBase = fs::weakly_canonical(base, ec);
    const fs::path realParent = fs::weakly_canonical(file.parent_path(), ec);
    const auto [end, rest] =
        std::mismatch(realBase.begin(), realBase.end(), realParent.begin(), realParent.end());
    if (ec || end != realBase.end()) {
        error = "screenshot " + shown + ": only a path below the script's folder may be written";
        return false;
    }
    const fs::file_status status = fs::symlink_status(file, ec);
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status) || !IsPngFile(file)) {
            error = "screenshot " + shown + ": the file there is not a PNG picture";
            return false;
        }
    }
    target = file.string();
    return true;
}

}  // namespace app
