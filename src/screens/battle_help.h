// The battle panel's help: the one-line hover help of each control for the help strip, and the
// longer right-click help texts of the orders, the command editor and the duel.
#pragma once

#include <string>

namespace screens {

struct BattleHoverLine {
    const char* control;
    const char* text;
};

struct BattleHelpText {
    const char* control;
    const char* title;
    const char* text;
};

// The help strip's line for a control of the battle panel (null when it has none).
const char* FindBattleHoverLine(const std::string& control);
// The right-click help of a control of the battle panel (null when it has none).
const BattleHelpText* FindBattleHelpText(const std::string& control);

}  // namespace screens
