// What the battle rules need from the battle panel on the strategic window: its timers, its
// pictures and buttons. Every call has a do-nothing default, so
// the rules run (and are tested) without a screen; the rules pass sides, counts and picture
// names, never pixels.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace logic {

// The two sides of the panel: the player side on the left, the enemy side on the right.
enum class BattleSideId { own = 0, foe = 1 };

// The bonus lines beside each side's vessel.
enum class BonusKind { hero, castle };

// The order buttons and the duel button with their enabled state.
struct OrderButtons {
    bool attack = false;
    bool flank = false;
    bool defend = false;
    bool retreat = false;
    bool duel = false;
    std::string flankPicture;  // "m1_skill_flank.jpg" enabled, "m1_skill_flankg.jpg" disabled
};

class BattleView {
  public:
    virtual ~BattleView() = default;

    // The panel over the strategic map.
    virtual void ShowPanel() {}
    virtual void HidePanel() {}

    // The battle clock (400 ms); its ticks go to BattleClockTick().
    virtual void StartClock() {}
    virtual void StopClock() {}
    // The command cool-down, CommandDelayTimer (400 ms); its ticks go to CommandDelayTick().
    virtual void StartCommandDelay() {}
    virtual void StopCommandDelay() {}
    // The 250 ms flash of a side's coat of arms; its tick goes to FlashTick(side).
    virtual void StartFlash(BattleSideId side) { (void)side; }
    virtual void StopFlash(BattleSideId side) { (void)side; }

    // The coat of arms of a side: a faction logo, its "_r" variant, or a neutral picture.
    virtual void ShowCoatOfArms(BattleSideId side, const std::string& picture) {
        (void)side;
        (void)picture;
    }
    // A side's health vessel: "Health0.jpg" .. "Health9.jpg".
    virtual void ShowVessel(BattleSideId side, const std::string& picture) {
        (void)side;
        (void)picture;
    }
    // A bonus line: the text ("25 %"), or hidden when percent is 0.
    virtual void ShowBonus(BattleSideId side, BonusKind kind, int percent,
                           const std::string& text) {
        (void)side;
        (void)kind;
        (void)percent;
        (void)text;
    }
    // The heroic actions: the "N/A" placeholders while unavailable, else the duel button panel.
    virtual void ShowHeroicActions(bool available) { (void)available; }
    // "m1_pause_g.jpg" while paused, "m1_pause.jpg" while the clock runs.
    virtual void ShowPausePicture(const std::string& picture) { (void)picture; }
    virtual void SetOrderButtons(const OrderButtons& buttons) { (void)buttons; }
    // The hourglasses beside the order buttons during a cool-down.
    virtual void ShowHourglasses(const std::string& picture) { (void)picture; }
    virtual void HideHourglasses() {}
    // A side's troops by kind: soldiers, fast melee, archers, siege, special.
    virtual void ShowTroops(BattleSideId side, const std::array<int, 5>& counts) {
        (void)side;
        (void)counts;
    }
    // The last strikes, the oldest first.
    virtual void ShowStrikeLog(const std::vector<std::string>& lines) { (void)lines; }
};

}  // namespace logic
