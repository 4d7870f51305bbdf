#include "screens/tfpreviewmap.h"

#include "events/theme_sheet_lines.h"
#include "screens/screen_services.h"
#include "state/game_state.h"
#include "state/scenario_files.h"

namespace screens {

TFPreviewMap::TFPreviewMap(ScreenServices& screens)
    : Form(screens.App(), "TFPreviewMap", 820, 520), screens_(screens) {
    SetCaption(kGameCaption);
    picture_ = AddPicture(*this, "Image1", 20, 20, 260, 260);
    title_ = AddLabel(*this, "Label1", 300, 20, 500, 36, 20, true, false);
    title_->SetColor(platform::colors::kGold);
    title_->SetCaption("Preview:");
    story_ = AddLabel(*this, "Label2", 300, 64, 500, 190, 13);
    for (int i = 0; i < 2; ++i) {
        themePictures_[i] =
            AddPicture(*this, "Image" + std::to_string(i + 2), 20, 300 + i * 40, 34, 34);
        themeLines_[i] = AddLabel(*this, "Label" + std::to_string(i + 3), 64, 306 + i * 40, 720, 24,
                                  14, true, false);
    }
    auto* locked = AddLabel(*this, "Label5", 20, 390, 780, 50, 14);
    locked->SetCaption(
        "This scenario is not unlocked yet. If you win one of the previous scenarios this scenario "
        "will become available.");
    AddButton(*this, screens.Svc(), "SpeedButton1", "Back", 335, 460, 150, 40, [this] { Close(); });
}

void TFPreviewMap::ShowFor(const std::string& baseName, int scenarioNumber) {
    state::GameState& g = state::G();
    const state::LoadResult result = state::LoadModule(baseName, g);
    if (!result.Ok()) {
        screens_.Dialogs().ShowShortNotice(state::kScenarioNotFoundText, "Continue");
        return;
    }
    g.modSetting[1] = 0;  // read for a look only: nothing is chosen
    picture_->LoadPicture(g.modText[6] + ".jpg");
    title_->SetCaption("Preview: " + g.modText[1]);
    story_->SetCaption(g.modText[3]);
    if (auto theme = logic::PreviewThemeFor(scenarioNumber)) {
        themePictures_[0]->LoadPicture(theme->monsters.picture);
        themeLines_[0]->SetCaption(theme->monsters.text);
        themePictures_[1]->LoadPicture(theme->theme.picture);
        themeLines_[1]->SetCaption(theme->theme.text);
    }
    ShowModal();
}

}  // namespace screens
