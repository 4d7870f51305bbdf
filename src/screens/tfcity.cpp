#include "screens/tfcity.h"

#include "campaign/city_visit.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "screens/screen_services.h"
#include "screens/tutorial_switch.h"

namespace screens {

TFCity::TFCity(ScreenServices& screens) : Form(screens.App(), "TFCity", 640, 400) {
    SetCaption(kGameCaption);
    Services& s = screens.Svc();
    title_ = AddLabel(*this, "Label1", 24, 16, 400, 32, 20, true, false);
    title_->SetColor(platform::colors::kGold);
    AddPicture(*this, "Image1", 24, 64, 260, 230)->LoadPicture("m1_village1.jpg");
    // The garrison: soldiers and archers.
    AddPicture(*this, "Image2", 24, 310, 64, 64)->LoadPicture("m2_nomad.jpg");
    soldiers_ = AddLabel(*this, "Label2", 96, 328, 60, 28, 18, true, false);
    AddPicture(*this, "Image3", 164, 310, 64, 64)->LoadPicture("m2_archers.jpg");
    archers_ = AddLabel(*this, "Label3", 236, 328, 60, 28, 18, true, false);

    attack_ = AddButton(*this, s, "SpeedButton1", "Attack && Conquer", 316, 64, 300, 44,
                        [this] { SetModalResult(platform::mrOk); });
    trade_ = AddButton(*this, s, "SpeedButton2", "Trade", 316, 120, 300, 44, [this] {
        logic::OpenTrading(site_);
        Refresh();
    });
    taxes_ = AddButton(*this, s, "SpeedButton3", "", 316, 176, 300, 44, [this] {
        logic::CollectTaxes(site_);
        Refresh();
    });
    buyItems_ = AddButton(*this, s, "SpeedButton4", "Buy hero items", 316, 232, 300, 44, [this] {
        logic::BuyHeroItems(site_);
        Refresh();
    });
    AddButton(*this, s, "SpeedButton5", "Leave", 316, 330, 300, 44, [this] {
        logic::LeaveCity(site_);
        Close();
    });
    tutorial_ = AddTutorialStrip(screens, *this, logic::TutorialScreen::city, false);
}

int TFCity::Open(int site) {
    site_ = site;
    Refresh();
    return ShowModal() == platform::mrOk ? logic::kCityAttack : 0;
}

void TFCity::Refresh() {
    const logic::CityView v = logic::DescribeCity(site_, logic::ShownLord());
    title_->SetCaption(v.title);
    soldiers_->SetCaption(std::to_string(v.soldiers));
    archers_->SetCaption(std::to_string(v.archers));
    attack_->SetEnabled(v.attack);
    trade_->SetEnabled(v.trade);
    taxes_->SetCaption(v.taxCaption);
    taxes_->SetEnabled(v.taxes);
    buyItems_->SetEnabled(v.buyItems);
}

}  // namespace screens
