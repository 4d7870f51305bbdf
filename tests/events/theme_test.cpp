// The theme introduction, the theme boxes with their numbers, hints and help, and the theme
// rules of start values and taxes.
#include <set>

#include "events/events_fixture.h"
#include "events/theme_display.h"
#include "events/theme_intro.h"
#include "events/theme_rules.h"
#include "state/game_state.h"
#include "state/random.h"

namespace eventtest {
namespace {

namespace S = state::MapSite;
namespace L = state::Lord;
using logic::ThemeBoxId;

TEST_F(EventsTest, TheIntroductionShowsForThemesOneToNineteenOnly) {
    for (int t : {-1, 0, 20, 100}) {
        SetTheme(t);
        logic::ShowThemeIntro();
    }
    EXPECT_TRUE(theme.intros.empty());
    for (int t = 1; t <= 19; ++t) {
        SetTheme(t);
        logic::ShowThemeIntro();
    }
    ASSERT_EQ(theme.intros.size(), 19u);
    std::set<std::string> texts;
    for (const auto& intro : theme.intros)
        texts.insert(intro.text);
    EXPECT_EQ(texts.size(), 19u);
    EXPECT_EQ(theme.intros[12].goal, "= Rescue the princess");
    EXPECT_EQ(theme.intros[11].goal, "= Defeat all other lords.");
    // Theme 2: only the middle picture.
    EXPECT_EQ(theme.intros[1].pictures[0], "");
    EXPECT_EQ(theme.intros[1].pictures[1], "m1_orc_y.jpg");
    EXPECT_EQ(theme.intros[1].pictures[2], "");
    EXPECT_EQ(theme.intros[0].pictures[2], "m1_dragontreasure_y.jpg");
    EXPECT_EQ(theme.intros[16].pictures[1], "m1_LordOfThePit.jpg");
    EXPECT_NE(theme.intros[17].text.find("sword of Nara\u00b4gul"), std::string::npos);
}

TEST_F(EventsTest, TheKeepThemeStartsEveryLordWithAKeepGoldAndUnlimitedRange) {
    SetTheme(4);
    logic::ShowThemeIntro();
    EXPECT_EQ(Lord(1)[L::gold], 1000);
    EXPECT_FALSE(hooks.Has("DrawStatusBar"));
    SetTheme(5);
    logic::ShowThemeIntro();
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(Lord(p)[L::keep], 1);
        EXPECT_EQ(Lord(p)[L::gold], 2500);
        EXPECT_EQ(Lord(p)[L::moveRange], 100);
    }
    // The new values are on the status bar before the introduction shows.
    EXPECT_TRUE(hooks.Has("DrawStatusBar"));
    EXPECT_EQ(theme.intros.back().pictures[1], "icon_castleupgrade_gold.jpg");
}

TEST_F(EventsTest, TheThemeBoxesShowPicturesAndTheCurrentLordsNumbersByTheme) {
    struct Row {
        int theme;
        const char* counter;  // empty: hidden
        const char* troop;
        const char* army;
        bool counterIsSpecial;
    } rows[] = {
        {0, "", "", "", false},
        {1, "m1_dragoneggs.jpg", "", "", false},
        {2, "m1_orc.jpg", "", "m1_orc.jpg", true},
        {3, "iron_y.jpg", "m1_dwarf_y.jpg", "m1_dwarf_y.jpg", false},
        {4, "", "", "", false},
        {5, "", "", "", false},
        {6, "m1_blood.jpg", "m1_skeleton.jpg", "m1_skeleton.jpg", false},
        {7, "m1_elf.jpg", "", "m1_elf.jpg", true},
        {8, "m1_dragoneggs.jpg", "m1_dragon.jpg", "m1_dragon.jpg", false},
        {9, "", "", "m1_skeleton.jpg", false},
        {10, "", "", "", false},
        {11, "m1_nightscare.jpg", "", "m1_nightscare.jpg", true},
        {12, "m1_blood.jpg", "", "", false},
        {13, "", "", "m1_skeleton.jpg", false},
        {14, "", "", "", false},
        {15, "m1_knight.jpg", "", "m1_knight.jpg", true},
        {16, "", "", "", false},
        {17, "m1_bloodgem.jpg", "m1_lordofthepit.jpg", "m1_lordofthepit.jpg", false},
        {18, "", "", "", false},
        {19, "", "", "", false},
        {20, "", "", "", false},
    };
    Lord(1)[L::themeCounter] = 3;
    state::G().army[1][state::Army::specialCount] = 11;
    Lord(2)[L::themeCounter] = 4;
    state::G().army[2][state::Army::specialCount] = 22;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.theme);
        SetTheme(r.theme);
        TurnOf(1);
        logic::SetupThemeDisplay();
        const auto& b = theme.boxes.back();
        EXPECT_EQ(b.counter.visible, *r.counter != '\0');
        EXPECT_EQ(b.counter.picture, r.counter);
        EXPECT_EQ(b.troop.visible, *r.troop != '\0');
        EXPECT_EQ(b.troop.picture, r.troop);
        EXPECT_EQ(b.armyPicture, r.army);
        EXPECT_EQ(theme.counter, r.counterIsSpecial ? 11 : 3);
        EXPECT_EQ(theme.troop, 11);
        TurnOf(2);
        logic::UpdateThemeDisplay();
        EXPECT_EQ(theme.counter, r.counterIsSpecial ? 22 : 4);
        EXPECT_EQ(theme.troop, 22);
    }
}

