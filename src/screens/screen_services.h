// What every window reaches besides the windows it opens: the application, the sound, the
// message dialogs, the error box and the tutorial that finds each screen's panel.
#pragma once

#include <string>
#include <vector>

#include "platform/application.h"
#include "rules/tutorial_table.h"
#include "screens/message_dialogs.h"
#include "screens/services.h"
#include "sound/sound_system.h"

namespace screens {

class TutorialGuide;
class TutorialPanel;
struct TutorialExtraPanel;

class ScreenServices {
  public:
    ScreenServices(platform::Application& app, sound::SoundSystem& sound, TutorialGuide& tutorial);

    platform::Application& App() { return services_.app; }
    Services& Svc() { return services_; }
    sound::SoundSystem& Sound() { return services_.sound; }
    // The message windows are made after most windows, which ask for them only once shown.
    MessageDialogs& Dialogs() { return *dialogs_; }
    void SetDialogs(MessageDialogs& dialogs) { dialogs_ = &dialogs; }

    // The error box for file, picture and device errors.
    void ShowError(const std::string& text);

    // The screens that show a tutorial panel, so that each step finds its screen's panel and the
    // tutorial can be switched off on all.
    void RegisterTutorialPanel(logic::TutorialScreen screen, TutorialPanel* panel);
    void RegisterTutorialExtra(logic::TutorialExtra extra, const TutorialExtraPanel& panel);
    const std::vector<TutorialPanel*>& TutorialPanels() const { return tutorialPanels_; }
    TutorialGuide& Tutorial() { return tutorial_; }

  private:
    Services services_;
    TutorialGuide& tutorial_;
    MessageDialogs* dialogs_ = nullptr;
    std::vector<TutorialPanel*> tutorialPanels_;
};

}  // namespace screens
