// Key names through SDL's table of key names, which needs no display (the console has none).
#include "platform/key_names.h"

#include <SDL.h>

namespace platform {

std::optional<std::string> CanonicalKeyName(const std::string& name) {
    if (name == "Enter") return std::string(kEnterKey);
    const SDL_Scancode key = SDL_GetScancodeFromName(name.c_str());
    if (key == SDL_SCANCODE_UNKNOWN) return std::nullopt;
    const char* canonical = SDL_GetScancodeName(key);
    if (canonical == nullptr || *canonical == '\0') return std::nullopt;
    return std::string(canonical);
}

}  // namespace platform
