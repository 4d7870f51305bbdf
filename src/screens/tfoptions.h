// The options: sound and music switches, saving and loading, the way back to the main menu,
// and a hidden cheat behind a picture.
#pragma once

#include "platform/form.h"

namespace screens {

class GameScreens;

class TFOptions final : public platform::Form {
  public:
    explicit TFOptions(GameScreens& screens);

    platform::SpeedButton* SoundButton() { return soundButton_; }
    platform::SpeedButton* MusicButton() { return musicButton_; }
    platform::SpeedButton* SaveLoadButton() { return saveLoadButton_; }

  private:
    GameScreens& screens_;
    platform::SpeedButton* soundButton_;
    platform::SpeedButton* musicButton_;
    platform::SpeedButton* saveLoadButton_;
};

}  // namespace screens
