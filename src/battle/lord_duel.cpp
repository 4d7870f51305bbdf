// The duel of lords, in battle and at a stormed castle.
#include "battle/lord_duel.h"

#include "battle/battle_clock.h"
#include "battle/battle_engine.h"
#include "battle/battle_sides.h"
#include "battle/castle_fall.h"
#include "dungeon/set_piece_duel.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/monster_table.h"

namespace logic {

namespace BattleSide = state::BattleSide;
namespace Lord = state::Lord;
namespace Monster = state::MonsterTable;

namespace {

constexpr const char* kDuelPicture = "hero2.jpg";
constexpr const char* kEnemyFalls =
    "Your final blow wipes the enemy leader from his feet and to the ground. Desperately his men "
    "throw themselves forward to protect him.";

// The fall of the enemy lord and what follows from it, in one text.
std::string EnemyFallsThen(const char* then) {
    std::string text = kEnemyFalls;
    text.append(" ").append(then);
    return text;
}

void SetCastleOwner(int castleLord, int owner) {
    const auto& l = LordRecord(castleLord);
    if (auto* f = FieldAt(l[Lord::castleX], l[Lord::castleY])) (*f)[state::Field::owner] = owner;
}

}  // namespace

void FillLordOpponent(int enemyLord) {
    state::GameState& g = state::G();
    const int row = Monster::kSetPieceRow;
    g.monsterTable.ClearRows(row, row);
    for (int i = 1; i <= 10; ++i)
        g.monsterText[row][i].clear();
    if (!ValidLord(enemyLord)) return;
    auto& m = g.monsterTable[row];
    m[Monster::exists] = 1;
    m[Monster::monsterLevel] = LordRecord(enemyLord)[Lord::heroLevel];
    m[Monster::toughness] = 0;
    m[Monster::frequency] = 1;
    m[Monster::soundFamily] = 1;
    m[Monster::resistance] = state::Resistance::slashes;
    m[Monster::duelFlag] = 1;
    g.monsterText[row][state::MonsterText::name] = g.heroName[enemyLord];
    g.monsterText[row][state::MonsterText::picture] = "Hero2";
}

bool FightLordDuel(int p, int o) {
    FillLordOpponent(o);
    return RunSetPieceDuel(p);
}

void ChallengeDuel() {
    state::GameState& g = state::G();
    BattleRecord& own = g.battleOwnSide;
    // The button shows only with heroic actions available, and not during a cool-down.
    if (g.battleOver || !g.battleClock.panelShown || g.battleClock.delayActive) return;
    if (own[BattleSide::heroicOrMayRetreat] <= 0 || own[BattleSide::duelUsed] > 0) return;
    const int o = g.battleFoeSide[BattleSide::lord];
    if (!ValidLord(o)) {
        BattleDialogPause pause;
        UI().ShowShortNotice("The enemy is not lead by a lord. You can only duel a lord.",
                             "Continue");
        return;
    }
    {
        BattleDialogPause pause;
        UI().ShowNotice(kDuelPicture, "Duel",
                        "You challenge the enemy leader. Not willing to lose face in front of his "
                        "troops you both meet in the middle of the battlefield. While the battle "
                        "around you continues you need to fight for your life!",
                        "Continue");
        const bool won = FightLordDuel(own[BattleSide::lord], o);
        ApplyChallengeOutcome(won);
    }
    RefreshBattleDisplay();
    StartCommandDelay();
}

void ApplyChallengeOutcome(bool won) {
    state::GameState& g = state::G();
    if (won) {
        UI().ShowShortNotice(EnemyFallsThen("Your hero bonus is greatly increased!"), "Continue");
        g.battleOwnSide[BattleSide::heroBonus] *= 8;
    } else {
        UI().ShowShortNotice(
            "You lost the duel! Your men sacrifice their lives to protect you and drag you from "
            "the battlefield. Enemy hero bonus is doubled!",
            "Continue");
        g.battleFoeSide[BattleSide::heroBonus] *= 2;
    }
    g.battleOwnSide[BattleSide::duelUsed] = 1;
    g.battleOwnSide[BattleSide::heroicOrMayRetreat] = 0;
}

void StormOwnCastle(int p, int o) {
    UI().ShowNotice(kDuelPicture, "Duel!",
                    "Helpless you watch the enemy troops storming your castle. A bloody battle "
                    "men against men breaks out. Suddenly you face the enemy lord. Fight for your "
                    "life!",
                    "Continue");
    ApplyOwnCastleDuel(p, o, FightLordDuel(p, o));
}

void ApplyOwnCastleDuel(int p, int o, bool won) {
    if (won) {
        UI().ShowNotice(
            kDuelPicture, "Duel",
            EnemyFallsThen("The enemy needs to retreat - but you are sure he will be back soon."),
            "Continue");
        SendArmyHome(o);
        return;
    }
    if (IsHuman(p)) {
        Hooks().Sound().PlayReward(1);
        UI().ShowNotice("m2_castle.jpg", "You lost your castle!",
                        "The enemy has conquered your castle!", "Continue");
        Hooks().Sound().PlayReward(1);
        UI().ShowNotice(FactionLogo(o), "Defeat!", "You have been defeated in the thornfeud!",
                        "Continue");
    }
    SetCastleOwner(p, o);
    CastleFalls(p, false);
}

void StormEnemyCastle(int p, int o) {
    UI().ShowNotice(kDuelPicture, "Duel!",
                    "Your men are storming the breach in the walls of the enemy castle. Leading "
                    "the way you suddenly face the enemy lord. Fight for your life!",
                    "Continue");
    ApplyEnemyCastleDuel(p, o, FightLordDuel(p, o));
}

void ApplyEnemyCastleDuel(int p, int o, bool won) {
    if (!won) {
        SendArmyHome(p);
        return;
    }
    UI().ShowNotice(kDuelPicture, "Duel",
                    "You won the duel! The enemy lord drops dead to the ground.", "Continue");
    const bool human = IsHuman(p);
    if (human) {
        Hooks().Sound().PlayReward(2);
        UI().ShowNotice("m2_castle.jpg", "Conquered!",
                        "You have conquered the castle of the " + state::G().realmName[o] + "!",
                        "Continue");
    }
    SetCastleOwner(o, p);
    CastleFalls(o, human);
}

}  // namespace logic
