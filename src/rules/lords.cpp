#include "rules/lords.h"

#include "state/lord_colours.h"

namespace logic {

int HumanLord() {
    for (int p = 1; p <= kLords; ++p) {
        if (IsHuman(p)) return p;
    }
    return 0;
}

std::string FactionLogo(int lord) {
    if (!ValidLord(lord)) return {};
    return std::string("factionlogo_") + state::LordColourWord(lord) + ".jpg";
}

}  // namespace logic
