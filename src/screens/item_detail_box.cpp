// The item details' controls and their filling.
#include "screens/item_detail_box.h"

#include <string>

#include "screens/services.h"

namespace screens {

namespace {
constexpr const char* kStrengthLabels[4] = {"Hit %:", "Damage:", "Health+:", "Heal:"};
constexpr int kRaritySmall = 14, kRarityLarge = 20;
}  // namespace

ItemDetailBox::ItemDetailBox(platform::Control& parent, int left, int top) {
    name_ = AddLabel(parent, "ItemName", left, top, 440, 28, 18, true, false);
    name_->SetColor(platform::colors::kGold);
    picture_ = AddPicture(parent, "ItemPicture", left, top + 36, 100, 100);
    const int x = left + 116;
    kind_ = AddLabel(parent, "ItemKind", x, top + 36, 324, 22, 14, false, false);
    auto* levelTitle = AddLabel(parent, "ItemLevelTitle", x, top + 62, 80, 22, 14, true, false);
    levelTitle->SetCaption("Level:");
    level_ = AddLabel(parent, "ItemLevel", x + 84, top + 62, 60, 22, 14, false, false);
    auto* rarityTitle = AddLabel(parent, "ItemRarityTitle", x, top + 88, 80, 26, 14, true, false);
    rarityTitle->SetCaption("Rarity:");
    rarity_ = AddLabel(parent, "ItemRarity", x + 84, top + 86, 160, 28, kRaritySmall, true, false);
    for (int i = 0; i < 4; ++i) {
        const int y = top + 146 + i * 24;
        auto* title = AddLabel(parent, std::string("ItemStrengthTitle") + std::to_string(i + 1),
                               left, y, 100, 22, 14, true, false);
        title->SetCaption(kStrengthLabels[i]);
        strengths_[static_cast<size_t>(i)] =
            AddLabel(parent, "ItemStrength" + std::to_string(i + 1), left + 110, y, 220, 22, 14,
                     false, false);
    }
}

void ItemDetailBox::Show(const logic::ItemDetailView& item) {
    name_->SetCaption(item.name);
    picture_->LoadPicture(item.picture);
    kind_->SetCaption(item.kindLabel);
    level_->SetCaption(std::to_string(item.level));
    rarity_->SetCaption(item.rarityLabel);
    rarity_->SetFontSize(item.largeRarity ? kRarityLarge : kRaritySmall);
    const std::string* lines[4] = {&item.hit, &item.damage, &item.health, &item.heal};
    for (size_t i = 0; i < 4; ++i)
        strengths_[i]->SetCaption(*lines[i]);
}

}  // namespace screens
