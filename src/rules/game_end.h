// The end of the game: defeat when the human's castle has fallen, victory when no computer lord
// is left or a theme's goal is reached.
#pragma once

#include <string>

namespace logic {

// The victory and defeat test after a castle has fallen or a lord has left the game. True when
// the game ended.
bool CheckGameEnd();

// The game is won by the current lord: the victory screen with its picture and text, the next
// scenario and difficulty level unlocked (never beyond the twelfth), then back to the menu.
void WinGame(const std::string& picture, const std::string& text);

}  // namespace logic
