#include "rules/lords.h"

namespace logic {

int HumanLord() {
    for (int p = 1; p <= kLords; ++p) {
        if (IsHuman(p)) return p;
    }
    return 0;
}

std::string FactionLogo(int lord) {
    static constexpr const char* kColours[] = {"blue", "green", "red", "cyan"};
    if (!ValidLord(lord)) return {};
    return std::string("factionlogo_") + kColours[lord - 1] + ".jpg";
}

}  // namespace logic
