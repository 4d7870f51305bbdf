// The one hooks registry of the rules, and the defaults that lead to other rules.
#include "campaign/campaign_hooks.h"

#include "dungeon/duel.h"
#include "dungeon/exploration.h"
#include "dungeon/progression.h"

namespace logic {

CampaignHooks& Hooks() {
    static CampaignHooks hooks;
    return hooks;
}

void HeroRules::HumanHeroLevelUp(int lord) {
    LevelUp(lord);
}

void CampaignScreens::ReopenDungeon() {
    ResumeDungeon();
}

void CampaignScreens::CloseDungeonWindow() {
    AbandonDuel();
    Hooks().Dungeon().CloseDungeonWindow();
}

}  // namespace logic
