// The common ground of the campaign rule tests: a fresh game state with four lords on an open
// map, scripted dialogs, and recording fakes for every view the rules call.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "campaign/trading.h"
#include "rules/view_hooks.h"
#include "support/scripted_dialogs.h"

namespace camptest {

// Records every view call as a short line ("DrawMap 1 0", "EnableTimer3", "Play Step", ...),
// and the site visits and theme finds it watches ("VisitSite", "ThemeFind 1").
class Recorder final : public logic::MapView,
                       public logic::TurnTimers,
                       public logic::CampaignScreens,
                       public logic::Sounds,
                       public logic::TutorialSteps,
                       public logic::BattleView,
                       public logic::DungeonView,
                       public logic::PlayWatch {
  public:
    std::vector<std::string> calls;
    bool battleShown = false;
    logic::TradeOffer lastOffer{};
    // What the player does on the trading screen, and the city screen's answer (kCityAttack or 0).
    std::function<void(logic::TradeOffer&)> trade;
    int cityAnswer = 0;

    int Count(const std::string& call) const;
    bool Has(const std::string& call) const { return Count(call) > 0; }
    // The position of the first call, or -1.
    int IndexOf(const std::string& call) const;

    void DrawMap(bool highlight, bool nearOnly) override;
    void DrawStatusBar() override { calls.push_back("DrawStatusBar"); }
    void DrawSpawnField(int slot) override;
    void PlaceCastleMarker(int lord, int x, int y, bool visible) override;
    void ShowComputerMovePanel(int lord) override;
    void HideComputerMovePanel() override { calls.push_back("HideComputerMovePanel"); }
    bool IsBattleShown() override { return battleShown; }

    void EnableTimer1() override { calls.push_back("EnableTimer1"); }
    void DisableTimer1() override { calls.push_back("DisableTimer1"); }
    void EnableTimer3() override { calls.push_back("EnableTimer3"); }
    void DisableTimer3() override { calls.push_back("DisableTimer3"); }
    void DisableAllTimers() override { calls.push_back("DisableAllTimers"); }

    void OpenTrading(logic::TradeOffer& offer) override;
    int ShowCity(int site) override;
    void ShowGuildShop(int site) override {
        calls.push_back("ShowGuildShop " + std::to_string(site));
    }
    void OpenBuildings() override { calls.push_back("OpenBuildings"); }
    void OpenHireTroops() override { calls.push_back("OpenHireTroops"); }
    void OpenOptions() override { calls.push_back("OpenOptions"); }
    void CloseStrategicWindow() override { calls.push_back("CloseStrategicWindow"); }
    void ReportError(const std::string& text) override { calls.push_back("ReportError " + text); }
    void RefreshComputerStatus() override { calls.push_back("RefreshComputerStatus"); }

    void Play(sound::Effect effect) override;
    void PlayPayment() override { calls.push_back("PlayPayment"); }
    void PlayReward(int n) override { calls.push_back("PlayReward " + std::to_string(n)); }

    void DrawSiteIcon(int row) override { calls.push_back("DrawSiteIcon " + std::to_string(row)); }

    // The battle panel: shown, and its clock.
    void ShowPanel() override { calls.push_back("ShowBattlePanel"); }
    void StartClock() override { calls.push_back("StartClock"); }
    void StopClock() override { calls.push_back("StopClock"); }

    // The dungeon window and the level-up window.
    void ShowDungeonWindow() override { calls.push_back("ShowDungeonWindow"); }
    void CloseDungeonWindow() override { calls.push_back("CloseDungeonWindow"); }
    void OpenLevelUp(const logic::LevelUpView& levelUp) override;

    void SiteVisitBegins() override { calls.push_back("VisitSite"); }
    void ThemeFindBegins(int lord) override {
        calls.push_back("ThemeFind " + std::to_string(lord));
    }
    void ShowStep(const logic::TutorialPanelView& view) override {
        calls.push_back("TutorialStep " + std::to_string(view.step));
    }
};

// Four lords in the game: lord 1 human at castle (1, 1), lords 2..4 computers at (12, 1),
// (12, 11) and (1, 11); every army on its castle with 4 soldiers; every field walkable and
// neutral except the castle fields; lord 1's turn with 4 moves.
class CampaignTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Puts lord p's army on (x, y) with the given troops.
    void PlaceArmy(int p, int x, int y, int soldiers = 4, int siege = 0);
    // Makes lord p the current lord with a fresh turn.
    void TurnOf(int p);
    void SetHuman(int p);
    // The battle plans of a new game (so that automatic battles strike), and with troopTypes its
    // troop table too.
    static void NewGameBattlePlans(bool troopTypes = false);

    testsupport::ScriptedDialogs dialogs;
    Recorder hooks;
};

}  // namespace camptest
