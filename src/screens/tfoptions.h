// The options: sound and music switches, saving and loading, the way back to the main menu,
// and a hidden cheat behind a picture.
#pragma once

#include <functional>

#include "platform/form.h"

namespace screens {

class ScreenServices;
class TFCheats;

class TFOptions final : public platform::Form {
  public:
    // The game flows behind "Save/Load game" and "Exit to main menu".
    struct Flows {
        std::function<void()> saveLoad;
        std::function<void()> exitToMainMenu;
    };
    // musicTimer: the background window's music timer, which the music switch restarts.
    TFOptions(ScreenServices& screens, platform::Timer& musicTimer, Flows flows);
    // The cheat menu behind the picture, made after this window.
    void Connect(TFCheats& cheats) { cheats_ = &cheats; }

    platform::SpeedButton* SoundButton() { return soundButton_; }
    platform::SpeedButton* MusicButton() { return musicButton_; }
    platform::SpeedButton* SaveLoadButton() { return saveLoadButton_; }

  private:
    ScreenServices& screens_;
    platform::Timer& musicTimer_;
    Flows flows_;
    TFCheats* cheats_ = nullptr;
    platform::SpeedButton* soundButton_;
    platform::SpeedButton* musicButton_;
    platform::SpeedButton* saveLoadButton_;
};

}  // namespace screens
