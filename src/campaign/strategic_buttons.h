// What the buttons of the strategic window do. The screen plays the click sound and hides the
// hover help, then calls these.
#pragma once

namespace logic {

inline constexpr const char* kBattleRefusal = "Sorry, but during a battle you cannot do this.";

// While a battle is shown: pause it, say that the buttons cannot act, resume. True when the
// refusal was shown (the button then does nothing else).
bool RefuseDuringBattle();

// SpeedButton4: skip the turn.
void SkipTurn();
// SpeedButton2: the magic portal home.
void PortalHome();
// SpeedButton3: how to move.
void MoveInformation();
// SpeedButton1, SpeedButton5, SpeedButton6: the hire, castle and options screens.
void OpenHire();
void OpenCastle();
void OpenOptions();

// The strategic window became active: a game saved inside a dungeon continues there.
void WindowActivated();

// The strategic window's close query: true allows closing.
bool CloseQuery();

}  // namespace logic
