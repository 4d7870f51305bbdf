// The conditions a game must keep after every step of a computer lord.
#pragma once

#include <string>

namespace app {

// The first broken condition of the game state, or an empty text. tookPart[p] tells which lords
// were in the game at its start (the others keep their untouched start records).
std::string BrokenInvariant(const bool (&tookPart)[5]);

}  // namespace app
