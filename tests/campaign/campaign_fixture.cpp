#include "campaign/campaign_fixture.h"

#include <algorithm>
#include <memory>

#include "state/game_state.h"
#include "state/new_game.h"
#include "state/random.h"
#include "state/reset.h"

namespace camptest {

namespace Army = state::Army;
namespace Lord = state::Lord;

int Recorder::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

int Recorder::IndexOf(const std::string& call) const {
    auto it = std::find(calls.begin(), calls.end(), call);
    return it == calls.end() ? -1 : static_cast<int>(it - calls.begin());
}

void Recorder::DrawMap(bool highlight, bool nearOnly) {
    calls.push_back("DrawMap " + std::to_string(highlight) + " " + std::to_string(nearOnly));
}

void Recorder::DrawSpawnField(int slot) {
    calls.push_back("DrawSpawnField " + std::to_string(slot));
}

void Recorder::PlaceCastleMarker(int lord, int x, int y, bool visible) {
    calls.push_back("Marker " + std::to_string(lord) + " " + std::to_string(x) + " " +
                    std::to_string(y) + " " + std::to_string(visible));
}

void Recorder::ShowComputerMovePanel(int lord) {
    calls.push_back("ShowComputerMovePanel " + std::to_string(lord));
}

void Recorder::OpenTrading(logic::TradeOffer& offer) {
    lastOffer = offer;
    calls.push_back("OpenTrading");
    if (trade) trade(offer);
}

int Recorder::ShowCity(int site) {
    calls.push_back("ShowCity " + std::to_string(site));
    return cityAnswer;
}

void Recorder::Play(sound::Effect effect) {
    calls.push_back("Play " + sound::EffectFile(effect));
}

void Recorder::OpenLevelUp(const logic::LevelUpView& levelUp) {
    (void)levelUp;
    calls.push_back("OpenLevelUp");
}

void CampaignTest::SetUp() {
    state::GameState& g = state::G();
    // A fresh state: the run-time flags (tutorial, game over, ...) are not part of the reset.
    g = *std::make_unique<state::GameState>();
    state::ResetGameState(g);
    state::SeedRandom(12345);
    for (int x = 1; x <= 12; ++x) {
        for (int y = 1; y <= 11; ++y) {
            g.field[x][y][state::Field::walkable] = 1;
            g.field[x][y][state::Field::owner] = 0;
        }
    }
    const int castles[4][2] = {{1, 1}, {12, 1}, {12, 11}, {1, 11}};
    const char* realms[4] = {"Blue Realm", "Green Realm", "Red Realm", "Cyan Realm"};
    for (int p = 1; p <= 4; ++p) {
        auto& l = g.lord[p];
        l[Lord::inGame] = 1;
        l[Lord::gold] = 1000;
        l[Lord::moveRange] = 5;
        l[Lord::castleX] = castles[p - 1][0];
        l[Lord::castleY] = castles[p - 1][1];
        l[Lord::controller] = p == 1 ? 1 : 2;
        l[Lord::heroLevel] = 1;
        l[Lord::difficulty] = 5;
        g.realmName[p] = realms[p - 1];
        g.army[p][Army::present] = 1;
        PlaceArmy(p, castles[p - 1][0], castles[p - 1][1]);
        g.field[castles[p - 1][0]][castles[p - 1][1]][state::Field::owner] = p;
    }
    // Nothing is unlocked by a victory unless a test asks for it (that writes the progress file).
    g.scenariosUnlocked = 12;
    g.difficultyUnlocked = 12;
    TurnOf(1);
    auto& h = logic::Hooks();
    h.SetView(&hooks);
    h.SetTimers(&hooks);
    h.SetScreens(&hooks);
    h.SetSounds(&hooks);
    h.SetTutorial(&hooks);
    h.SetBattleView(&hooks);
    h.SetDungeon(&hooks);
    h.SetWatch(&hooks);
}

void CampaignTest::TearDown() {
    logic::Hooks().Clear();
}

void CampaignTest::PlaceArmy(int p, int x, int y, int soldiers, int siege) {
    auto& a = state::G().army[p];
    a[Army::x] = x;
    a[Army::y] = y;
    a[Army::soldiers] = soldiers;
    a[Army::siege] = siege;
}

void CampaignTest::TurnOf(int p) {
    state::G().currentLord = p;
    state::G().army[p][Army::movesLeft] = 4;
}

void CampaignTest::NewGameBattlePlans(bool troopTypes) {
    auto& g = state::G();
    auto fresh = std::make_unique<state::GameState>();
    state::ScenarioSetup(*fresh);
    g.battleOrdersOwn = fresh->battleOrdersOwn;
    g.battleOrdersFoe = fresh->battleOrdersFoe;
    if (troopTypes) g.troopType = fresh->troopType;
}

void CampaignTest::SetHuman(int p) {
    for (int q = 1; q <= 4; ++q)
        state::G().lord[q][Lord::controller] = q == p ? 1 : 2;
}

}  // namespace camptest
