// The duel panel laid over the dungeon board: the opponent's picture (with the hidden cheat in
// its top-left corner), name, level and health, the result line, the three basic attacks, the
// heroic actions or their "N/A" panel, and the cool-down hourglasses.
#pragma once

#include <array>
#include <string>

#include "dungeon/dungeon_help.h"
#include "platform/form.h"
#include "rules/dungeon_view.h"

namespace screens {

class ScreenServices;
class TForm3;

class DungeonDuelPanel {
  public:
    DungeonDuelPanel(TForm3& form, ScreenServices& screens, int left, int top, int width,
                     int height);

    void Show();
    void Hide();
    bool Shown() const;
    void Draw(const logic::DuelView& duel);
    void SetOpponentPicture(const std::string& picture);
    void SetResult(const std::string& line);
    void EnableActions(bool enabled);
    // Step 1..5 shows the hourglasses (over the heroic actions too when heroic); 0 hides them.
    void ShowHourglasses(int step, bool heroic);

    platform::Panel& Root() { return *root_; }
    platform::SpeedButton* Action(int kind) { return actions_.at(static_cast<size_t>(kind - 1)); }

  private:
    platform::SpeedButton* ActionButton(int index, const char* name, const char* glyph, int x,
                                        int y, logic::DungeonControl help);

    TForm3& form_;
    ScreenServices& screens_;
    platform::Panel* root_ = nullptr;
    platform::Picture* opponent_ = nullptr;
    platform::Label* name_ = nullptr;
    platform::Label* level_ = nullptr;
    platform::Picture* health_ = nullptr;
    platform::Label* result_ = nullptr;
    platform::Panel* heroicButtons_ = nullptr;
    platform::Panel* notAvailable_ = nullptr;
    // Thrust, Slash, Smash, Strike, Heal, Retreat, and an hourglass beside each.
    std::array<platform::SpeedButton*, 6> actions_{};
    std::array<platform::Picture*, 6> hourglasses_{};
};

}  // namespace screens
