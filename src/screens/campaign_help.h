// The strategic screen's help: the hover texts with where the hint panel goes and the hover
// numbers, and the right-click help of each control.
#pragma once

#include <string>

namespace screens {

struct HoverHelp {
    const char* control;
    int left, top;
    int hoverNumber;  // 0: shown on every move over the control
    const char* text;
};

struct RightClickHelp {
    const char* control;
    const char* title;
    const char* text;
};

// The hover help of a control (null when it has none). The move information button's text and
// number depend on the scout camp and are chosen by the screen.
const HoverHelp* FindHoverHelp(const std::string& control);
const RightClickHelp* FindRightClickHelp(const std::string& control);

inline constexpr const char* kMoveInfoHoverScout =
    "Info about how to scout (for more info right-click).";
inline constexpr const char* kMoveInfoHoverMove =
    "Info about how to move (for more info right-click).";

}  // namespace screens
