// The inventory item window's controls and buttons.
#include "screens/tfitemdetail.h"

#include "dungeon/items.h"
#include "screens/item_detail_box.h"
#include "screens/screen_services.h"

namespace screens {

TFItemDetail::TFItemDetail(ScreenServices& screens)
    : Form(screens.App(), "TFItemDetail", 560, 396) {
    SetCaption(kDialogCaption);
    Services& s = screens.Svc();
    auto* title = AddLabel(*this, "TitleLabel", 16, 12, 380, 34, 22, true, false);
    title->SetColor(platform::colors::kGold);
    title->SetCaption("Inventory:");
    detail_ = std::make_unique<ItemDetailBox>(*this, 16, 52);
    weapon_ = AddButton(*this, s, "WeaponButton", "Use weapon", 16, 344, 190, 40, [this] {
        if (weapon_->Caption() == "Unequip") {
            logic::Unequip();
        } else {
            logic::UseWeapon(slot_);
        }
        Close();
    });
    AddButton(*this, s, "BackButton", "Back", 416, 344, 128, 40, [this] { Close(); });
}

TFItemDetail::~TFItemDetail() = default;

void TFItemDetail::Open(int slot, const logic::ItemDetailView& detail,
                        const std::string& weaponButton) {
    slot_ = slot;
    detail_->Show(detail);
    weapon_->SetVisible(!weaponButton.empty());
    if (!weaponButton.empty()) weapon_->SetCaption(weaponButton);
    ShowModal();
}

std::vector<std::pair<std::string, std::string>> TFItemDetail::Describe() {
    std::vector<std::pair<std::string, std::string>> out = Form::Describe();
    out.emplace_back("item", Find("ItemName")->Caption());
    return out;
}

}  // namespace screens
