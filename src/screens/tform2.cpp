#include "screens/tform2.h"

#include <utility>

#include "screens/screen_services.h"
#include "screens/tfcredits.h"
#include "screens/tfoptions.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"

namespace screens {

namespace {
constexpr int kWidth = 820;
constexpr int kHeight = 700;
constexpr int kColumnX = 260;
constexpr int kColumnW = 300;
constexpr int kSidePictureHeight = 265;
}  // namespace

TForm2::TForm2(ScreenServices& screens, Flows flows)
    : Form(screens.App(), "TForm2", kWidth, kHeight), screens_(screens), flows_(std::move(flows)) {
    SetCaption(kGameCaption);
    Services& s = screens.Svc();
    auto* title = AddLabel(*this, "Label1", 0, 40, kWidth, 70, 48, true, false);
    title->SetAlign(platform::Align::Center);
    title->SetColor(platform::colors::kGold);
    title->SetCaption("Marchholt");
    image30_ = AddPicture(*this, "Image30", 24, 160, 200, 240);
    image30_->LoadPicture("menu_side1.jpg");
    image31_ = AddPicture(*this, "Image31", kWidth - 224, 160, 200, 240);
    image31_->LoadPicture("menu_side2.jpg");

    const std::string tutorialRefusal =
        "Sorry, during the tutorial this is not possible. If you wish to start a new game on your "
        "own please EXIT the tutorial first.";
    int y = 160;
    AddButton(*this, s, "SpeedButton1", "Start a new game", kColumnX, y, kColumnW, 42,
              [this, tutorialRefusal] {
                  if (state::G().tutorialOn) {
                      screens_.Dialogs().ShowShortNotice(tutorialRefusal, "Continue");
                      return;
                  }
                  flows_.newGame();
              });
    y += 50;
    AddButton(*this, s, "SpeedButton13", "Start the tutorial", kColumnX, y, kColumnW, 42,
              [this] { flows_.startTutorial(); });
    y += 50;
    AddButton(*this, s, "SpeedButton15", "Load a game", kColumnX, y, kColumnW, 42, [this] {
        if (state::G().tutorialOn) {
            screens_.Dialogs().ShowShortNotice(
                "Sorry, during the tutorial this is not possible. If you wish to load game please "
                "EXIT the tutorial first.",
                "Continue");
            return;
        }
        flows_.loadGame();
    });
    y += 50;
    AddButton(*this, s, "SpeedButton9", "Options", kColumnX, y, kColumnW, 42, [this] {
        TFOptions& options = *options_;
        options.SaveLoadButton()->SetEnabled(false);
        options.ShowModal();
        options.SaveLoadButton()->SetEnabled(true);
    });
    y += 50;
    AddButton(*this, s, "SpeedButton12", "Credits", kColumnX, y, kColumnW, 42,
              [this] { credits_->ShowModal(); });
    AddButton(*this, s, "SpeedButton7", "Quit", kWidth - 92, 150 - 38, 80, 30, [this] { Close(); });

    quitPanel_ = Add<platform::Panel>("Panel1");
    quitPanel_->SetBounds(0, 0, 580, 56);
    AddButton(*quitPanel_, s, "SpeedButton2", "Quit", 140, 8, kColumnW, 40, [this] { Close(); });

    tutorial_ = AddTutorialPanel(
        screens, *this, logic::TutorialScreen::mainMenu, platform::Rect{120, 510, 580, 176},
        TutorialPanelNames{"SpeedButton5", "SpeedButton8", "SpeedButton4", ""});
    tutorial_->SetStep("Tutorial: Welcome",
                       "Welcome to Marchholt! You are new here, so the tutorial is switched on. It "
                       "leads you through your first game step by step.",
                       "Click on \"Start the tutorial\"");
    tutorial_->PlacePointer("tutorialclick_left.jpg", kColumnX + kColumnW + 4, 205);
}

void TForm2::LayOut() {
    quitPanel_->SetPosition(120, 444);
    image30_->SetHeight(kSidePictureHeight);
    image31_->SetHeight(kSidePictureHeight);
}

void TForm2::HideTutorial() {
    tutorial_->Deactivate();
}

}  // namespace screens
