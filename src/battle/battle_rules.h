// The battle rules as the campaign reaches them: a step onto an enemy army or a defended castle
// starts the interactive battle or settles the automatic one.
#pragma once

#include "campaign/campaign_hooks.h"

namespace logic {

class BattleRules final : public Battles {
  public:
    void StartBattle(int humanLord, int otherLord) override;
    void AutoBattle() override;
    void PauseBattle() override;
    void ResumeBattle() override;
};

// Installs the battle rules in the hooks registry (the program does this once at start).
void InstallBattleRules();

}  // namespace logic
