// The theme lines of the scenario sheet and of the preview.
#include <gtest/gtest.h>

#include "events/theme_sheet_lines.h"

namespace {

TEST(ThemeSheetLines, SheetAndPreviewLinesByScenarioNumber) {
    EXPECT_FALSE(logic::SheetThemeFor(0));
    EXPECT_FALSE(logic::SheetThemeFor(20));
    for (int n : {-1, 0, 1, 20})
        EXPECT_FALSE(logic::PreviewThemeFor(n)) << n;
    const auto one = logic::SheetThemeFor(1);
    ASSERT_TRUE(one && one->theme2);
    EXPECT_EQ(one->theme2->text, "Theme: Dragon eggs will calm the dragon!");
    const auto fourteen = logic::SheetThemeFor(14);
    ASSERT_TRUE(fourteen && fourteen->theme2);
    EXPECT_EQ(fourteen->monsters.picture, "m1_scorpion.jpg");
    EXPECT_EQ(fourteen->monsters.text, "Dungeon monsters: Orcs && cohorts!");
    EXPECT_EQ(fourteen->theme2->picture, "m2_efreet.jpg");
    const auto eighteen = logic::SheetThemeFor(18);
    ASSERT_TRUE(eighteen);
    EXPECT_FALSE(eighteen->theme2);
    EXPECT_EQ(eighteen->theme1.text, "Theme: Sword of Nara\u00b4gul");
    // The preview of 9 pairs the scorpion with the undead line.
    const auto nine = logic::PreviewThemeFor(9);
    ASSERT_TRUE(nine);
    EXPECT_EQ(nine->monsters.picture, "prev_scorpion.jpg");
    EXPECT_EQ(nine->monsters.text, "Dungeon monsters: Undeads!");
    EXPECT_EQ(nine->theme.picture, "prev_village1_y.jpg");
    const auto two = logic::PreviewThemeFor(2);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->theme.text, "Theme: Ally with the orcs or fight them!");
    EXPECT_EQ(logic::PreviewThemeFor(19)->theme.picture, "m1_arena.jpg");
}

}  // namespace
