// The gold treasure window's controls.
#include "screens/tfgoldtreasure.h"

#include <string>

#include "screens/screen_services.h"

namespace screens {

TFGoldTreasure::TFGoldTreasure(ScreenServices& screens)
    : Form(screens.App(), "TFGoldTreasure", 600, 360) {
    SetCaption(kDialogCaption);
    picture_ = AddPicture(*this, "Image1", 24, 64, 200, 200);
    title_ = AddLabel(*this, "Label1", 244, 20, 332, 36, 20, true, false);
    title_->SetColor(platform::colors::kGold);
    text_ = AddLabel(*this, "Label2", 244, 64, 332, 160, 15);
    auto* valueTitle = AddLabel(*this, "ValueTitle", 244, 236, 80, 28, 16, true, false);
    valueTitle->SetCaption("Value:");
    value_ = AddLabel(*this, "ValueLabel", 330, 236, 200, 28, 16, true, false);
    value_->SetColor(platform::colors::kGold);
    auto* ok = AddButton(*this, screens.Svc(), "ContinueButton", "Continue", 215, 304, 170, 38,
                         [this] { Close(); });
    SetDefaultButton(ok);
}

void TFGoldTreasure::Open(const logic::GoldFindView& gold) {
    picture_->LoadPicture(gold.picture);
    title_->SetCaption(gold.title);
    text_->SetCaption(gold.text);
    value_->SetCaption(std::to_string(gold.value) + "gp");
    ShowModal();
}

std::vector<std::pair<std::string, std::string>> TFGoldTreasure::Describe() {
    return {{"title", title_->Caption()},
            {"text", text_->Caption()},
            {"value", value_->Caption()},
            {"picture", picture_->FileName()}};
}

}  // namespace screens
