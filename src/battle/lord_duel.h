// The duel of two lords' heroes: challenged during a battle (a heroic action), and fought when an
// army storms a castle. The fight itself is the hero combat's set-piece duel.
#pragma once

namespace logic {

// Puts the enemy lord's hero into the set-piece opponent row (MonsterTable / MonsterText row 0).
void FillLordOpponent(int enemyLord);
// Lord p's hero fights enemy lord o's hero; true when p's hero won.
bool FightLordDuel(int p, int o);

// The duel button of the battle panel.
void ChallengeDuel();
// What a challenged duel leaves: the message, the doubled or eightfold hero bonus, the duel used
// and the heroic actions gone again.
void ApplyChallengeOutcome(bool won);

// The enemy army (lord o) stands on the player side's (lord p) castle after the battle.
void StormOwnCastle(int p, int o);
void ApplyOwnCastleDuel(int p, int o, bool won);
// The player side's army stands on the enemy lord's castle after a won battle.
void StormEnemyCastle(int p, int o);
void ApplyEnemyCastleDuel(int p, int o, bool won);

}  // namespace logic
