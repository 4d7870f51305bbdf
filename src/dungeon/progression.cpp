// Experience and the level-up: tougher hero, full health, the level shown on the strategic map.
#include "dungeon/progression.h"

#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "dungeon/items.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace Hero = state::Hero;

void AddXP(int amount) {
    auto& xp = HeroRecord()[Hero::xp];
    xp = state::AddWithin(xp, amount, 0, state::kCountLimit);
    CheckLevelUp();
}

void CheckLevelUp() {
    const auto& hero = HeroRecord();
    if (hero[Hero::xp] >= hero[Hero::xpNext] && hero[Hero::level] <= kMaxHeroLevel - 1)
        LevelUp(HeroLord());
}

void LevelUp(int lord) {
    if (!ValidLord(lord)) return;
    auto& hero = state::G().hero[lord];
    if (hero[Hero::level] >= kMaxHeroLevel) return;
    hero[Hero::level] += 1;
    hero[Hero::xpNext] = 200 * (hero[Hero::level] + 1);
    hero[Hero::xp] = 0;
    hero[Hero::baseMaxHealth] =
        state::AddWithin(hero[Hero::baseMaxHealth], 5, 0, state::kHealthLimit);
    hero[Hero::health] = hero[Hero::baseMaxHealth] + hero[Hero::itemHealthBonus];
    RecomputeItemBonuses();
    LordRecord(lord)[state::Lord::heroLevel] = hero[Hero::level];
    if (!IsHuman(CurrentLordChecked())) return;
    Hooks().Sound().PlayReward(2);
    Hooks().View().DrawStatusBar();
    if (state::G().inDungeon == 1) DrawDungeon();
    LevelUpView view;
    view.heroPicture = HeroPicture(lord);
    view.heading = "You reached a new experience level!";
    view.level = hero[Hero::level];
    view.line = hero[Hero::level] == kMaxHeroLevel
                    ? "CONGRATULATIONS! You have reached the maximum player level!!!!"
                    : "Stronger! Health, hit chances and battle bonus increase...";
    Hooks().Dungeon().OpenLevelUp(view);
}

}  // namespace logic
