// Installs the theme screens for the event rules.
#include "screens/theme_bridge.h"

#include "screens/game_screens.h"
#include "screens/tfcampaign1.h"
#include "screens/tfintro3.h"

namespace screens {

ThemeBridge::ThemeBridge(GameScreens& screens) : screens_(screens) {
    logic::Hooks().SetTheme(this);
}

ThemeBridge::~ThemeBridge() {
    logic::Hooks().SetTheme(nullptr);
}

void ThemeBridge::ShowIntro(const logic::ThemeIntro& intro) {
    screens_.Intro().Fill(intro);
    screens_.Intro().ShowModal();
}

void ThemeBridge::SetupBoxes(const logic::ThemeBoxes& boxes) {
    screens_.Campaign().SetupThemeBoxes(boxes);
}

void ThemeBridge::SetNumbers(int counter, int troop) {
    screens_.Campaign().SetThemeNumbers(counter, troop);
}

}  // namespace screens
