// The hero's real-time duel against one opponent: its statistics, the hero's actions, the
// opponent's blows, the four timers' ticks and the end of the duel.
#pragma once

#include <array>

#include "rules/dungeon_view.h"

namespace logic {

namespace DuelAction {
enum : int { thrust = 1, slash = 2, smash = 3, strike = 4 };
}

struct DuelStats {
    int heroSkill = 0;
    int oppSkill = 0;
    int oppDamage = 0;
    int oppHealth = 0;  // also the opponent's maximum health
};

// The statistics of a duel against a monster of monsterLevel for a hero of heroLevel at the
// lord's difficulty, with the monster's toughness and duel flag.
DuelStats ComputeDuelStats(int monsterLevel, int heroLevel, int difficulty, int toughness,
                           int duelFlag);

// The experience for slaying a monster of monsterLevel: a base by the hero's level minus the
// monster's, plus monsterLevel * base / 10.
int DuelExperience(int heroLevel, int monsterLevel);

// Starts a duel against MonsterTable row `monster` (0..100; row 0 is a set-piece opponent).
void StartDuel(int monster);
// Thrust, Slash, Smash, or Strike in the heroic state.
void HeroAttack(int kind);
void HeroHeal();
void HeroRetreat();
void OpponentAttack();
// After every blow: ends the duel when one side has fallen.
void CheckDuelEnd();
// The opponent's health, the heroic buttons and the hero status.
void DrawDuelStatus();
// The hidden cheat on the opponent picture.
void DuelCheat();

// What the four duel timers do when they fire.
void OpponentAttackTick();
void CoolDownTick();
void HeroFlashTick();
void OpponentFlashTick();

// True while the duel panel is shown.
bool DuelActive();
// Ends a duel that is still shown without a result (its window is being closed): the timers
// stop and the panel hides.
void AbandonDuel();

// Stops the opponent timer and the cool-down while a modal window is open during a duel and
// restarts those that ran when it closes (if the duel is still on).
class DuelPause {
  public:
    DuelPause();
    ~DuelPause();
    DuelPause(const DuelPause&) = delete;
    DuelPause& operator=(const DuelPause&) = delete;

  private:
    bool opponent_ = false;
    bool coolDown_ = false;
};

}  // namespace logic
