// The player's choice between full screen and a window, remembered in a small settings file of
// the user folder ("window.cfg", one line "windowed=0" or "windowed=1").
#pragma once

#include <string>

namespace platform {

// The choice in the text of the file: a line "windowed=1" asks for a window. Lines of other
// settings are passed over; a damaged or impossible value, or a missing line, means full
// screen, the default; of two lines the last counts. A carriage return ending a line is allowed.
bool ParseWindowedSetting(const std::string& text);

bool ReadWindowedSetting();
void WriteWindowedSetting(bool windowed);

}  // namespace platform