TEST_F(EventsTest, ThemeBoxHintsAndHelpFollowTheirTables) {
    const std::string generic = "This is a theme specific display.";
    EXPECT_EQ(*logic::ThemeBoxHint(1, ThemeBoxId::counter),
              "Collect 5 to calm the dragon and clear the path (for more info right-click).");
    EXPECT_EQ(*logic::ThemeBoxHint(15, ThemeBoxId::counter),
              "Crusaders is strong fast melee cavalry (for more info right-click).");
    EXPECT_EQ(*logic::ThemeBoxHint(3, ThemeBoxId::troop),
              "Dwarves are strong melee fighters (for more info right-click).");
    // The shared text: 0 and 13 to 100 without a text of their own.
    for (int t : {0, 13, 14, 16, 19, 100}) {
        EXPECT_EQ(*logic::ThemeBoxHint(t, ThemeBoxId::counter), generic) << t;
        EXPECT_EQ(*logic::ThemeBoxHint(t, ThemeBoxId::troop), generic) << t;
    }
    EXPECT_EQ(*logic::ThemeBoxHint(15, ThemeBoxId::troop), generic);
    // Themes outside both tables keep the panel's text.
    for (int t : {4, 5, 9, 10, 101, -1})
        EXPECT_FALSE(logic::ThemeBoxHint(t, ThemeBoxId::counter)) << t;
    for (int t : {1, 2, 7, 11, 12})
        EXPECT_FALSE(logic::ThemeBoxHint(t, ThemeBoxId::troop)) << t;

    const auto help = logic::ThemeBoxHelp(12, ThemeBoxId::counter);
    ASSERT_TRUE(help);
    EXPECT_EQ(help->title, "Help mode: Remains");
    const auto troop = logic::ThemeBoxHelp(6, ThemeBoxId::troop);
    ASSERT_TRUE(troop);
    EXPECT_EQ(troop->title, "Help mode: Skeleton knights");
    EXPECT_FALSE(logic::ThemeBoxHelp(1, ThemeBoxId::troop));
    EXPECT_FALSE(logic::ThemeBoxHelp(17, ThemeBoxId::counter));
    EXPECT_FALSE(logic::ThemeBoxHelp(0, ThemeBoxId::counter));
}

