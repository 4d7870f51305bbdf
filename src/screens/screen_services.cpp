// The shared services of the windows: the error box and the tutorial's panel registry.
#include "screens/screen_services.h"

#include "screens/tutorial_guide.h"

namespace screens {

ScreenServices::ScreenServices(platform::Application& app, sound::SoundSystem& sound,
                               TutorialGuide& tutorial)
    : services_{app, sound}, tutorial_(tutorial) {}

void ScreenServices::ShowError(const std::string& text) {
    services_.app.ReportError(text);
}

void ScreenServices::RegisterTutorialPanel(logic::TutorialScreen screen, TutorialPanel* panel) {
    tutorialPanels_.push_back(panel);
    tutorial_.Register(screen, panel);
}

void ScreenServices::RegisterTutorialExtra(logic::TutorialExtra extra,
                                           const TutorialExtraPanel& panel) {
    tutorial_.RegisterExtra(extra, panel);
}

}  // namespace screens
