// What the dungeon rules need from the dungeon window (TForm3) and its small windows: the board,
// the status column, the duel panel with its four timers, and the modal wait, treasure, item and
// level-up windows. Every call has a do-nothing default, so the rules run without a screen; the
// dungeon window installs the real view through Hooks().Dungeon().
//
// The rules pass what to show (rooms, picture file names, counts, texts), never pixels. A button
// of a window calls the rule named beside it and acts on the answer.
#pragma once

#include <array>
#include <string>

namespace logic {

// The four timers of the dungeon window that drive a duel. The window owns them; when one fires
// it calls the tick rule named here (dungeon/duel.h).
enum class DuelTimer {
    OpponentAttack,  // every 1300 ms: OpponentAttackTick()
    CoolDown,        // every 200 ms: CoolDownTick()
    HeroFlash,       // once after 500 ms: HeroFlashTick() (the window stops it after one tick)
    OpponentFlash,   // every 300 ms: OpponentFlashTick()
};
inline constexpr int kDuelTimerCount = 4;
inline constexpr int kDuelTimerIntervalMs[kDuelTimerCount] = {1300, 200, 500, 300};

// The wait window's tick and the shortest time it stays open.
inline constexpr int kWaitTickMs = 100;
inline constexpr int kWaitMinimumMs = 3000;

// One tile of the 7 by 5 board.
struct TileView {
    bool shown = false;   // false: solid rock, the tile stays hidden
    std::string picture;  // "<room>_sm.jpg", or "blackroom_sm.jpg" for a room not yet revealed
};

// The board: tiles, passage halves, the hero and the four move frames. Arrays are indexed with
// the board's numbers, x 1..7 and y 1..5 (index 0 unused).
struct BoardView {
    std::array<std::array<TileView, 6>, 8> tile{};
    // The passage between (x, y) and (x + 1, y): Door<row><x>L and Door<row><x>R.
    std::array<std::array<bool, 6>, 8> doorLeft{}, doorRight{};
    // The passage between (x, y) and (x, y + 1): Door<row><row+1><x>O and ...U.
    std::array<std::array<bool, 6>, 8> doorUpper{}, doorLower{};
    int heroX = 0, heroY = 0;  // the hero's room; ShowSelectedPlayer frames it
    std::string heroPicture;   // "hero1_sm.jpg" .. "hero4_sm.jpg"
    bool moveNorth = false, moveEast = false, moveSouth = false, moveWest = false;
};

// A backpack slot or the weapon slot of the status column.
struct GearSlotView {
    std::string picture;  // "<item>.jpg", "<item>_g.jpg" when equipped, empty for an empty slot
    std::string caption;  // the item's short name, or empty
    bool equipped = false;
};

// The status column.
struct HeroStatusView {
    std::string heroName;
    int level = 0;
    std::string heroPicture;    // "hero1.jpg" .. "hero4.jpg"; keep the shown one during a flash
    std::string healthPicture;  // "Health0.jpg" .. "Health9.jpg"
    bool showExperience = false;
    std::string experiencePicture;  // "XP01.jpg" .. "XP10.jpg" (only while showExperience)
    std::string goldLine;           // "123 gold"
    std::string rationsLine;        // "6 rations left"
    bool goldAndRationsShown = true;
    GearSlotView weapon;                   // "blackroom_sm.jpg" and no caption when unarmed
    std::array<GearSlotView, 5> backpack;  // slots 1..4
};

// The duel panel's own parts (the hero side is the status column).
struct DuelView {
    std::string opponentName;
    int opponentLevel = 0;
    std::string opponentHealthPicture;  // "Health0.jpg" .. "Health9.jpg"
    bool heroic = false;                // Strike, Heal and Retreat shown; otherwise the "N/A" panel
};

// The gold treasure window (TFGoldTreasure).
struct GoldFindView {
    std::string title, picture, text;
    int value = 0;  // shown as the value followed by "gp"
};

// The level-up window (TFLevelUp).
struct LevelUpView {
    std::string heroPicture;
    std::string heading;  // "You reached a new experience level!"
    int level = 0;        // shown after "Level:"
    std::string line;     // the white line, or the maximum-level text at level 8
};

// The item windows' common details of one ItemTable row.
struct ItemDetailView {
    std::string name, picture, kindLabel, rarityLabel;
    bool largeRarity = false;  // "Epic" and "Rare" use the larger font
    int level = 0;
    std::string hit, damage, health, heal;  // "-" or "Lesser (3)" and so on
};

class DungeonView {
  public:
    virtual ~DungeonView() = default;

