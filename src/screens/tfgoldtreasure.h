// The gold treasure window: the find's picture, title and text, its value in "gp", "Continue".
#pragma once

#include <string>
#include <utility>
#include <vector>
#include "rules/dungeon_view.h"

#include "platform/form.h"

namespace screens {

class ScreenServices;

class TFGoldTreasure final : public platform::Form {
  public:
    explicit TFGoldTreasure(ScreenServices& screens);
    // Modal; the gold was added before.
    void Open(const logic::GoldFindView& gold);

    std::vector<std::pair<std::string, std::string>> Describe() override;

  private:
    platform::Picture* picture_ = nullptr;
    platform::Label* title_ = nullptr;
    platform::Label* text_ = nullptr;
    platform::Label* value_ = nullptr;
};

}  // namespace screens
