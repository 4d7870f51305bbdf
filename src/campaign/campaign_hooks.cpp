#include "campaign/campaign_hooks.h"

namespace logic {

CampaignHooks& Hooks() {
    static CampaignHooks hooks;
    return hooks;
}

}  // namespace logic
