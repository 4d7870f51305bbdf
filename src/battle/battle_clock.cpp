// The battle clock, the command cool-down, the flashes and the pause.
#include "battle/battle_clock.h"

#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"

namespace logic {

namespace BattleSide = state::BattleSide;

namespace {

state::BattleClock& Clock() {
    return state::G().battleClock;
}

BattleView& Panel() {
    return Hooks().BattlePanel();
}

void SetClock(bool on) {
    Clock().clockOn = on;
    if (on) {
        Panel().StartClock();
        Panel().ShowPausePicture(kRunningPicture);
    } else {
        Panel().StopClock();
        Panel().ShowPausePicture(kPausedPicture);
    }
}

void SetDelayTimer(bool on) {
    Clock().delayOn = on;
    if (on) {
        Panel().StartCommandDelay();
    } else {
        Panel().StopCommandDelay();
    }
}

// The hourglass of cool-down ticks 1 to 9.
const char* HourglassOf(int tick) {
    static constexpr const char* kPictures[10] = {
        "hourglass_100of100_sm.jpg", "hourglass_100of100_sm.jpg", "hourglass_75of100_sm.jpg",
        "hourglass_75of100_sm.jpg",  "hourglass_50of100_sm.jpg",  "hourglass_50of100_sm.jpg",
        "hourglass_25of100_sm.jpg",  "hourglass_25of100_sm.jpg",  "hourglass_0of100_sm.jpg",
        "hourglass_0of100_sm.jpg"};
    return kPictures[tick < 0 ? 0 : tick > 9 ? 9 : tick];
}

bool EitherCastleBonus() {
    const state::GameState& g = state::G();
    return g.battleOwnSide[BattleSide::castleBonus] > 0 ||
           g.battleFoeSide[BattleSide::castleBonus] > 0;
}

void DisableOrderButtons() {
    OrderButtons b;
    b.flankPicture = EitherCastleBonus() ? "m1_skill_flankg.jpg" : "m1_skill_flank.jpg";
    Panel().SetOrderButtons(b);
}

}  // namespace

void EnableOrderButtons() {
    OrderButtons b;
    b.attack = b.defend = b.retreat = true;
    b.flank = !EitherCastleBonus();
    b.flankPicture = b.flank ? "m1_skill_flank.jpg" : "m1_skill_flankg.jpg";
    b.duel = state::G().battleOwnSide[BattleSide::duelUsed] == 0;
    Panel().SetOrderButtons(b);
}

void BattleClockTick() {
    state::GameState& g = state::G();
    if (g.battleOver || !Clock().clockOn) return;
    if (++Clock().clockTicks < kTicksPerEnemyRound) return;
    Clock().clockTicks = 0;
    EnemyRound();
    if (g.battleOver) return;
    RefreshBattleDisplay();
    Hooks().View().DrawStatusBar();
    FlashCoatOfArms(BattleSideId::own);
}

void CommandDelayTick() {
    if (state::G().battleOver || !Clock().delayOn) return;
    const int tick = ++Clock().delayTicks;
    if (tick < kCommandDelayTicks) {
        Panel().ShowHourglasses(HourglassOf(tick));
        return;
    }
    SetDelayTimer(false);
    Clock().delayActive = false;
    Clock().delayTicks = 0;
    Panel().HideHourglasses();
    EnableOrderButtons();
}

void FlashTick(BattleSideId side) {
    Panel().StopFlash(side);
    if (state::G().battleOver) return;
    Panel().ShowCoatOfArms(side, CoatOfArms(side, false));
}

void TogglePause() {
    if (state::G().battleOver) return;
    const bool run = !Clock().clockOn;
    SetClock(run);
    SetDelayTimer(run && Clock().delayActive);
}

void StartCommandDelay() {
    DisableOrderButtons();
    Panel().ShowHourglasses(HourglassOf(1));
    Clock().delayTicks = 0;
    Clock().delayActive = true;
    SetDelayTimer(true);
    SetClock(true);
}

void ResetBattleClock() {
    state::BattleClock& c = Clock();
    c.clockTicks = 0;
    c.delayTicks = 0;
    c.delayActive = false;
    c.pauseDepth = 0;
    SetClock(false);
    SetDelayTimer(false);
    Panel().HideHourglasses();
}

void StopBattleTimers() {
    Clock().delayActive = false;
    Clock().pauseDepth = 0;
    SetClock(false);
    SetDelayTimer(false);
    Panel().StopFlash(BattleSideId::own);
    Panel().StopFlash(BattleSideId::foe);
}

std::string CoatOfArms(BattleSideId side, bool hit) {
    const state::GameState& g = state::G();
    const BattleRecord& s = side == BattleSideId::own ? g.battleOwnSide : g.battleFoeSide;
    const int lord = s[BattleSide::lord];
    if (!ValidLord(lord)) {
        static constexpr const char* kNeutral[6] = {"m1_village1.jpg", "m1_village1.jpg",
                                                    "m1_orc.jpg",      "m1_skeleton.jpg",
                                                    "m1_book.jpg",     "m1_knight.jpg"};
        const int kind = s[BattleSide::neutralPicture];
        return kNeutral[state::InRange(kind, 0, 5) ? kind : 0];
    }
    std::string logo = FactionLogo(lord);
    if (hit) logo.insert(logo.size() - 4, "_r");
    return logo;
}

void FlashCoatOfArms(BattleSideId side) {
    Panel().ShowCoatOfArms(side, CoatOfArms(side, true));
    Panel().StartFlash(side);
}

void PauseBattleForDialog() {
    state::BattleClock& c = Clock();
    if (c.pauseDepth++ > 0) return;
    c.clockBeforePause = c.clockOn;
    c.delayBeforePause = c.delayOn;
    SetClock(false);
    SetDelayTimer(false);
}

void ResumeBattleAfterDialog() {
    state::BattleClock& c = Clock();
    if (c.pauseDepth <= 0 || --c.pauseDepth > 0) return;
    // A battle decided while the dialog was open stays stopped.
    if (state::G().battleOver) return;
    if (c.clockBeforePause) SetClock(true);
    if (c.delayBeforePause) SetDelayTimer(true);
}

}  // namespace logic
