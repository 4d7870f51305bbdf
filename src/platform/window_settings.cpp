#include "platform/window_settings.h"

#include <string>
#include <vector>

#include "platform/files.h"

namespace platform {

namespace {
constexpr const char* kSettingsFile = "window.cfg";
// The file holds one short line; anything much longer is not this file.
constexpr std::uintmax_t kSettingsFileLimit = 4096;
}  // namespace

bool ParseWindowedSetting(const std::string& text) {
    bool windowed = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line == "windowed=1") windowed = true;
        if (line.rfind("windowed=", 0) == 0 && line != "windowed=1") windowed = false;
        start = end + 1;
    }
    return windowed;
}

bool ReadWindowedSetting() {
    std::vector<std::uint8_t> bytes;
    std::string error;
    auto path = CurrentFiles().UserTarget(kSettingsFile);
    if (!path || CurrentFiles().Read(kSettingsFile, kSettingsFileLimit, bytes, error) !=
                     Files::ReadResult::read)
        return false;
    return ParseWindowedSetting(std::string(bytes.begin(), bytes.end()));
}

void WriteWindowedSetting(bool windowed) {
    const std::string text = windowed ? "windowed=1\n" : "windowed=0\n";
    std::string error;
    CurrentFiles().Write(kSettingsFile, std::vector<std::uint8_t>(text.begin(), text.end()), error);
}

}  // namespace platform
