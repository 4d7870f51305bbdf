// What the tutorial grants and arranges at its steps: the fields on the map, the item and the
// potion, the honor after the dungeon, the missing resources and gold, the hiring lesson and the
// enemy of the tutorial battle.
#pragma once

#include <string>

namespace logic {

// What a step arranges when the tutorial arrives at it (steps 10, 14, 15, 36, 41, 46, 52).
void ArrangeTutorialStep(int step);
// The panel text after the first dungeon, by the lord's honor and the hero's health.
std::string TutorialDungeonEndText();
// Step 24: item 1 in the found-item window.
void OfferTutorialItem();
// Step 43: the barracks' details are opened; whatever the lord lacks for them is given.
void TopUpForBarracks();
// A unit of a kind was hired: the hiring lesson of step 47 counts the soldier battalions.
void TutorialUnitHired(int kind);
// The barracks' details were opened (steps 12 and 43) or the barracks were built (step 44).
void TutorialBarracksShown();
void TutorialBuilt(int building);

inline constexpr const char* kTutorialTopUpNotice =
    "Have you not followed the instructions of the tutorial? Somehow you do not got enough "
    "resources, but we have given you what you need now.";
inline constexpr const char* kTutorialHireAgain =
    "Good! Again please (you need 6 soldier batallions).";

}  // namespace logic
