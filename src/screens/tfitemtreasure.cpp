// The found-item and preview window's controls and buttons.
#include "screens/tfitemtreasure.h"

#include "dungeon/items.h"
#include "dungeon/treasure.h"
#include "screens/item_detail_box.h"
#include "screens/screen_services.h"
#include "screens/tutorial_switch.h"
#include "state/game_state.h"

namespace screens {

TFItemTreasure::TFItemTreasure(ScreenServices& screens)
    : Form(screens.App(), "TFItemTreasure", 560, 396), screens_(screens) {
    SetCaption(kDialogCaption);
    Services& s = screens.Svc();
    title_ = AddLabel(*this, "TitleLabel", 16, 12, 380, 34, 22, true, false);
    title_->SetColor(platform::colors::kGold);
    detail_ = std::make_unique<ItemDetailBox>(*this, 16, 52);
    sell_ = AddButton(*this, s, "SellButton", "Sell item", 16, 344, 190, 40, [this] {
        if (logic::SellFoundItem(item_)) Finish();
    });
    keep_ = AddButton(*this, s, "KeepButton", "Keep for yourself", 216, 344, 190, 40, [this] {
        if (logic::KeepFoundItem(item_)) Finish();
    });
    back_ = AddButton(*this, s, "BackButton", "Back", 416, 344, 128, 40, [this] { Finish(); });
    help_ = AddButton(*this, s, "HelpButton", "Help?", 416, 12, 128, 34, [this] {
        screens_.Dialogs().ShowShortNotice("Please click on \"Keep for yourself\".", "Continue");
    });
    // A found item must be sold or kept; the preview closes any way.
    OnCloseQuery = [this] { return finished_ || mode_ == Mode::preview; };
    OnClose = [] { logic::ClearScratchSlot(); };
    tutorial_ = AddTutorialStrip(screens, *this, logic::TutorialScreen::foundItem, false);
}

TFItemTreasure::~TFItemTreasure() = default;

void TFItemTreasure::Prepare(Mode mode, const std::string& title,
                             const logic::ItemDetailView& detail) {
    mode_ = mode;
    finished_ = false;
    title_->SetCaption(title);
    detail_->Show(detail);
    const bool found = mode == Mode::found;
    sell_->SetVisible(found);
    keep_->SetVisible(found);
    back_->SetVisible(!found);
    help_->SetVisible(found && state::G().tutorialOn);
}

void TFItemTreasure::OpenFound(int item, const logic::ItemDetailView& detail, int value) {
    item_ = item;
    Prepare(Mode::found, "Treasure found!", detail);
    sell_->SetCaption("Sell item (" + std::to_string(value) + ")");
    ShowModal();
}

void TFItemTreasure::OpenPreview(const logic::ItemDetailView& detail) {
    item_ = 0;
    Prepare(Mode::preview, "You see:", detail);
    ShowModal();
}

void TFItemTreasure::Finish() {
    finished_ = true;
    Close();
}

std::vector<std::pair<std::string, std::string>> TFItemTreasure::Describe() {
    std::vector<std::pair<std::string, std::string>> out = Form::Describe();
    out.emplace_back("title", title_->Caption());
    out.emplace_back("item", Find("ItemName")->Caption());
    return out;
}

}  // namespace screens
