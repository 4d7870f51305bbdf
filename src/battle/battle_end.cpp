// The end of a battle and its aftermath.
#include "battle/battle_end.h"

#include "battle/battle_clock.h"
#include "battle/conquered_city.h"
#include "battle/lord_duel.h"
#include "battle/theme_battles.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/sites.h"
#include "rules/tutorial_steps.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace Army = state::Army;
namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;

namespace {

constexpr int kTutorialReinforcements = 6;

// The battle is decided: every timer stops and the end message is shown.
void EndWith(const char* title, const char* text) {
    state::G().battleOver = true;
    StopBattleTimers();
    Hooks().Sound().PlayReward(1);
    UI().ShowNotice("battlepic.jpg", title, text, "Continue");
    AfterBattle();
}

void MarkField(int x, int y, int owner) {
    if (auto* field = FieldAt(x, y)) (*field)[state::Field::owner] = owner;
}

// The lord of a side when it is a lord's side, else 0.
int LordOf(const BattleRecord& side) {
    const int lord = side[BattleSide::lord];
    return ValidLord(lord) ? lord : 0;
}

// The enemy kept its troops: it takes the field of a beaten player, storms the player's castle
// when it stands on it, and the player's army goes home.
void EnemyHeldTheField(int ownLord, int foeLord, bool ownEmpty) {
    if (foeLord != 0) {
        const auto& foeArmy = ArmyRecord(foeLord);
        if (ownEmpty && !(ownLord != 0 && CastleAt(ownLord, foeArmy[Army::x], foeArmy[Army::y])))
            MarkField(foeArmy[Army::x], foeArmy[Army::y], foeLord);
        if (ownLord != 0 && CastleAt(ownLord, foeArmy[Army::x], foeArmy[Army::y]))
            StormOwnCastle(ownLord, foeLord);
    }
    if (InGame(ownLord)) SendArmyHome(ownLord);
}

// The player beat the enemy: a city or theme site won, the field taken, an enemy castle stormed.
void PlayerWon(int ownLord, int foeLord) {
    state::GameState& g = state::G();
    if (foeLord == 0) {
        const int site = g.battleFoeSide[BattleSide::site];
        if (state::InRange(site, 1, 10)) {
            const int kind = g.mapSite[site][state::MapSite::kind];
            if (kind == SiteKind::city) {
                ConqueredCity(site, ownLord);
            } else if (kind < 0) {
                ThemeBattleWon(site);
            }
        }
    }
    if (ownLord == 0) return;
    const auto& ownArmy = ArmyRecord(ownLord);
    const bool onEnemyCastle =
        foeLord != 0 && CastleAt(foeLord, ownArmy[Army::x], ownArmy[Army::y]);
    if (!onEnemyCastle) MarkField(ownArmy[Army::x], ownArmy[Army::y], ownLord);
    if (onEnemyCastle) StormEnemyCastle(ownLord, foeLord);
    if (InGame(foeLord)) SendArmyHome(foeLord);
}

}  // namespace

void CheckBattleEnd() {
    state::GameState& g = state::G();
    if (g.battleOver) return;
    if (g.tutorialOn && SideEmpty(g.battleOwnSide)) {
        BattleDialogPause pause;
        g.battleOwnSide[BattleSide::soldiers] = state::AddWithin(
            g.battleOwnSide[BattleSide::soldiers], kTutorialReinforcements, 0, state::kTroopLimit);
        UI().ShowShortNotice(
            "In this tutorial battle you may not lose. We have send you some reinforcements. "
            "The game is paused, click on the pause button to continue.",
            "Continue");
    }
    const bool ownEmpty = SideEmpty(g.battleOwnSide);
    const bool foeEmpty = SideEmpty(g.battleFoeSide);
    if (ownEmpty && foeEmpty) {
        EndWith("Draw!",
                "Both armies have been crushed and scattered. You and your enemy have lost this "
                "battle.");
    } else if (ownEmpty) {
        EndWith("Lost!",
                "Your positions are overrun, your army is scattered and you need to flee to your "
                "home castle to escape being captured.");
    } else if (foeEmpty) {
        EndWith("Victory!",
                "Your army is victorious! The enemy troops have been crushed! This battle is "
                "yours!");
    }
}

void RaiseSoulstoneDead(BattleRecord& side) {
    const int lord = LordOf(side);
    if (lord == 0 || !InGame(lord) || LordRecord(lord)[Lord::soulstone] <= 0) return;
    LordRecord(lord)[Lord::soulstone] = 0;
    for (int i = 0; i < kTroopSlots; ++i) {
        int fallen = ArmyRecord(lord)[kArmyTroop[i]] - side[kSideTroop[i]];
        if (fallen < 0) fallen = 0;
        int risen = fallen / 4;
        if (risen == 0 && fallen >= 1) risen = 1;
        side[kSideTroop[i]] = state::AddWithin(side[kSideTroop[i]], risen, 0, state::kTroopLimit);
    }
    if (IsHuman(lord)) {
        UI().ShowNotice("m1_book.jpg", "Soulstone",
                        "Do you remember your sacrifice at the soulstone? As you see how some of "
                        "your fallen men rise to serve you as undeads you sure do.",
                        "Continue");
    }
}

void AfterBattle() {
    state::GameState& g = state::G();
    // The panel goes.
    g.battleOver = true;
    StopBattleTimers();
    g.battleClock.panelShown = false;
    Hooks().BattlePanel().HidePanel();
    // The tutorial's battle lesson ends with a won battle.
    if (SideEmpty(g.battleFoeSide) && !SideEmpty(g.battleOwnSide))
        AdvanceTutorial(TutorialStep::battleWon);

    // The soulstone, enemy side first.
    RaiseSoulstoneDead(g.battleFoeSide);
    RaiseSoulstoneDead(g.battleOwnSide);

    // The counts back into the armies.
    WriteSideToArmy(g.battleOwnSide);
    WriteSideToArmy(g.battleFoeSide);
    Hooks().View().DrawStatusBar();

    const int ownLord = LordOf(g.battleOwnSide);
    const int foeLord = LordOf(g.battleFoeSide);
    const bool ownEmpty = SideEmpty(g.battleOwnSide);
    const bool foeEmpty = SideEmpty(g.battleFoeSide);
    if (ownEmpty && foeEmpty) {
        // A draw: both lords go home.
        SendArmyHome(ownLord);
        SendArmyHome(foeLord);
    } else if (!foeEmpty) {
        // Lost, or a side retreated.
        EnemyHeldTheField(ownLord, foeLord, ownEmpty);
    } else {
        // Won.
        PlayerWon(ownLord, foeLord);
    }

    // The map and the turn. The battle flag is cleared before the turn may pass, so that a
    // battle started by the next lords is not cleared with it.
    g.battleStarted = false;
    if (g.gameOver) return;
    Hooks().View().DrawMap(true, false);
    const int current = CurrentLordChecked();
    if (current != 0 && IsHuman(current) && ArmyRecord(current)[Army::movesLeft] < 1)
        Hooks().Timers().EnableTimer3();
}

}  // namespace logic
