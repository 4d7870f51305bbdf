// The interactive battle: start, orders, enemy rounds and the display.
#include "battle/battle_engine.h"

#include <array>

#include "battle/battle_clock.h"
#include "battle/battle_end.h"
#include "battle/battle_log.h"
#include "battle/strike.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/random.h"

namespace logic {

namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;

namespace {

constexpr int kTalismanBonus = 25;
constexpr int kHeroicChance = 200;  // a draw in [0, 1000) at most this: 201 in 1000

BattleView& Panel() {
    return Hooks().BattlePanel();
}

Fighter Own() {
    state::GameState& g = state::G();
    return {g.battleOwnSide, g.battleOrdersOwn};
}

Fighter Foe() {
    state::GameState& g = state::G();
    return {g.battleFoeSide, g.battleOrdersFoe};
}

bool EitherCastleBonus() {
    const state::GameState& g = state::G();
    return g.battleOwnSide[BattleSide::castleBonus] > 0 ||
           g.battleFoeSide[BattleSide::castleBonus] > 0;
}

void ShowSide(BattleSideId id, BattleRecord& side) {
    side[BattleSide::strength] = SideStrength(side);
    Panel().ShowVessel(id,
                       VesselPicture(side[BattleSide::startStrength], side[BattleSide::strength]));
    const int hero = side[BattleSide::heroBonus];
    const int castle = side[BattleSide::castleBonus];
    Panel().ShowBonus(id, BonusKind::hero, hero, hero != 0 ? std::to_string(hero) + " %" : "");
    Panel().ShowBonus(id, BonusKind::castle, castle,
                      castle != 0 ? std::to_string(castle) + " %" : "");
    std::array<int, kTroopSlots> counts{};
    for (int slot = 0; slot < kTroopSlots; ++slot)
        counts[static_cast<std::size_t>(slot)] =
            SlotPresent(side, slot) ? side[kSideTroop[slot]] : 0;
    Panel().ShowTroops(id, counts);
}

// The enemy leaves the field: the battle is over and its army goes home.
void EnemyRetreats() {
    state::GameState& g = state::G();
    g.battleOver = true;
    StopBattleTimers();
    UI().ShowNotice("m1_action_retreat.jpg", "Retreat",
                    "The enemy retreats from the battlefield! You have won this battle - but the "
                    "enemy might return ... later.",
                    "Continue");
    SendArmyHome(g.battleFoeSide[BattleSide::lord]);
    AfterBattle();
}

}  // namespace

void StartBattle(int playerSideLord, int enemySideLord) {
    state::GameState& g = state::G();
    if (!ValidLord(playerSideLord) || !state::InRange(enemySideLord, 0, 4)) return;
    // The announcement.
    g.battleOver = false;
    UI().ShowNotice("battlepic.jpg", "A battle!", "Your army is under attack!", "Continue");
    Hooks().Sound().Play(sound::Effect::Battle);

    // The player side. Its current order stays from the last battle.
    BattleRecord& own = g.battleOwnSide;
    FillSideFromArmy(own, playerSideLord);
    own[BattleSide::duelUsed] = 0;
    const int current = CurrentLordChecked();
    if (current != 0 && LordRecord(current)[Lord::evilTalisman] > 0) {
        LordRecord(current)[Lord::evilTalisman] = 0;
        own[BattleSide::heroBonus] += kTalismanBonus;
        UI().ShowShortNotice(
            "The evil talisman you got from the witch gives you a +25% battle bonus.", "Continue");
    }

    // The enemy side; a lord has no neutral picture and no site.
    BattleRecord& foe = g.battleFoeSide;
    FillSideFromArmy(foe, enemySideLord);
    foe[BattleSide::order] = 0;
    if (enemySideLord != 0) {
        foe[BattleSide::neutralPicture] = 0;
        foe[BattleSide::site] = 0;
    }

    // The start strengths.
    own[BattleSide::startStrength] = SideStrength(own);
    foe[BattleSide::startStrength] = SideStrength(foe);

    // The panel, paused, with no strikes yet.
    ClearBattleLog();
    g.battleClock.panelShown = true;
    Panel().ShowPanel();
    RefreshBattleDisplay();
    ResetBattleClock();
    EnableOrderButtons();

    // The coats of arms.
    Panel().ShowCoatOfArms(BattleSideId::own, CoatOfArms(BattleSideId::own, false));
    Panel().ShowCoatOfArms(BattleSideId::foe, CoatOfArms(BattleSideId::foe, false));
}

void PlayerStrike(int commandSet) {
    state::GameState& g = state::G();
    g.battleOwnSide[BattleSide::order] = commandSet;
    Hooks().Sound().Play(sound::Effect::Battle);
    LogStrikes(true, StrikeAll(Own(), Foe(), kPlayerStyle));
    if (state::Random(1000) <= kHeroicChance &&
        g.battleOwnSide[BattleSide::heroicOrMayRetreat] == 0)
        g.battleOwnSide[BattleSide::heroicOrMayRetreat] = 1;
    FlashCoatOfArms(BattleSideId::foe);
    CheckBattleEnd();
}

void EnemyRound() {
    state::GameState& g = state::G();
    if (g.battleOver) return;
    g.battleOwnSide[BattleSide::strength] = SideStrength(g.battleOwnSide);
    g.battleFoeSide[BattleSide::strength] = SideStrength(g.battleFoeSide);
    const int tactic = ChooseTactic(Foe(), Own());
    g.battleFoeSide[BattleSide::order] = tactic;
    if (tactic == BattleOrder::retreat) {
        EnemyRetreats();
        return;
    }
    LogStrikes(false, StrikeAll(Foe(), Own(), kEnemyStyle));
    if (state::Random(1000) <= kHeroicChance) g.battleFoeSide[BattleSide::heroicOrMayRetreat] = 1;
    CheckBattleEnd();
}

void RefreshBattleDisplay() {
    state::GameState& g = state::G();
    ShowSide(BattleSideId::own, g.battleOwnSide);
    ShowSide(BattleSideId::foe, g.battleFoeSide);
    Hooks().View().DrawStatusBar();
    Panel().ShowHeroicActions(g.battleOwnSide[BattleSide::heroicOrMayRetreat] > 0);
    Panel().ShowStrikeLog(g.battleLog);
}

void GiveOrder(int commandSet) {
    state::GameState& g = state::G();
    // The buttons are disabled outside a battle, during a cool-down, and Flank with a castle
    // bonus on either side.
    if (g.battleOver || !g.battleClock.panelShown || g.battleClock.delayActive) return;
    if (!state::InRange(commandSet, 1, 3)) return;
    if (commandSet == BattleOrder::flank && EitherCastleBonus()) return;
    if (TutorialRefusesBattleOrders()) {
        BattleDialogPause pause;
        UI().ShowShortNotice("Sorry, please follow the tutorial (click on \"Continue\")",
                             "Continue");
        return;
    }
    PlayerStrike(commandSet);
    if (g.battleOver) return;
    RefreshBattleDisplay();
    StartCommandDelay();
}

void RetreatOrder() {
    state::GameState& g = state::G();
    if (g.battleOver || !g.battleClock.panelShown || g.battleClock.delayActive) return;
    const int ownLord = g.battleOwnSide[BattleSide::lord];
    if (ArmyOnOwnCastle(ownLord)) {
        BattleDialogPause pause;
        UI().ShowShortNotice("You are defending your castle! You cannot retreat!", "Continue");
        return;
    }
    g.battleOver = true;
    StopBattleTimers();
    UI().ShowNotice("m1_action_retreat.jpg", "Retreat",
                    "You order your men to retreat. The enemy follows close behind and you have "
                    "no choice than to to return to your castle.",
                    "Continue");
    SendArmyHome(ownLord);
    AfterBattle();
}

std::string VesselPicture(int start, int current) {
    const int tenth = start / 10;
    for (int level = 9; level >= 1; --level) {
        if (current >= start - (10 - level) * tenth)
            return "Health" + std::to_string(level) + ".jpg";
    }
    return "Health0.jpg";
}

SideInfo HoverInfo(BattleSideId id) {
    static constexpr const char* kPictures[4] = {"m1_action_empty.jpg", "m1_action_charge.jpg",
                                                 "m1_action_retreat.jpg", "m1_action_hold.jpg"};
    static constexpr const char* kCaptions[4] = {"(Paused)", "Attack", "Flank", "Defend"};
    const state::GameState& g = state::G();
    const BattleRecord& side = id == BattleSideId::own ? g.battleOwnSide : g.battleFoeSide;
    SideInfo info;
    info.title = id == BattleSideId::own ? "Your army:" : "Enemy army:";
    for (int i = 0; i < kTroopSlots; ++i)
        info.counts[static_cast<size_t>(i)] = side[kSideTroop[i]];
    const int order = side[BattleSide::order];
    const int shown = state::InRange(order, 1, 3) ? order : 0;
    info.orderPicture = kPictures[shown];
    info.orderCaption = kCaptions[shown];
    return info;
}

}  // namespace logic
