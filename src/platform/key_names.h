// Keys by the names the window system gives them ("Return", "Right", "Keypad 8", "F1", "H"):
// the one spelling the real window, the console's `key` and the key lists share.
#pragma once

#include <optional>
#include <string>

namespace platform {

// The key's name as the window system spells it, for any spelling it accepts (case does not
// matter: "right" gives "Right"); "Enter" is taken for "Return". Nothing for a name that is no key.
std::optional<std::string> CanonicalKeyName(const std::string& name);

// The keys that always do the same, whatever the window.
inline constexpr const char* kEnterKey = "Return";
inline constexpr const char* kKeypadEnterKey = "Keypad Enter";
inline constexpr const char* kEscapeKey = "Escape";
inline constexpr const char* kWindowedKey = "F11";
inline constexpr const char* kKeyListKey = "F1";

}  // namespace platform
