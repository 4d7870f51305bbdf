// The help lines and help texts of the battle panel, by control name.
#include "screens/battle_help.h"

namespace screens {

namespace {

constexpr BattleHoverLine kHover[] = {
    {"BattlePause",
     "Pauses the game. To continue either click it again or click on any command button."},
    {"BattleAttack",
     "Standard attack. Melee/Range attack, fast melee units protect vs. flanking attacks."},
    {"BattleFlank", "Fast melee units will attack the enemy range units directly."},
    {"BattleDefend",
     "Melee/range +50% defense vs. enemy range and -25% attack, fast melee vs. flanking "
     "attacks."},
    {"BattleModify", "Modify the existing commands to your custom style."},
    {"BattleRetreat", "You may retreat from battle."},
    {"BattleOwnHeroBonus", "Battle bonus for your hero experience level!"},
    {"BattleFoeHeroBonus", "Battle bonus for the enemy hero experience level!"},
    {"BattleOwnCastleBonus", "Battle bonus for defending your castle."},
    {"BattleFoeCastleBonus", "Enemy battle bonus for defending his castle."},
};

constexpr BattleHelpText kHelp[] = {
    {"BattleAttack", "Help mode: Attack",
     "The standard attack. Melee and range units will attack while fast melee units will protect "
     "the army against enemy flanking attacks. HINT: Useful against very mixed enemy armies."},
    {"BattleFlank", "Help mode: Flank",
     "Your fast melee units will pass around the enemy defenses and attack the enemy range units "
     "directly. Defending enemy fast melee units might intercept. HINT: Useful to pass around "
     "strong melee defenses."},
    {"BattleDefend", "Help mode: Defend",
     "Melee/Range units do have a +50% defense bonus against enemy range units, but also have a "
     "-25% attack rating. Fast melee units protect you against enemy flanking attacks. HINT: Very "
     "useful against many enemy range units."},
    {"BattleModify", "Help mode: Modify commands",
     "To be victorious against superior enemies you might have to need to individually customize "
     "the commands to your needs. HINT: The game allows very advanced strategies if you use this "
     "tool wisely."},
    {"BattleDuel", "Help mode: Duel",
     "Challenge the enemy leader to fight against you in a duel. His troops will not allow you to "
     "kill him, but winning the duel would double your hero bonus."},
};

}  // namespace

const char* FindBattleHoverLine(const std::string& control) {
    for (const BattleHoverLine& line : kHover) {
        if (control == line.control) return line.text;
    }
    return nullptr;
}

const BattleHelpText* FindBattleHelpText(const std::string& control) {
    for (const BattleHelpText& help : kHelp) {
        if (control == help.control) return &help;
    }
    return nullptr;
}

}  // namespace screens
