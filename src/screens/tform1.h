// The background window: black and borderless over the whole screen, the application's main
// window. Its activation runs the start-up sequence and then the main menu; its music timer
// drives the music.
#pragma once

#include "platform/form.h"
#include "screens/start_options.h"

namespace screens {

class ScreenServices;
class TFOptions;
class TForm2;

class TForm1 final : public platform::Form {
  public:
    TForm1(ScreenServices& screens, const StartOptions& options);
    // The main menu that start-up shows and the options whose switch captions it sets, both
    // made after this window.
    void Connect(TForm2& mainMenu, TFOptions& optionsScreen) {
        mainMenu_ = &mainMenu;
        optionsScreen_ = &optionsScreen;
    }

    platform::Picture* Image1() { return image1_; }
    platform::Timer& Soundtimer1() { return soundtimer1_; }

  private:
    void StartUp();
    void SwitchToFullScreen();

    ScreenServices& screens_;
    StartOptions startOptions_;
    TForm2* mainMenu_ = nullptr;
    TFOptions* optionsScreen_ = nullptr;
    platform::Picture* image1_;
    platform::Timer soundtimer1_;
    bool started_ = false;
};

}  // namespace screens
