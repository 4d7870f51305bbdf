#include "screens/tfoptions.h"

#include <utility>

#include "screens/screen_services.h"
#include "screens/sound_switches.h"
#include "screens/tfcheats.h"
#include "state/game_state.h"

namespace screens {

TFOptions::TFOptions(ScreenServices& screens, platform::Timer& musicTimer, Flows flows)
    : Form(screens.App(), "TFOptions", 460, 420),
      screens_(screens),
      musicTimer_(musicTimer),
      flows_(std::move(flows)) {
    SetCaption(kDialogCaption);
    Services& s = screens.Svc();
    auto* image5 = AddPicture(*this, "Image5", 20, 20, 90, 90);
    image5->LoadPicture("m1_book.jpg");
    image5->OnClick = [this] {
        const int answer = screens_.Dialogs().AskYesNo(
            "You have discovered a hidden cheat! Do you want to open the cheat menu? (WARNING "
            "SPOILER!)",
            "Yes", "No");
        if (answer == 1) cheats_->ShowModal();
    };
    auto* title = AddLabel(*this, "Label1", 130, 44, 300, 40, 24, true, false);
    title->SetCaption("Options");
    title->SetColor(platform::colors::kGold);
    const int x = 80, w = 300;
    AddButton(*this, s, "SpeedButton1", "Back to the game", x, 130, w, 40, [this] { Close(); });
    soundButton_ = AddButton(*this, s, "SpeedButton2", "Sound effects: On", x, 180, w, 40,
                             [this] { ToggleSound(*this); });
    musicButton_ = AddButton(*this, s, "SpeedButton4", "Music: On", x, 230, w, 40,
                             [this] { ToggleMusic(*this, screens_.Sound(), musicTimer_); });
    saveLoadButton_ = AddButton(*this, s, "SpeedButton7", "Save/Load game", x, 280, w, 40,
                                [this] { flows_.saveLoad(); });
    AddButton(*this, s, "SpeedButton3", "Exit to main menu", x, 330, w, 40,
              [this] { flows_.exitToMainMenu(); });
}

}  // namespace screens
