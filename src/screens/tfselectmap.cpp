#include "screens/tfselectmap.h"

#include "platform/files.h"
#include "rules/tutorial_steps.h"
#include "screens/scenario_list.h"
#include "screens/screen_services.h"
#include "screens/tfpreviewmap.h"
#include "screens/tfshowmap.h"
#include "screens/tutorial_switch.h"
#include "state/checked_scenario.h"
#include "state/game_state.h"
#include "state/new_game.h"
#include "state/scenario_files.h"
#include "state/tables.h"

namespace screens {

namespace {
constexpr int kPageX = 5, kPageY = 70, kPageW = 710, kPageH = 420;
// The custom scenario buttons on page 2, under the edit box.
constexpr int kCustomColumns = 3, kCustomX = 20, kCustomY = 230, kCustomW = 216, kCustomH = 32,
              kCustomGap = 4;
}  // namespace

TFSelectMap::TFSelectMap(ScreenServices& screens)
    : Form(screens.App(), "TFSelectMap", 720, 710), screens_(screens) {
    SetCaption(kDialogCaption);
    Services& s = screens.Svc();
    auto* title = AddLabel(*this, "Label1", 20, 18, 500, 40, 24, true, false);
    title->SetCaption("Choose a scenario");
    title->SetColor(platform::colors::kGold);
    auto* cheat = AddPicture(*this, "Image9", 640, 8, 56, 56);
    cheat->LoadPicture("m1_book_y.jpg");
    cheat->OnClick = [this] {
        if (screens_.Dialogs().AskYesNo(
                "You have discovered a hidden cheat! Do you really want to unlocked all maps and "
                "difficulty settings? (WARNING SPOILER!)",
                "Yes", "No") == 1) {
            state::G().scenariosUnlocked = 12;
            state::G().difficultyUnlocked = 12;
            RefreshAvailability();
        }
    };

    page1_ = Add<platform::Panel>("Panel1");
    page1_->SetBounds(kPageX, kPageY, kPageW, kPageH);
    page2_ = Add<platform::Panel>("Panel2");
    page2_->SetBounds(kPageX, kPageY, kPageW, kPageH);
    int row1 = 0, row2 = 0;
    for (int i = 0; i < 8; ++i) {
        const ScenarioEntry& e = kScenarios[i];
        platform::Panel* page = e.page == 1 ? page1_ : page2_;
        const int row = e.page == 1 ? row1++ : row2++;
        const int y = 16 + row * 64;
        availability_[i] = AddPicture(*page, "Image" + std::to_string(i + 1), 60, y, 48, 48);
        AddButton(*page, s, "SpeedButton" + std::to_string(i + 1), e.caption, 124, y + 4, 460, 40,
                  [this, i] { ChooseScenario(i); });
    }
    auto* hint = AddLabel(*page2_, "Label2", 60, 140, 600, 40, 13);
    hint->SetCaption(
        "Please enter the filename without any file extensions and click the \"Play!\" button.");
    customName_ = page2_->Add<platform::Edit>("Edit1");
    customName_->SetBounds(60, 184, 400, 34);
    AddButton(*page2_, s, "SpeedButton9", "Play!", 480, 182, 120, 38, [this] { PlayCustom(); });
    for (int i = 0; i < static_cast<int>(customButtons_.size()); ++i) {
        const int x = kCustomX + (i % kCustomColumns) * (kCustomW + kCustomGap);
        const int y = kCustomY + (i / kCustomColumns) * (kCustomH + kCustomGap);
        customButtons_[static_cast<std::size_t>(i)] =
            AddButton(*page2_, s, "SpeedButton" + std::to_string(15 + i), "", x, y, kCustomW,
                      kCustomH, [this, i] { PlayListedCustom(i); });
    }

    pageButton_ = AddButton(*this, s, "SpeedButton10", "Next...", 520, 500, 180, 40,
                            [this] { TogglePage(); });
    AddButton(*this, s, "SpeedButton11", "Back", 20, 500, 180, 40, [this] {
        if (state::G().tutorialOn) {
            screens_.Dialogs().ShowShortNotice(kTutorialRefusal, "Continue");
            return;
        }
        Close();
    });
    tutorial_ = AddTutorialPanel(
        screens, *this, logic::TutorialScreen::scenarioList, platform::Rect{210, 552, 500, 150},
        TutorialPanelNames{"SpeedButton12", "SpeedButton13", "SpeedButton14", ""});
    page2_->Hide();
    RefreshCustomScenarios();
}

void TFSelectMap::Reset() {
    pageButton_->SetCaption("Next...");
    page2_->Hide();
    RefreshAvailability();
    RefreshCustomScenarios();
}

void TFSelectMap::RefreshCustomScenarios() {
    customScenarios_ = FindCustomScenarios(platform::CurrentFiles());
    for (std::size_t i = 0; i < customButtons_.size(); ++i) {
        platform::SpeedButton* button = customButtons_[i];
        const bool used = i < customScenarios_.size();
        button->SetCaption(used ? customScenarios_[i].title : "");
        button->SetVisible(used);
    }
}

// A listed custom scenario fills the box and plays, as if its name had been typed.
void TFSelectMap::PlayListedCustom(int index) {
    if (!state::InRange(index, 0, static_cast<int>(customScenarios_.size()) - 1)) return;
    customName_->SetText(customScenarios_[static_cast<std::size_t>(index)].baseName);
    PlayCustom();
}

void TFSelectMap::RefreshAvailability() {
    const state::Int unlocked = state::G().scenariosUnlocked;
    for (int i = 0; i < 8; ++i) {
        availability_[i]->LoadPicture(unlocked > kScenarios[i].needsAbove ? "b3_sm.jpg"
                                                                          : "b3_sm_g.jpg");
    }
}

void TFSelectMap::TogglePage() {
    if (state::G().tutorialOn) {
        screens_.Dialogs().ShowShortNotice(kTutorialRefusal, "Continue");
        return;
    }
    const bool toSecond = !page2_->Visible();
    page2_->SetVisible(toSecond);
    pageButton_->SetCaption(toSecond ? "Previous..." : "Next...");
}

void TFSelectMap::ChooseScenario(int index) {
    state::GameState& g = state::G();
    const ScenarioEntry& e = kScenarios[index];
    if (g.tutorialOn) {
        if (!e.tutorial) {
            screens_.Dialogs().ShowShortNotice(kTutorialRefusal, "Continue");
            return;
        }
        logic::AdvanceTutorial(1);
    }
    if (!(g.scenariosUnlocked > e.needsAbove)) {
        preview_->ShowFor(e.baseName, e.number);
        return;
    }
    LoadAndShowSheet(e.baseName, e.number, "");
}

void TFSelectMap::PlayCustom() {
    if (state::G().tutorialOn) {
        screens_.Dialogs().ShowShortNotice(kTutorialRefusal, "Continue");
        return;
    }
    const std::string name = customName_->Text();
    const platform::Files& files = platform::CurrentFiles();
    const std::string picture = files.Exists(name + ".jpg") ? name + ".jpg" : "m1_action_help.jpg";
    // A scenario shipped with the game presents its own theme; it still plays as the custom
    // scenario's number.
    LoadAndShowSheet(name, kCustomScenarioNumber, picture, IsShippedScenario(files, name));
}

void TFSelectMap::LoadAndShowSheet(const std::string& baseName, int number,
                                   const std::string& picture, bool sheetShowsMapTheme) {
    state::GameState& g = state::G();
    const state::LoadResult result = state::LoadCheckedScenario(
        baseName, [](state::GameState& gs) { state::ScenarioSetup(gs); }, g);
    if (result.status == state::LoadStatus::notFound) {
        screens_.Dialogs().ShowShortNotice(state::kScenarioNotFoundText, "Continue");
        return;
    }
    if (!result.Ok()) {
        screens_.ShowError(result.message);
        return;
    }
    g.modSetting[1] = 0;
    const int scenarioNumber = number == 0 ? g.mapSetting[3] : number;
    TFShowMap& sheet = *sheet_;
    sheet.Fill(picture.empty() ? g.modText[6] + ".jpg" : picture,
               sheetShowsMapTheme ? g.mapSetting[3] : scenarioNumber);
    if (sheet.Run()) {
        g.modSetting[1] = 1;
        g.playedScenario = scenarioNumber;
        Close();
    }
}

}  // namespace screens
