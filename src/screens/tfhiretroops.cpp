#include "screens/tfhiretroops.h"

#include "campaign/hiring.h"
#include "rules/lords.h"
#include "screens/screen_services.h"
#include "screens/tfcampaign1.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"

namespace screens {

TFHireTroops::TFHireTroops(ScreenServices& screens, TFCampaign1& campaign)
    : Form(screens.App(), "TFHireTroops", 760, 560), screens_(screens), campaign_(campaign) {
    SetCaption(kDialogCaption);
    auto* heading = AddLabel(*this, "Label1", 24, 16, 500, 32, 20, true, false);
    heading->SetCaption(logic::kHireHeading);
    heading->SetColor(platform::colors::kGold);
    for (int kind = 1; kind <= 4; ++kind) {
        const int y = 60 + (kind - 1) * 110;
        pictures_[kind] = AddPicture(*this, "Image" + std::to_string(kind), 24, y, 90, 90);
        buttons_[kind] = AddButton(*this, screens.Svc(), "SpeedButton" + std::to_string(kind), "",
                                   130, y + 20, 64, 52, [this, kind] {
                                       if (logic::HireUnit(kind)) campaign_.DrawStatusBar();
                                   });
        names_[kind] = AddLabel(*this, "LabelName" + std::to_string(kind), 210, y + 4, 520, 24, 16,
                                true, false);
        prices_[kind] = AddLabel(*this, "LabelPrice" + std::to_string(kind), 210, y + 30, 520, 22,
                                 13, false, false);
        descriptions_[kind] =
            AddLabel(*this, "LabelText" + std::to_string(kind), 210, y + 54, 520, 44, 12);
    }
    AddButton(*this, screens.Svc(), "SpeedButton5", "Back", 24, 508, 150, 38, [this] { Close(); });
    tutorial_ = AddTutorialStrip(screens, *this, logic::TutorialScreen::hire, false);
}

void TFHireTroops::Fill() {
    const int lord = logic::ShownLord();
    for (int kind = 1; kind <= 4; ++kind) {
        const logic::HireLine line = logic::HireScreenLine(lord, kind);
        pictures_[kind]->LoadPicture(line.picture);
        buttons_[kind]->LoadGlyph(line.buttonPicture);
        names_[kind]->SetCaption(line.name);
        prices_[kind]->SetCaption(line.priceLine);
        descriptions_[kind]->SetCaption(line.description);
    }
}

void TFHireTroops::Open() {
    Fill();
    ShowModal();
}

}  // namespace screens
