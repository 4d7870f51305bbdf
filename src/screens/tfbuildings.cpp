#include "screens/tfbuildings.h"

#include "campaign/buildings.h"
#include "screens/screen_services.h"
#include "screens/tfcampaign1.h"
#include "screens/tutorial_switch.h"

namespace screens {

TFBuildings::TFBuildings(ScreenServices& screens, TFCampaign1& campaign)
    : Form(screens.App(), "TFBuildings", 860, 560), screens_(screens), campaign_(campaign) {
    SetCaption(kDialogCaption);
    Services& s = screens.Svc();
    auto* heading = AddLabel(*this, "Label1", 24, 16, 500, 32, 20, true, false);
    heading->SetCaption(logic::kBuildingsHeading);
    heading->SetColor(platform::colors::kGold);
    for (int b = 1; b <= logic::kBuildingCount; ++b) {
        const int col = (b - 1) % 3, row = (b - 1) / 3;
        const int x = 24 + col * 140, y = 64 + row * 150;
        tiles_[b] = AddPicture(*this, "Image" + std::to_string(b), x, y, 110, 100);
        tiles_[b]->OnClick = [this, b] {
            screens_.Sound().Effects().PlayClick();
            ShowDetails(b);
        };
        auto* name = AddLabel(*this, "LabelBuilding" + std::to_string(b), x, y + 104, 120, 22, 13,
                              true, false);
        name->SetCaption(logic::Building(b)->name);
    }
    AddButton(*this, s, "SpeedButton1", "Back", 24, 510, 150, 38, [this] { Close(); });

    details_ = Add<platform::Panel>("Panel1");
    details_->SetBounds(450, 60, 390, 440);
    name_ = AddLabel(*details_, "Label2", 16, 12, 360, 30, 18, true, false);
    name_->SetColor(platform::colors::kGold);
    description_ = AddLabel(*details_, "Label3", 16, 48, 360, 120, 13);
    auto* goldIcon = AddPicture(*details_, "Image10", 16, 176, 32, 32);
    goldIcon->LoadPicture("m1_treasure_fewcoins.jpg");
    gold_ = AddLabel(*details_, "Label4", 56, 182, 120, 24, 15, true, false);
    auto* honorIcon = AddPicture(*details_, "Image11", 200, 176, 32, 32);
    honorIcon->LoadPicture("honor.jpg");
    honor_ = AddLabel(*details_, "Label5", 240, 182, 120, 24, 15, true, false);
    for (int i = 0; i < 3; ++i) {
        resourcePictures_[i] =
            AddPicture(*details_, "Image" + std::to_string(12 + i), 16 + i * 120, 230, 32, 32);
        resourceAmounts_[i] = AddLabel(*details_, "Label" + std::to_string(6 + i), 56 + i * 120,
                                       236, 60, 24, 15, true, false);
    }
    build_ = AddButton(*details_, s, "SpeedButton2", "Build", 30, 380, 150, 40, [this] {
        if (logic::BuildSelected(selected_)) {
            RefreshPictures();
            details_->Hide();
        }
        campaign_.DrawStatusBar();
    });
    AddButton(*details_, s, "SpeedButton3", "Back", 210, 380, 150, 40,
              [this] { details_->Hide(); });
    details_->Hide();
    tutorial_ = AddTutorialStrip(screens, *this, logic::TutorialScreen::castle, false);
}

void TFBuildings::Open() {
    RefreshPictures();
    details_->Hide();
    ShowModal();
}

void TFBuildings::RefreshPictures() {
    for (int b = 1; b <= logic::kBuildingCount; ++b)
        tiles_[b]->LoadPicture(logic::BuildingTilePicture(b));
}

void TFBuildings::ShowDetails(int building) {
    selected_ = building;
    const logic::BuildingDetails d = logic::ShowBuildingDetails(building);
    name_->SetCaption(d.name);
    description_->SetCaption(d.description);
    gold_->SetCaption(d.goldLabel);
    honor_->SetCaption(d.honorLabel);
    for (int i = 0; i < 3; ++i) {
        const bool used = d.resources[i].kind != 0;
        resourcePictures_[i]->SetVisible(used);
        resourceAmounts_[i]->SetVisible(used);
        if (!used) continue;
        resourcePictures_[i]->LoadPicture(d.resourcePictures[i]);
        resourceAmounts_[i]->SetCaption(std::to_string(d.resources[i].amount));
    }
    build_->SetEnabled(d.buildEnabled);
    details_->Show();
    details_->BringToFront();
}

}  // namespace screens