TEST_F(EventsTest, GraveyardsCurseTheirNeighbourCitiesOnlyWhileExactlyActive) {
    PlaceSite(1, 1, 6, 6);  // the city
    SetTheme(9);
    EXPECT_FALSE(logic::CityCursed(1));
    const int dx[4] = {1, -1, 0, 0}, dy[4] = {0, 0, 1, -1};
    for (int d = 0; d < 4; ++d) {
        PlaceSite(2, -2, 6 + dx[d], 6 + dy[d]);
        EXPECT_TRUE(logic::CityCursed(1)) << d;
    }
    // Active 2 pays taxes as usual; a removed graveyard too.
    Site(2)[S::active] = 2;
    EXPECT_FALSE(logic::CityCursed(1));
    Site(2)[S::active] = 0;
    EXPECT_FALSE(logic::CityCursed(1));
    // A diagonal field, a place that is no theme site, or another theme: no curse.
    PlaceSite(2, -1, 7, 7);
    EXPECT_FALSE(logic::CityCursed(1));
    PlaceSite(2, 8, 6, 5);
    EXPECT_FALSE(logic::CityCursed(1));
    PlaceSite(2, -1, 6, 5);
    SetTheme(16);
    EXPECT_TRUE(logic::CityCursed(1));
    SetTheme(12);
    EXPECT_FALSE(logic::CityCursed(1));
    EXPECT_FALSE(logic::CityCursed(0));
    EXPECT_FALSE(logic::CityCursed(11));
}

TEST_F(EventsTest, TheCurseComesBackRarelyAndToTheLastRemovedThemeSite) {
    SetTheme(16);
    PlaceSite(3, -1, 2, 2);
    PlaceSite(7, -2, 3, 2);
    PlaceSite(8, 8, 4, 2);
    for (int row : {3, 7, 8})
        Site(row)[S::active] = 0;
    state::SeedRandom(7);
    int returns = 0;
    for (int i = 0; i < 100000; ++i) {
        const int row = logic::MaybeReturnCurse();
        if (row == 0) continue;
        ++returns;
        EXPECT_EQ(row, 7);
        EXPECT_EQ(Site(7)[S::active], 1);
        EXPECT_EQ(hooks.calls.back(), "DrawSiteIcon 7");
        Site(7)[S::active] = 0;
    }
    // 5 in 10000.
    EXPECT_GT(returns, 20);
    EXPECT_LT(returns, 100);
    EXPECT_EQ(Site(3)[S::active], 0);
    EXPECT_EQ(Site(8)[S::active], 0);
    SetTheme(6);
    for (int i = 0; i < 20000; ++i)
        EXPECT_EQ(logic::MaybeReturnCurse(), 0);
}

// In the cursed themes the last removed theme site returns on a draw below 5 of 10000: 5 and
// 9999 bring nothing back, 4 and 0 do; other themes draw nothing.
TEST_F(EventsTest, TheCurseReturnsOnADrawBelow5Of10000) {
    for (const int themeNumber : {9, 16}) {
        SetTheme(themeNumber);
        PlaceSite(7, -2, 3, 2);
        Site(7)[S::active] = 0;
        state::ScriptedDraws draws;
        draws.Then(10000, {5, 9999, 4, 0});
        EXPECT_EQ(logic::MaybeReturnCurse(), 0) << themeNumber;
        EXPECT_EQ(logic::MaybeReturnCurse(), 0) << themeNumber;
        EXPECT_EQ(Site(7)[S::active], 0);
        EXPECT_EQ(logic::MaybeReturnCurse(), 7) << themeNumber;
        EXPECT_EQ(Site(7)[S::active], 1);
        Site(7)[S::active] = 0;
        EXPECT_EQ(logic::MaybeReturnCurse(), 7) << themeNumber;
        EXPECT_EQ(draws.Taken(10000), 4);
    }
    SetTheme(6);
    Site(7)[S::active] = 0;
    state::ScriptedDraws draws;
    draws.Then(10000, {0});
    EXPECT_EQ(logic::MaybeReturnCurse(), 0);
    EXPECT_EQ(draws.Taken(10000), 0);
    EXPECT_EQ(Site(7)[S::active], 0);
}

TEST_F(EventsTest, TheSiegeHoldsTaxesWhileTheGateSiteIsActive) {
    SetTheme(12);
    EXPECT_FALSE(logic::SiegeHoldsTaxes());
    PlaceSite(4, -1, 5, 5);
    EXPECT_TRUE(logic::SiegeHoldsTaxes());
    SetTheme(11);
    EXPECT_FALSE(logic::SiegeHoldsTaxes());
    SetTheme(12);
    Site(4)[S::kind] = -2;
    EXPECT_FALSE(logic::SiegeHoldsTaxes());
    Site(4)[S::kind] = -1;
    Site(4)[S::active] = 0;
    EXPECT_FALSE(logic::SiegeHoldsTaxes());
}

}  // namespace
}  // namespace eventtest
