// What the tutorial grants and arranges at its steps on the map: the fields, the missing
// resources, the hiring lesson, and the "Continue" buttons that move it on.
#pragma once

#include <string>

#include "rules/tutorial_table.h"

namespace logic {

// What a step arranges when the tutorial arrives at it: the fields on the map (steps 10, 14 and
// 15), the potion (36) and the enemy of the battle (52). AdvanceTutorial grants the rest.
void ArrangeTutorialStep(int step);
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

// A tutorial "Continue" button (the strategic or the dungeon screen's). The strategic one
// treats the steps 0 to 3 like step 3; at step 56 it only hides the panel; at 57 it ends the
// tutorial.
void TutorialContinueClick(TutorialContinue button);
// The "Continue" of an extra panel (item kinds, item example, battle orders).
void TutorialExtraContinueClick();

}  // namespace logic
