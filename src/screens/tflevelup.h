// The level-up window: the hero's picture, the heading, the new level and the line below it.
#pragma once

#include <string>
#include <utility>
#include <vector>
#include "rules/dungeon_view.h"

#include "platform/form.h"

namespace screens {

class ScreenServices;

class TFLevelUp final : public platform::Form {
  public:
    explicit TFLevelUp(ScreenServices& screens);
    void Open(const logic::LevelUpView& levelUp);

    std::vector<std::pair<std::string, std::string>> Describe() override;

  private:
    platform::Picture* picture_ = nullptr;
    platform::Label* heading_ = nullptr;
    platform::Label* level_ = nullptr;
    platform::Label* line_ = nullptr;
};

}  // namespace screens
