// The details of one item as every item window shows them: name, picture, kind, level, rarity
// ("Epic" and "Rare" in the larger font) and the four strength lines.
#pragma once

#include <array>

#include "platform/control.h"
#include "rules/dungeon_view.h"

namespace screens {

class ItemDetailBox {
  public:
    // Builds the controls on parent, the picture at (left, top) and the texts to its right.
    ItemDetailBox(platform::Control& parent, int left, int top);
    void Show(const logic::ItemDetailView& item);

  private:
    platform::Label* name_ = nullptr;
    platform::Picture* picture_ = nullptr;
    platform::Label* kind_ = nullptr;
    platform::Label* level_ = nullptr;
    platform::Label* rarity_ = nullptr;
    std::array<platform::Label*, 4> strengths_{};  // Hit %, Damage, Health+, Heal
};

}  // namespace screens
