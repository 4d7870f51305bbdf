// Hiring troops on the castle's hire screen: one unit of a kind per click, paid in gold, each
// kind needing its building.
#pragma once

#include <array>
#include <string>

namespace logic {

inline constexpr const char* kHireHeading = "Hire new troops:";
inline constexpr const char* kNotEnoughMoney = "You do not have enough money!";
// A stack at the troop limit takes no more: the hire is refused before anything is paid.
inline constexpr const char* kArmyFull = "Your army cannot take more of these troops.";

// The price of one unit of troop kind 1..4 for a lord (the Ring Of Kings discount where it
// applies); 0 for other kinds.
int HirePrice(int lord, int kind);

// What the hire screen shows for one kind.
struct HireLine {
    std::string name, description, priceLine, picture, buttonPicture;
    bool greyed = false;  // the needed building is missing (the button stays clickable)
};
HireLine HireScreenLine(int lord, int kind);

// One click on a kind's hire button, for the current lord (the screen has played the click
// sound). True when a unit was hired.
bool HireUnit(int kind);

}  // namespace logic
