// The common ground of the dungeon rule tests: a fresh game with a human lord 1 whose level-1
// hero stands in a small hand-made floor, scripted dialogs, and a dungeon view that records what
// it is asked to show and answers the treasure windows as a test tells it.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "rules/dungeon_view.h"
#include "support/scripted_dialogs.h"

namespace dungeontest {

class RecordingView final : public logic::DungeonView {
  public:
    std::vector<std::string> calls;
    std::set<logic::DuelTimer> running;
    // How the found-item window is answered: "keep", "sell" or nothing.
    std::string foundItemAnswer;
    // How the replace window is answered: a slot 1..4 to replace, -1 for "Use now", 0 for "Back".
    int replaceAnswer = 0;
    // The button pressed in the item window of a slot: "Use weapon", "Unequip" or nothing.
    std::string itemDetailAnswer;
    logic::BoardView board;
    logic::HeroStatusView status;
    logic::DuelView duel;
    logic::GoldFindView gold;
    logic::LevelUpView levelUp;
    std::string result;  // the duel's result line

    int Count(const std::string& call) const;
    bool Has(const std::string& call) const { return Count(call) > 0; }
    bool Running(logic::DuelTimer t) const { return running.count(t) > 0; }

    void ShowWaitWindow() override;
    void ShowDungeonWindow() override { calls.push_back("ShowDungeonWindow"); }
    void FocusDungeonWindow() override { calls.push_back("FocusDungeonWindow"); }
    void CloseDungeonWindow() override { calls.push_back("CloseDungeonWindow"); }
    void DrawBoard(const logic::BoardView& b) override { board = b; }
    void DrawHeroStatus(const logic::HeroStatusView& s) override { status = s; }
    void ShowDuelPanel() override { calls.push_back("ShowDuelPanel"); }
    void HideDuelPanel() override { calls.push_back("HideDuelPanel"); }
    void DrawDuel(const logic::DuelView& d) override { duel = d; }
    void SetDuelResult(const std::string& line) override { result = line; }
    void StartTimer(logic::DuelTimer t) override { running.insert(t); }
    void StopTimer(logic::DuelTimer t) override { running.erase(t); }
    bool TimerRunning(logic::DuelTimer t) override { return Running(t); }
    void OpenFoundItem(int item, const logic::ItemDetailView& detail, int value) override;
    void OpenPreview(int item, const logic::ItemDetailView& detail) override;
    bool OpenReplaceWindow(int item) override;
    void OpenItemDetail(int slot, const logic::ItemDetailView& detail,
                        const std::string& weaponButton) override;
    void OpenGoldTreasure(const logic::GoldFindView& g) override;
    void OpenLevelUp(const logic::LevelUpView& l) override;
};

class DungeonTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A row of rooms (1..5, 3), doors east-west, the stairway up at (1, 3), the hero in it.
    void MakeCorridorFloor();
    // Monster row m: level, name "Monster m", picture "m1_mon<m>", and optional flags.
    void AddMonster(int m, int level, int frequency = 2, int toughness = 0, int resistance = 0,
                    int duelFlag = 0);
    // Item row i of kind, level, rarity and strengths hit, damage, health, heal.
    void AddItem(int i, int kind, int level, int rarity, int hit = 0, int damage = 0,
                 int health = 0, int heal = 0);
    void Give(int slot, int item);

    testsupport::ScriptedDialogs dialogs;
    RecordingView view;
};

}  // namespace dungeontest
