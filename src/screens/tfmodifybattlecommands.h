// The command editor: the three formations (Attack, Flank, Defend) and, for the one selected,
// a list per battle role with its setting. It does not pause a running battle.
#pragma once

#include <array>

#include "platform/form.h"

namespace screens {

class ScreenServices;

class TFModifyBattleCommands final : public platform::Form {
  public:
    explicit TFModifyBattleCommands(ScreenServices& screens);
    // Refreshes the screen and shows it modally.
    void Open();
    // The formation pictures and the three lists as the command sets stand.
    void Refresh();

    platform::SpeedButton* Formation(int set) { return formations_[set - 1]; }
    platform::ComboBox* RoleList(int role) { return lists_[role - 1]; }

  private:
    ScreenServices& screens_;
    std::array<platform::SpeedButton*, 3> formations_{};
    std::array<platform::ComboBox*, 3> lists_{};
    bool refreshing_ = false;
};

}  // namespace screens
