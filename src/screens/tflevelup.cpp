// The level-up window's controls.
#include "screens/tflevelup.h"

#include <string>

#include "screens/screen_services.h"

namespace screens {

TFLevelUp::TFLevelUp(ScreenServices& screens) : Form(screens.App(), "TFLevelUp", 520, 330) {
    SetCaption(kDialogCaption);
    picture_ = AddPicture(*this, "Image1", 24, 24, 100, 100);
    heading_ = AddLabel(*this, "Label1", 140, 24, 356, 56, 18, true, true);
    heading_->SetColor(platform::colors::kGold);
    auto* levelTitle = AddLabel(*this, "LevelTitle", 140, 90, 80, 28, 18, true, false);
    levelTitle->SetCaption("Level:");
    level_ = AddLabel(*this, "LevelLabel", 224, 88, 80, 30, 22, true, false);
    line_ = AddLabel(*this, "Label2", 24, 140, 472, 110, 16, true, true);
    line_->SetColor(platform::colors::kWhite);
    auto* ok = AddButton(*this, screens.Svc(), "ContinueButton", "Continue", 175, 270, 170, 38,
                         [this] { Close(); });
    SetDefaultButton(ok);
}

void TFLevelUp::Open(const logic::LevelUpView& levelUp) {
    picture_->LoadPicture(levelUp.heroPicture);
    heading_->SetCaption(levelUp.heading);
    level_->SetCaption(std::to_string(levelUp.level));
    line_->SetCaption(levelUp.line);
    ShowModal();
}

std::vector<std::pair<std::string, std::string>> TFLevelUp::Describe() {
    return {{"title", heading_->Caption()},
            {"level", level_->Caption()},
            {"text", line_->Caption()},
            {"picture", picture_->FileName()}};
}

}  // namespace screens
