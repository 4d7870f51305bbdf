// The one hooks registry of the rules, and the defaults that lead to other rules.
#include "campaign/campaign_hooks.h"

#include "campaign/city_round.h"
#include "campaign/city_visit.h"
#include "dungeon/duel.h"
#include "dungeon/exploration.h"
#include "dungeon/progression.h"
#include "events/theme_events.h"
#include "events/visit_site.h"

namespace logic {

CampaignHooks& Hooks() {
    static CampaignHooks hooks;
    return hooks;
}

void HeroRules::HumanHeroLevelUp(int lord) {
    LevelUp(lord);
}

void RoundRules::CityRound() {
    logic::CityRound();
}

void SiteRules::VisitSite() {
    logic::VisitSite();
}

void SiteRules::OpenCity(int site) {
    // A city is won by standing on it, so the city under the army is the one won.
    (void)site;
    logic::OpenCity();
}

void SiteRules::ThemeFind(int lord, bool afterWonDuel) {
    logic::ThemeFind(lord, afterWonDuel);
}

void SiteRules::ThemeBattleWon(int site) {
    logic::ThemeBattleWon(site);
}

void SiteRules::DemonGift() {
    logic::DemonGift();
}

void CampaignScreens::ReopenDungeon() {
    ResumeDungeon();
}

void CampaignScreens::CloseDungeonWindow() {
    AbandonDuel();
    Hooks().Dungeon().CloseDungeonWindow();
}

}  // namespace logic