    // The wait window TFMessage6, modal: every kWaitTickMs it advances its dots and calls
    // GenerationTick(elapsed ms since it opened); it closes when that returns true.
    virtual void ShowWaitWindow() {}
    // TForm3 modally; returns when it closes. The window asks DungeonCloseQuery() before a close
    // by the player and closes at once when CloseDungeonWindow() is called.
    virtual void ShowDungeonWindow() {}
    // A new floor of the open dungeon: give the window the focus again.
    virtual void FocusDungeonWindow() {}
    virtual void CloseDungeonWindow() {}

    virtual void DrawBoard(const BoardView& board) { (void)board; }
    virtual void DrawHeroStatus(const HeroStatusView& status) { (void)status; }
    // The hero picture of the status column alone (the red flash and its end).
    virtual void SetHeroPicture(const std::string& picture) { (void)picture; }

    // The duel panel over the board.
    virtual void ShowDuelPanel() {}
    virtual void HideDuelPanel() {}
    virtual void DrawDuel(const DuelView& duel) { (void)duel; }
    virtual void SetOpponentPicture(const std::string& picture) { (void)picture; }
    // The result line at the top: "", "Miss...", "Hit!!", "Strike!!" or "Heroic...".
    virtual void SetDuelResult(const std::string& line) { (void)line; }
    // All six action buttons at once.
    virtual void EnableDuelActions(bool enabled) { (void)enabled; }
    // Hourglass step 1..5 over the basic attacks (and over the heroic ones when heroic is set);
    // step 0 hides them.
    virtual void ShowHourglasses(int step, bool heroic) {
        (void)step;
        (void)heroic;
    }

    virtual void StartTimer(DuelTimer timer) { (void)timer; }
    virtual void StopTimer(DuelTimer timer) { (void)timer; }
    virtual bool TimerRunning(DuelTimer timer) {
        (void)timer;
        return false;
    }

    // The found-item window TFItemTreasure, modal ("Treasure found!" or "Inventory:"). Its buttons
    // call SellFoundItem(item) / KeepFoundItem(item) and close it when those return true.
    virtual void OpenFoundItem(int item, const ItemDetailView& detail, int value) {
        (void)item;
        (void)detail;
        (void)value;
    }
    // The preview window ("You see:"), modal, with only "Back".
    virtual void OpenPreview(int item, const ItemDetailView& detail) {
        (void)item;
        (void)detail;
    }
    // The replace window TFItemReplace, modal, slot 1 selected. Its buttons call
    // ReplaceWithItem(slot, item) and UseItemNow(item) and close it when those return true;
    // "Back" closes it. Returns true when the found-item window must close as well (the last
    // button pressed was one whose rule returned true), false after "Back".
    virtual bool OpenReplaceWindow(int item) {
        (void)item;
        return false;
    }
    // The item window of a backpack slot ("Inventory:"), modal. weaponButton is "Use weapon",
    // "Unequip" or empty (no second button); that button calls UseWeapon(slot) or Unequip().
    virtual void OpenItemDetail(int slot, const ItemDetailView& detail,
                                const std::string& weaponButton) {
        (void)slot;
        (void)detail;
        (void)weaponButton;
    }
    virtual void OpenGoldTreasure(const GoldFindView& gold) { (void)gold; }
    virtual void OpenLevelUp(const LevelUpView& levelUp) { (void)levelUp; }

    // The hit cry of an opponent of the given sound family.
    virtual void PlayHitCry(int soundFamily) { (void)soundFamily; }
};

}  // namespace logic
