#include <gtest/gtest.h>

#include "events/theme_events.h"
#include "events/theme_fixture.h"
#include "state/theme_weapon.h"

namespace themetest {
namespace {

namespace L = state::Lord;
namespace A = state::Army;

TEST_F(ThemeTest, CauldronsSummonForAVialAndHonorOrFallWithTheLichLord) {
    Theme(6);
    Visit(2);
    Lord(2)[L::themeCounter] = 1;
    Lord(2)[L::honor] = 9;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Army(2)[A::specialCount], 0);
    Lord(2)[L::honor] = 10;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Army(2)[A::specialCount], 3);
    EXPECT_EQ(Army(2)[A::specialType], 7);
    EXPECT_EQ(Lord(2)[L::themeCounter], 0);
    EXPECT_EQ(Site()[state::MapSite::countdown], 15);

    // The human summons whatever the countdown; honor is checked before the vial.
    Visit(1);
    Lord(1)[L::honor] = 9;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "You do not have enough honor!");
    Lord(1)[L::honor] = 10;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text,
              "You need blood vials, which you can find by killing level 10 boss monsters.");
    Lord(1)[L::themeCounter] = 1;
    dialogs.Answer(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().title, "Summoning");
    EXPECT_EQ(Army(1)[A::specialCount], 3);
    EXPECT_EQ(Lord(1)[L::honor], 0);

    dialogs.Answer(2);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.opponents.at(0), "Lich Lord m1_vampire 10 0 1");
    EXPECT_EQ(Site()[state::MapSite::active], 0);
    EXPECT_EQ(Lord(1)[L::honor], 10);
}

TEST_F(ThemeTest, ElvesServeTheBearerOfTheBowAndComputerFindersPayHonorBlindly) {
    auto& g = state::G();
    Theme(7);
    state::FillSpecialItemRow();
    Visit(3);
    Lord(3)[L::themeCounter] = 1;
    Lord(3)[L::honor] = 0;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Lord(3)[L::honor], -10);
    EXPECT_EQ(Army(3)[A::specialType], 8);
    EXPECT_EQ(Army(3)[A::specialClass], 3);

    Visit(1);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().buttons.at(0), "Demand help (-10 honor) (disabled)");
    Site()[state::MapSite::countdown] = 0;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text,
              "You have not found their holy bow and they deny their help to "
              "anyone not carrying it.");
    g.heroGear[1][2][state::HeroGear::present] = 1;
    g.heroGear[1][2][state::HeroGear::item] = 0;
    Lord(1)[L::honor] = 9;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "You do not have enough honor!");
    Lord(1)[L::honor] = 10;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().title, "Elvish archers");
    EXPECT_EQ(Army(1)[A::specialCount], 3);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().buttons.at(0), "Demand help (15 turns left) (disabled)");
}

TEST_F(ThemeTest, DarkAltarsTurnEggsAndShardsIntoDragonsAndDemons) {
    struct Case {
        int theme, kind;
        const char* action;
        const char* cooling;
        const char* refusal;
        const char* title;
    };
    for (const Case& c :
         {Case{8, 9, "Breed dragon (-10 honor)", "Breed dragon (15 turns left) (disabled)",
               "You need to collect dragon eggs in dungeons to breed dragons!", "Dragon!"},
          Case{17, 10, "Summon demons (-10 honor)", "Summon (15 turns left) (disabled)",
               "You need to collect soul shards in dungeons to summon demons!", "Demons!"}}) {
        Theme(c.theme);
        Visit(4);
        Army(4)[A::specialCount] = 0;
        Lord(4)[L::themeCounter] = 1;
        Lord(4)[L::honor] = 3;
        logic::ThemeEvent(kSite);
        EXPECT_EQ(Lord(4)[L::honor], -7);
        EXPECT_EQ(Army(4)[A::specialCount], 1);
        EXPECT_EQ(Army(4)[A::specialType], c.kind);

        Visit(1);
        Site()[state::MapSite::countdown] = 0;
        Army(1)[A::specialCount] = 0;
        Lord(1)[L::themeCounter] = 0;
        Lord(1)[L::honor] = 10;
        dialogs.Answer(logic::kOfferAction);
        logic::ThemeEvent(kSite);
        EXPECT_EQ(dialogs.Shown()[dialogs.Shown().size() - 2].buttons.at(0), c.action);
        EXPECT_EQ(dialogs.Last().text, c.refusal);
        Lord(1)[L::themeCounter] = 2;
        dialogs.Answer(logic::kOfferAction);
        logic::ThemeEvent(kSite);
        EXPECT_EQ(dialogs.Last().title, c.title);
        EXPECT_EQ(Army(1)[A::specialCount], 1);
        EXPECT_EQ(Lord(1)[L::themeCounter], 1);
        logic::ThemeEvent(kSite);
        EXPECT_EQ(dialogs.Last().buttons.at(0), c.cooling);
    }
}

