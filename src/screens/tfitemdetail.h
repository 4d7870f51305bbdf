// The item window of a backpack slot ("Inventory:"): the item's details, "Back", and for a weapon
// "Use weapon" or "Unequip".
#pragma once

#include <memory>
#include <string>

#include <string>
#include <utility>
#include <vector>
#include "rules/dungeon_view.h"

#include "platform/form.h"

namespace screens {

class ScreenServices;
class ItemDetailBox;

class TFItemDetail final : public platform::Form {
  public:
    explicit TFItemDetail(ScreenServices& screens);
    ~TFItemDetail() override;

    // Modal. weaponButton is "Use weapon", "Unequip" or empty (no second button).
    void Open(int slot, const logic::ItemDetailView& detail, const std::string& weaponButton);

    std::vector<std::pair<std::string, std::string>> Describe() override;

  private:
    std::unique_ptr<ItemDetailBox> detail_;
    platform::SpeedButton* weapon_ = nullptr;
    int slot_ = 0;
};

}  // namespace screens
