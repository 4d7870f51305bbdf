#include "screens/tfaistatusscreen.h"

#include "campaign/computer_status.h"
#include "platform/control.h"
#include "screens/screen_services.h"
#include "screens/services.h"

namespace screens {

TFAIStatusScreen::TFAIStatusScreen(ScreenServices& screens)
    : Form(screens.App(), "TFAIStatusScreen", 520, 520) {
    SetCaption(kGameCaption);
    selector_ = Add<platform::ComboBox>("ComboBox1");
    selector_->SetBounds(20, 16, 200, 28);
    selector_->SetItems({logic::kStatusLordNames[0], logic::kStatusLordNames[1],
                         logic::kStatusLordNames[2], logic::kStatusLordNames[3]});
    selector_->OnChange = [this] { ShowLord(selector_->ItemIndex() + 1); };
    logo_ = AddPicture(*this, "Image1", 400, 16, 100, 100);
    name_ = AddLabel(*this, "Label1", 20, 56, 360, 26, 16, true, false);
    hero_ = AddLabel(*this, "Label2", 20, 86, 360, 24, 14, false, false);
    for (int i = 0; i < 10; ++i)
        values_[i] = AddLabel(*this, "Value" + std::to_string(i + 1), 20, 126 + i * 26, 220, 24, 14,
                              false, false);
    for (int i = 0; i < 8; ++i)
        buildings_[i] = AddLabel(*this, "Building" + std::to_string(i + 1), 260, 126 + i * 26, 240,
                                 24, 14, false, false);
    goal_ = AddLabel(*this, "GoalLabel", 20, 396, 480, 48, 14, true, true);
    target_ = AddLabel(*this, "TargetLabel", 20, 448, 300, 24, 14, false, false);
    AddButton(*this, screens.Svc(), "SpeedButton1", "Close", 360, 470, 140, 36,
              [this] { Close(); });
}

void TFAIStatusScreen::ShowLord(int lord) {
    lord_ = logic::StatusLordFor(lord);
    selector_->SetItemIndex(lord_ - 1);
    const logic::ComputerStatus s = logic::ShowComputerLordStatus(lord_);
    logo_->LoadPicture(s.logo);
    name_->SetCaption(s.name);
    hero_->SetCaption(s.hero);
    for (int i = 0; i < 10; ++i)
        values_[i]->SetCaption(s.values[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 8; ++i)
        buildings_[i]->SetCaption(s.buildings[static_cast<std::size_t>(i)]);
    goal_->SetCaption(s.goal);
    target_->SetCaption(s.target);
}

void TFAIStatusScreen::Refresh() {
    if (Visible()) ShowLord(lord_);
}

}  // namespace screens
