#include "campaign/lords.h"

namespace logic {

std::string FactionLogo(int lord) {
    static constexpr const char* kColours[] = {"blue", "green", "red", "cyan"};
    if (!ValidLord(lord)) return {};
    return std::string("factionlogo_") + kColours[lord - 1] + ".jpg";
}

}  // namespace logic
