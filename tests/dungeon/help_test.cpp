// The dungeon window's help texts: hover texts and the right-click windows.
#include "dungeon/dungeon_fixture.h"
#include "dungeon/dungeon_help.h"

namespace dungeontest {
namespace {

using logic::DungeonControl;

TEST_F(DungeonTest, HoverTextsAndRightClickWindowsOfTheDungeonScreen) {
    EXPECT_EQ(logic::DungeonHoverText(DungeonControl::Options),
              "Hereyou can save/load a game, etc. (for more info right-click).");
    EXPECT_EQ(logic::DungeonHoverText(DungeonControl::WeaponSlot),
              "You can equip weapons by left-clicking them in your backpack and choosing \"Use "
              "weapon\" in the popup.");
    EXPECT_EQ(logic::DungeonHoverText(DungeonControl::Smash),
              "The \"Smash\" Attack has a low chance of hitting, but will cause a great amount of "
              "damage.");
    logic::DungeonRightClickHelp(DungeonControl::Gold);
    EXPECT_EQ(dialogs.Last().kind, "TFHelpMessage");
    EXPECT_EQ(dialogs.Last().title, "Help mode: Money");
    EXPECT_EQ(dialogs.Last().text,
              "This is the amount of money (\"gold\", \"gold pieces\", \"gp\") you have in your "
              "treasury.");
    logic::DungeonRightClickHelp(DungeonControl::BoardHero);
    EXPECT_EQ(dialogs.Last().title, "Help mode: Your hero");
    const size_t shown = dialogs.Shown().size();
    logic::DungeonRightClickHelp(DungeonControl::Eat);  // no right-click window
    EXPECT_EQ(dialogs.Shown().size(), shown);
}

}  // namespace
}  // namespace dungeontest
