// Lower-casing of file names, for the lookups that ignore case (ASCII only, as the names are).
#pragma once

#include <algorithm>
#include <cctype>
#include <string>

namespace platform {

inline std::string LowerCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace platform
