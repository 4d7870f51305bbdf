// What the theme places share beyond the rules' theme basics: the flight home, and the handlers
// of the themes.
#pragma once

#include "rules/theme_basics.h"

namespace logic {

// The lord's army flees to its castle and the map is redrawn.
void DriveBack(int lord);
// The handlers of the themes, for the current lord at a site of the theme.
using ThemeHandler = void (*)(int lord, int site);
void DragonAtThePass(int lord, int site);
void Efreet(int lord, int site);
void OrcCamp(int lord, int site);
void CrusaderCamp(int lord, int site);
void Graveyard(int lord, int site);
void MordulsCitadel(int lord, int site);
void Dwarves(int lord, int site);
void DwarvenMine(int lord, int site);
void Arena(int lord, int site);
void CauldronOfDoom(int lord, int site);
void Elves(int lord, int site);
void DragonAltar(int lord, int site);
void DemonAltar(int lord, int site);
void TheEldest(int lord, int site);
void GateOfHell(int lord, int site);
void Tombs(int lord, int site);

}  // namespace logic