TEST_F(ThemeTest, TheEldestTheGateAndTheTombsAreDoneOnce) {
    Theme(10);
    Visit(2);
    Lord(2)[L::iron] = 30;
    Lord(2)[L::gems] = 9;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Site()[state::MapSite::active], 1);
    Lord(2)[L::gems] = 10;
    logic::ThemeEvent(kSite);
    EXPECT_EQ(Site()[state::MapSite::active], 0);
    EXPECT_EQ(Lord(2)[L::themeCounter], 1);
    EXPECT_EQ(Lord(2)[L::iron], 0);
    EXPECT_EQ(dialogs.Last().title, "\"Ring Of Kings\"");
    EXPECT_EQ(dialogs.Last().picture, "factionlogo_green.jpg");

    Theme(10);
    Lord(1)[L::iron] = 29;
    Lord(1)[L::gems] = 9;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "You do not have enough iron!");
    Lord(1)[L::iron] = 30;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text, "You do not have enough gems!");
    Lord(1)[L::gems] = 10;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().title, "Ring Of Kings");
    EXPECT_EQ(Lord(1)[L::themeCounter], 1);
    EXPECT_EQ(Site()[state::MapSite::active], 0);

    Theme(12);
    Lord(1)[L::themeCounter] = 5;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().text,
              "You do not have enough remains of Lords Of The Pit. You can "
              "find them in dungeons.");
    Lord(1)[L::themeCounter] = 7;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().title, "Gate closed");
    EXPECT_EQ(Lord(1)[L::themeCounter], 0);
    EXPECT_EQ(Site()[state::MapSite::active], 0);

    // The tombs and the gate are the human's alone.
    Theme(16, -3);
    Visit(2);
    logic::ThemeEvent(kSite);
    EXPECT_TRUE(duels.opponents.empty());
    Visit(1);
    Lord(1)[L::honor] = 0;
    dialogs.Answer(logic::kOfferAction);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(duels.opponents.at(0), "Vampire m1_vampire 6 0 1");
    EXPECT_EQ(Site()[state::MapSite::active], 0);
    EXPECT_EQ(Lord(1)[L::honor], 6);
    EXPECT_EQ(dialogs.Last().title, "Curse lifted!");
}

TEST_F(ThemeTest, EventsFollowTheThemeAndTheSiteKind) {
    // Theme 1 has no secondary event, theme 5 none at all, and a city is no theme site.
    for (const auto& [theme, kind] :
         std::vector<std::pair<int, int>>{{1, -2}, {5, -1}, {0, -1}, {16, 1}, {20, -1}}) {
        Theme(theme, kind);
        logic::ThemeEvent(kSite);
    }
    logic::ThemeEvent(0);
    logic::ThemeEvent(11);
    EXPECT_TRUE(dialogs.Shown().empty());
    // Theme 19 is the arena too, for the main event only.
    Theme(19, -2);
    logic::ThemeEvent(kSite);
    EXPECT_TRUE(dialogs.Shown().empty());
    Theme(19);
    logic::ThemeEvent(kSite);
    EXPECT_EQ(dialogs.Last().title, "Arena Of Kings");
}

}  // namespace
}  // namespace themetest
