#include "campaign/campaign_hooks.h"

#include "dungeon/progression.h"

namespace logic {

CampaignHooks& Hooks() {
    static CampaignHooks hooks;
    return hooks;
}

void OtherRules::HumanHeroLevelUp(int lord) {
    LevelUp(lord);
}

}  // namespace logic
