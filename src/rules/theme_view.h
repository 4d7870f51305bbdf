// What the theme presentation needs from the windows: the theme introduction window and the two
// theme boxes of the strategic window.
#pragma once

#include <string>

namespace logic {

// The filled introduction of a theme (TFIntro3); an empty picture is hidden with its frame.
struct ThemeIntro {
    std::string text;
    std::string pictures[3];
    std::string goal;
};

// One theme box of the strategic screen: a picture and a number (hidden: empty picture).
struct ThemeBox {
    bool visible = false;
    std::string picture;
};

struct ThemeBoxes {
    ThemeBox counter;         // Image69 / Label30
    ThemeBox troop;           // Image646 / Label76
    std::string armyPicture;  // the special troop picture in the army panel; empty: none
};

class ThemeScreens {
  public:
    virtual ~ThemeScreens() = default;
    // Shows the introduction modally; returns when its "Continue" closes it.
    virtual void ShowIntro(const ThemeIntro& intro) { (void)intro; }
    // Shows or hides the boxes and loads their pictures.
    virtual void SetupBoxes(const ThemeBoxes& boxes) { (void)boxes; }
    // The numbers of the two boxes.
    virtual void SetNumbers(int counter, int troop) {
        (void)counter;
        (void)troop;
    }
};

}  // namespace logic
