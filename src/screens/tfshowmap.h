// The scenario sheet: the scenario's picture, title, story and theme, and the faction rows where
// the player picks a lord and may rename its realm and hero.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/form.h"
#include "screens/tutorial_panel.h"

namespace screens {

class ScreenServices;

class TFShowMap final : public platform::Form {
  public:
    explicit TFShowMap(ScreenServices& screens);

    // Fills the sheet for the loaded scenario: picture, title, story, theme, faction rows.
    void Fill(const std::string& picture, int scenarioNumber);
    // Shows it; true when the player started the game.
    bool Run();
    int Selected() const { return selected_; }

    TutorialPanel& Tutorial() { return *tutorial_; }

  private:
    void Select(int lord);
    void StartGame();

    ScreenServices& screens_;
    platform::Picture* picture_;
    platform::Label* title_;
    platform::Label* story_;
    std::array<platform::Picture*, 3> themePictures_{};
    std::array<platform::Label*, 3> themeLines_{};
    std::array<platform::Edit*, 5> realmEdits_{};
    std::array<platform::Edit*, 5> heroEdits_{};
    std::array<platform::RadioButton*, 5> radios_{};
    platform::SpeedButton* start_;
    int selected_ = 1;
    bool started_ = false;
    std::unique_ptr<TutorialPanel> tutorial_;
};

}  // namespace screens
