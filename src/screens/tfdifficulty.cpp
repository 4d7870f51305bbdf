#include "screens/tfdifficulty.h"

#include "screens/screen_services.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"
#include "state/new_game.h"

namespace screens {

TFDifficulty::TFDifficulty(ScreenServices& screens)
    : Form(screens.App(), "TFDifficulty", 520, 520), screens_(screens) {
    SetCaption(kDialogCaption);
    auto* text = AddLabel(*this, "Label1", 24, 20, 472, 50, 15);
    text->SetCaption(
        "Please choose the difficulty level. More will become unlocked the more new maps you win.");
    for (int i = 0; i < 7; ++i) {
        const int y = 84 + i * 54;
        pictures_[i] = AddPicture(*this, "Image" + std::to_string(i + 1), 90, y, 44, 44);
        const state::Int value = state::kDifficultyValues[i];
        buttons_[i] = AddButton(*this, screens.Svc(), "Diff" + std::to_string(i + 1) + "Button",
                                state::kDifficultyCaptions[i], 150, y + 2, 280, 40, [this, value] {
                                    state::SetDifficulty(value);
                                    Close();
                                });
    }
    tutorial_ = AddTutorialStrip(screens, *this, logic::TutorialScreen::difficulty, false);
}

void TFDifficulty::Prepare() {
    state::GameState& g = state::G();
    g.difficultyUnlocked = 7;
    for (int i = 0; i < 7; ++i) {
        const bool enabled = i < g.difficultyUnlocked;
        buttons_[i]->SetEnabled(enabled);
        pictures_[i]->LoadPicture(enabled ? "b3_sm.jpg" : "b3_sm_g.jpg");
    }
}

}  // namespace screens
