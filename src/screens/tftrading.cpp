#include "screens/tftrading.h"

#include "campaign/trading.h"
#include "rules/lords.h"
#include "screens/screen_services.h"
#include "screens/tfcampaign1.h"
#include "state/game_state.h"

namespace screens {

namespace {
constexpr const char* kPictures[4] = {"d2_icon_wood.bmp", "d2_icon_iron.bmp", "d2_icon_stone2.bmp",
                                      "d2_icon_crystal.bmp"};
constexpr int kResourceSlots[4] = {state::Lord::wood, state::Lord::iron, state::Lord::stone,
                                   state::Lord::gems};
}  // namespace

TFTrading::TFTrading(ScreenServices& screens, TFCampaign1& campaign)
    : Form(screens.App(), "TFTrading", 720, 420), screens_(screens), campaign_(campaign) {
    SetCaption(kDialogCaption);
    auto* heading = AddLabel(*this, "Label1", 24, 16, 500, 32, 20, true, false);
    heading->SetCaption("Trade");
    heading->SetColor(platform::colors::kGold);
    for (int good = 0; good < logic::kTradeGoods; ++good) {
        const int y = 64 + good * 70;
        auto* picture = AddPicture(*this, "Image" + std::to_string(good + 1), 24, y, 40, 40);
        picture->LoadPicture(kPictures[good]);
        amounts_[good] = AddLabel(*this, "LabelAmount" + std::to_string(good + 1), 74, y + 8, 60,
                                  24, 16, true, false);
        prices_[good] = AddLabel(*this, "LabelPrice" + std::to_string(good + 1), 140, y + 8, 90, 24,
                                 16, true, false);
        buy_[good] = AddButton(*this, screens.Svc(), "SpeedButton" + std::to_string(good * 2 + 1),
                               "", 240, y, 240, 40, [this, good] {
                                   if (offer_ && logic::BuyGoods(*offer_, good))
                                       campaign_.DrawStatusBar();
                                   Refresh();
                               });
        sell_[good] = AddButton(*this, screens.Svc(), "SpeedButton" + std::to_string(good * 2 + 2),
                                "", 496, y, 200, 40, [this, good] {
                                    if (offer_ && logic::SellGoods(*offer_, good))
                                        campaign_.DrawStatusBar();
                                    Refresh();
                                });
    }
    AddButton(*this, screens.Svc(), "SpeedButton9", "Back", 24, 360, 150, 40, [this] { Close(); });
}

void TFTrading::Open(logic::TradeOffer& offer) {
    offer_ = &offer;
    Refresh();
    ShowModal();
    offer_ = nullptr;
}

void TFTrading::Refresh() {
    if (!offer_) return;
    const state::GameState& g = state::G();
    const int lord = logic::ShownLord();
    for (int good = 0; good < logic::kTradeGoods; ++good) {
        amounts_[good]->SetCaption(std::to_string(g.lord[lord][kResourceSlots[good]]));
        prices_[good]->SetCaption(logic::PriceText(*offer_, good));
        buy_[good]->SetCaption(logic::BuyCaption(*offer_, good));
        sell_[good]->SetCaption(logic::SellCaption(good));
    }
}

}  // namespace screens
