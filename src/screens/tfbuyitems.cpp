#include "screens/tfbuyitems.h"

#include "campaign/guild_shop.h"
#include "screens/screen_services.h"

namespace screens {

TFBuyItems::TFBuyItems(ScreenServices& screens) : Form(screens.App(), "TFBuyItems", 720, 420) {
    SetCaption(kGameCaption);
    Services& s = screens.Svc();
    auto* title = AddLabel(*this, "Label1", 24, 16, 500, 32, 20, true, false);
    title->SetCaption(logic::kGuildTitle);
    title->SetColor(platform::colors::kGold);
    AddLabel(*this, "Label2", 24, 54, 500, 24, 15, false, false)->SetCaption(logic::kGuildHeading);
    for (int slot = 1; slot <= 3; ++slot) {
        const int x = 24 + (slot - 1) * 232;
        const auto i = static_cast<std::size_t>(slot - 1);
        pictures_[i] = AddPicture(*this, "Image" + std::to_string(slot), x, 92, 208, 208);
        pictures_[i]->OnClick = [this, slot] { logic::ShowGuildItem(site_, slot); };
        buy_[i] = AddButton(*this, s, "SpeedButton" + std::to_string(slot), "", x, 310, 208, 40,
                            [this, slot] {
                                logic::BuyGuildItem(site_, slot);
                                Refresh();
                            });
    }
    AddButton(*this, s, "SpeedButton4", "Back", 24, 364, 150, 40, [this] { Close(); });
}

void TFBuyItems::Open(int site) {
    site_ = site;
    Refresh();
    ShowModal();
}

void TFBuyItems::Refresh() {
    const auto offers = logic::GuildOffers(site_);
    for (std::size_t i = 0; i < offers.size(); ++i) {
        // An empty slot shows no picture and no Buy button.
        if (offers[i].item == 0) {
            pictures_[i]->Clear();
            buy_[i]->Hide();
            continue;
        }
        pictures_[i]->LoadPicture(offers[i].picture);
        buy_[i]->SetCaption(offers[i].buyCaption);
        buy_[i]->Show();
    }
}

}  // namespace screens
