// The background window: black and borderless over the whole screen, the application's main
// window. Its activation runs the start-up sequence and then the main menu; its music timer
// drives the music.
#pragma once

#include "platform/form.h"

namespace screens {

class GameScreens;

class TForm1 final : public platform::Form {
  public:
    explicit TForm1(GameScreens& screens);

    platform::Picture* Image1() { return image1_; }
    platform::Timer& Soundtimer1() { return soundtimer1_; }

  private:
    void StartUp();
    void SwitchToFullScreen();

    GameScreens& screens_;
    platform::Picture* image1_;
    platform::Timer soundtimer1_;
    bool started_ = false;
};

}  // namespace screens
