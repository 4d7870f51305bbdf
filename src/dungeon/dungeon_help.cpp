// The dungeon window's hover texts and right-click help windows.
#include "dungeon/dungeon_help.h"

#include <algorithm>
#include <iterator>

#include "dungeon/duel.h"
#include "dungeon/hero_access.h"
#include "rules/dialogs.h"

namespace logic {

namespace {

struct HelpText {
    DungeonControl control;
    const char* hover;
    const char* title;  // of the right-click window, or nullptr
    const char* text;
};

constexpr const char* kHeroTitle = "Help mode: Your hero";
constexpr const char* kHeroText =
    "This is the picture of the hero or lord that you are playing in this game.";

constexpr HelpText kHelp[] = {
    {DungeonControl::HeroPicture, "This is the picture of your hero (for more info right-click).",
     kHeroTitle, kHeroText},
    {DungeonControl::BoardHero, "", kHeroTitle, kHeroText},
    {DungeonControl::Level, "This is your hero level (for more info right-click).",
     "Help mode: Your hero level",
     "This is your hero level. The higher the level the more experienced your hero is. You can "
     "rise in level by gathering experience points in dungeons. There are up to 8 hero levels."},
    {DungeonControl::Health,
     "This is the amount of health your hero has left (for more info right-click).",
     "Help mode: Health",
     "This is the amount of health your hero has left. If it drops to 0 you are dead and will be "
     "resurrected at your castle (losing all gold gathered in the dungeon so far)."},
    {DungeonControl::Experience,
     "This is the experience points left until the next hero level (for more info right-click).",
     "Help mode: Experience",
     "This displays the amount of experience required to the next hero level. You can get "
     "experience by slaying monsters."},
    {DungeonControl::Gold, "Your money (gold coins) (for more info right-click).",
     "Help mode: Money",
     "This is the amount of money (\"gold\", \"gold pieces\", \"gp\") you have in your "
     "treasury."},
    {DungeonControl::Rations, "Food can be used for healing (for more info right-click).",
     "Help mode: Food",
     "If you eat food (see the button at the left bottom part of the screen) you can regenerate "
     "some health. The amount of food available is limited, but will be restocked if you enter a "
     "dungeon."},
    {DungeonControl::WeaponSlot,
     "You can equip weapons by left-clicking them in your backpack and choosing \"Use weapon\" in "
     "the popup.",
     nullptr, nullptr},
    {DungeonControl::BackpackSlot, "One of the items in your backpack (for more info right-click).",
     nullptr, nullptr},
    {DungeonControl::Eat, "Eating will regenerate your health (for more info right-click).",
     nullptr, nullptr},
    {DungeonControl::Leave, "You may leave a dungeon at any time (for more info right-click).",
     nullptr, nullptr},
    {DungeonControl::Options, "Hereyou can save/load a game, etc. (for more info right-click).",
     nullptr, nullptr},
    {DungeonControl::Thrust,
     "The \"Thrust\" Attack has a high chance of hitting, but will cause not much damage.", nullptr,
     nullptr},
    {DungeonControl::Slash,
     "The \"Slash\" Attack has a moderate chance of hitting and will cause moderate damage.",
     nullptr, nullptr},
    {DungeonControl::Smash,
     "The \"Smash\" Attack has a low chance of hitting, but will cause a great amount of damage.",
     nullptr, nullptr},
    {DungeonControl::HeroicLabel,
     "The heroic move ability is activated randomly and will give you an edge over your enemy.",
     nullptr, nullptr},
    {DungeonControl::Strike,
     "The \"Strike\" attack always hits and causes an incredible amount of damage.", nullptr,
     nullptr},
    {DungeonControl::Heal, "The \"Heal\" action will regenerate some of your health immediately.",
     nullptr, nullptr},
    {DungeonControl::Retreat, "Sometimes it is wise to retreat before you are killed.", nullptr,
     nullptr},
    {DungeonControl::OpponentHealth, "This is the amount of health the enemy has left.", nullptr,
     nullptr},
    {DungeonControl::OpponentLevel, "This is the level of your enemy.", nullptr, nullptr},
};

const HelpText* Find(DungeonControl control) {
    const auto* it = std::find_if(std::begin(kHelp), std::end(kHelp),
                                  [control](const HelpText& h) { return h.control == control; });
    return it == std::end(kHelp) ? nullptr : it;
}

}  // namespace

std::string DungeonHoverText(DungeonControl control) {
    const HelpText* h = Find(control);
    return h == nullptr ? "" : h->hover;
}

void DungeonRightClickHelp(DungeonControl control) {
    const HelpText* h = Find(control);
    if (h == nullptr || h->title == nullptr) return;
    // The help window is modal: a duel waits while it is open.
    DuelPause pause;
    UI().ShowHelp(HeroPicture(HeroLord()), h->title, h->text);
}

}  // namespace logic
