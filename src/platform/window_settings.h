// The player's choice between full screen and a window, remembered in a small settings file of
// the user folder ("window.cfg", one line "windowed=0" or "windowed=1").
#pragma once

namespace platform {

bool ReadWindowedSetting();
void WriteWindowedSetting(bool windowed);

}  // namespace platform
