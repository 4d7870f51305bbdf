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

bool ReadWindowedSetting() {
    std::vector<std::uint8_t> bytes;
    std::string error;
    auto path = CurrentFiles().UserTarget(kSettingsFile);
    if (!path || CurrentFiles().Read(kSettingsFile, kSettingsFileLimit, bytes, error) !=
                     Files::ReadResult::read)
        return false;
    const std::string text(bytes.begin(), bytes.end());
    return text.find("windowed=1") != std::string::npos;
}

void WriteWindowedSetting(bool windowed) {
    const std::string text = windowed ? "windowed=1\n" : "windowed=0\n";
    std::string error;
    CurrentFiles().Write(kSettingsFile, std::vector<std::uint8_t>(text.begin(), text.end()), error);
}

}  // namespace platform
