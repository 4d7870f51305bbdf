#include "screens/tfshowmap.h"

#include "events/theme_sheet_lines.h"
#include "rules/tutorial_steps.h"
#include "screens/scenario_list.h"
#include "screens/screen_services.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"
#include "state/slot_info.h"

namespace screens {

namespace {
constexpr platform::Rect kPictureArea{20, 20, 300, 300};
}  // namespace

TFShowMap::TFShowMap(ScreenServices& screens)
    : Form(screens.App(), "TFShowMap", 960, 700), screens_(screens) {
    SetCaption(kDialogCaption);
    Services& s = screens.Svc();
    picture_ =
        AddPicture(*this, "Image1", kPictureArea.x, kPictureArea.y, kPictureArea.w, kPictureArea.h);
    title_ = AddLabel(*this, "Label1", 340, 20, 600, 36, 22, true, false);
    title_->SetColor(platform::colors::kGold);
    story_ = AddLabel(*this, "Label2", 340, 64, 600, 150, 13);
    for (int i = 0; i < 3; ++i) {
        themePictures_[i] =
            AddPicture(*this, "Image" + std::to_string(i + 2), 340, 224 + i * 34, 30, 30);
        themeLines_[i] = AddLabel(*this, "Label" + std::to_string(i + 3), 380, 230 + i * 34, 560,
                                  24, 14, true, false);
    }
    auto* header = AddLabel(*this, "Label6", 20, 340, 900, 24, 15, true, false);
    header->SetCaption(
        "Faction                 Realm name                               Hero name");
    for (int p = 1; p <= 4; ++p) {
        const int y = 340 + p * 52;
        auto* colour = AddLabel(*this, "LabelFaction" + std::to_string(p), 20, y + 6, 120, 24, 14,
                                true, false);
        colour->SetCaption(state::LordColourName(p));
        realmEdits_[p] = Add<platform::Edit>("Edit" + std::to_string(p));
        realmEdits_[p]->SetBounds(150, y, 300, 32);
        heroEdits_[p] = Add<platform::Edit>("Edit" + std::to_string(p + 4));
        heroEdits_[p]->SetBounds(470, y, 260, 32);
        radios_[p] = Add<platform::RadioButton>("RadioButton" + std::to_string(p));
        radios_[p]->SetBounds(750, y, 190, 32);
        radios_[p]->OnClick = [this, p] {
            screens_.Sound().Effects().PlayClick();
            if (state::G().tutorialOn) {
                radios_[p]->SetChecked(false);  // ignored during the tutorial
                radios_[selected_]->SetChecked(true);
                return;
            }
            Select(p);
        };
    }
    start_ = AddButton(*this, s, "SpeedButton1", "Start the game", 560, 630, 200, 44,
                       [this] { StartGame(); });
    AddButton(*this, s, "SpeedButton2", "Back", 200, 630, 200, 44, [this] {
        if (state::G().tutorialOn) {
            screens_.Dialogs().ShowShortNotice(kTutorialRefusal, "Continue");
            return;
        }
        Close();
    });
    // Over the scenario's picture, so that the title, story, theme lines and faction rows stay
    // readable (the sheet is as high as the smaller screen allows).
    tutorial_ = AddTutorialPanel(screens, *this, logic::TutorialScreen::sheet, kPictureArea);
}

void TFShowMap::Fill(const std::string& picture, int scenarioNumber) {
    state::GameState& g = state::G();
    picture_->LoadPicture(picture);
    title_->SetCaption(g.modText[1]);
    story_->SetCaption(g.modText[3]);
    if (auto theme = logic::SheetThemeFor(scenarioNumber)) {
        const logic::ThemeLine* lines[3] = {&theme->monsters, &theme->theme1,
                                            theme->theme2 ? &*theme->theme2 : nullptr};
        for (int i = 0; i < 3; ++i) {
            themePictures_[i]->SetVisible(lines[i] != nullptr);
            themeLines_[i]->SetVisible(lines[i] != nullptr);
            if (!lines[i]) continue;
            themePictures_[i]->LoadPicture(lines[i]->picture);
            themeLines_[i]->SetCaption(lines[i]->text);
        }
    }
    int first = 0;
    for (int p = 1; p <= 4; ++p) {
        const bool takesPart = g.lord[p][state::Lord::inGame] > 0;
        realmEdits_[p]->SetText(takesPart ? g.realmName[p] : "N/A");
        heroEdits_[p]->SetText(takesPart ? g.heroName[p] : "N/A");
        realmEdits_[p]->SetEnabled(takesPart);
        heroEdits_[p]->SetEnabled(takesPart);
        radios_[p]->SetEnabled(takesPart);
        radios_[p]->SetCaption(takesPart ? "Play this faction" : "N/A");
        radios_[p]->SetChecked(false);
        if (takesPart && first == 0) first = p;
    }
    Select(first == 0 ? 1 : first);
    start_->SetEnabled(true);
}

void TFShowMap::Select(int lord) {
    selected_ = lord;
    radios_[lord]->SetChecked(true);
}

bool TFShowMap::Run() {
    started_ = false;
    ShowModal();
    return started_;
}

void TFShowMap::StartGame() {
    state::GameState& g = state::G();
    if (g.tutorialOn) {
        if (selected_ != 1) {
            screens_.Dialogs().ShowShortNotice(
                "During the tutorial you can only play the blue player. This has been "
                "automatically changed now.",
                "Continue");
            Select(1);
        }
        logic::AdvanceTutorial(2);
    }
    for (int p = 1; p <= 4; ++p) {
        g.realmName[p] = realmEdits_[p]->Text();
        g.heroName[p] = heroEdits_[p]->Text();
        g.lord[p][state::Lord::controller] = p == selected_ ? 1 : 2;
    }
    started_ = true;
    Close();
}

}  // namespace screens
