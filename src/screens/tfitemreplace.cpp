// The replace window's controls and buttons.
#include "screens/tfitemreplace.h"

#include <string>

#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "screens/frame_box.h"
#include "screens/screen_services.h"
#include "state/game_state.h"

namespace screens {

namespace {
constexpr int kSlotTop = 48, kSlotSize = 80, kSlotStep = 92;
constexpr const char* kLineLabels[4] = {"Hit %", "Damage", "Health+", "Heal"};
constexpr int kStrengthFields[4] = {state::ItemTable::hitStrength, state::ItemTable::damageStrength,
                                    state::ItemTable::healthStrength,
                                    state::ItemTable::healStrength};
}  // namespace

TFItemReplace::TFItemReplace(ScreenServices& screens)
    : Form(screens.App(), "TFItemReplace", 640, 456) {
    SetCaption(kDialogCaption);
    Services& s = screens.Svc();
    auto* packTitle = AddLabel(*this, "BackpackTitle", 16, 16, 200, 24, 15, true, false);
    packTitle->SetCaption("Backpack:");
    for (int slot = 1; slot <= logic::kBackpackSlots; ++slot) {
        auto* picture = AddPicture(*this, "ReplaceSlot" + std::to_string(slot),
                                   16 + (slot - 1) * kSlotStep, kSlotTop, kSlotSize, kSlotSize);
        picture->OnClick = [this, slot] { Select(slot); };
        slots_[static_cast<size_t>(slot)] = picture;
    }
    frame_ = Add<FrameBox>("SelectedSlot", platform::colors::kGold, 3);
    frame_->SetBounds(12, kSlotTop - 4, kSlotSize + 8, kSlotSize + 8);
    auto* newTitle = AddLabel(*this, "NewItemTitle", 460, 16, 160, 24, 15, true, false);
    newTitle->SetCaption("New item:");
    newItem_ = AddPicture(*this, "NewItem", 460, kSlotTop, 100, 100);
    newItem_->OnClick = [this] { ShowDetails(item_); };
    name_ = AddLabel(*this, "ItemName", 16, 170, 608, 28, 18, true, false);
    name_->SetColor(platform::colors::kGold);
    levelLine_ = AddLabel(*this, "ItemLevelLine", 16, 204, 608, 24, 15, false, false);
    for (int i = 0; i < 4; ++i)
        lines_[static_cast<size_t>(i)] = AddLabel(*this, "ItemLine" + std::to_string(i + 1), 16,
                                                  236 + i * 26, 608, 24, 15, false, false);
    AddButton(*this, s, "ReplaceButton", "Replace", 16, 400, 180, 40, [this] {
        if (logic::ReplaceWithItem(selected_, item_)) Finish(true);
    });
    AddButton(*this, s, "UseNowButton", "Use now", 230, 400, 180, 40, [this] {
        if (logic::UseItemNow(item_)) Finish(true);
    });
    AddButton(*this, s, "BackButton", "Back", 444, 400, 180, 40, [this] { Finish(false); });
}

bool TFItemReplace::Open(int item) {
    item_ = item;
    closesBoth_ = false;
    for (int slot = 1; slot <= logic::kBackpackSlots; ++slot) {
        const int carried = logic::SlotItem(slot);
        platform::Picture* picture = slots_[static_cast<size_t>(slot)];
        if (carried == logic::kNoItem) {
            picture->Clear();
        } else {
            picture->LoadPicture(logic::DescribeItem(carried).picture);
        }
    }
    newItem_->LoadPicture(logic::DescribeItem(item).picture);
    Select(1);
    ShowModal();
    return closesBoth_;
}

void TFItemReplace::Select(int slot) {
    selected_ = slot;
    frame_->SetPosition(slots_[static_cast<size_t>(slot)]->Left() - 4, kSlotTop - 4);
    ShowDetails(logic::SlotItem(slot));
}

void TFItemReplace::ShowDetails(int item) {
    if (item == logic::kNoItem) {
        name_->SetCaption("");
        levelLine_->SetCaption("");
        for (auto* line : lines_)
            line->SetCaption("");
        return;
    }
    name_->SetCaption(logic::DescribeItem(item).name);
    levelLine_->SetCaption(logic::ReplaceLevelLine(item));
    const int level = logic::ItemField(item, state::ItemTable::itemLevel);
    for (size_t i = 0; i < 4; ++i)
        lines_[i]->SetCaption(logic::ReplaceStrengthLine(
            kLineLabels[i], level, logic::ItemField(item, kStrengthFields[i])));
}

void TFItemReplace::Finish(bool closesBoth) {
    closesBoth_ = closesBoth;
    Close();
}

std::vector<std::pair<std::string, std::string>> TFItemReplace::Describe() {
    std::vector<std::pair<std::string, std::string>> out = Form::Describe();
    out.emplace_back("item", name_->Caption());
    return out;
}

}  // namespace screens
