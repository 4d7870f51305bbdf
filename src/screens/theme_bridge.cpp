// Installs the theme screens for the event rules.
#include "screens/theme_bridge.h"

#include "screens/tfcampaign1.h"
#include "screens/tfintro3.h"

namespace screens {

ThemeBridge::ThemeBridge(TFIntro3& intro, TFCampaign1& campaign)
    : intro_(intro), campaign_(campaign) {
    logic::Hooks().SetTheme(this);
}

ThemeBridge::~ThemeBridge() {
    logic::Hooks().SetTheme(nullptr);
}

void ThemeBridge::ShowIntro(const logic::ThemeIntro& intro) {
    intro_.Fill(intro);
    intro_.ShowModal();
}

void ThemeBridge::SetupBoxes(const logic::ThemeBoxes& boxes) {
    campaign_.SetupThemeBoxes(boxes);
}

void ThemeBridge::SetNumbers(int counter, int troop) {
    campaign_.SetThemeNumbers(counter, troop);
}

}  // namespace screens
