#include "screens/campaign_help.h"

#include <iterator>

namespace screens {

namespace {

constexpr HoverHelp kHover[] = {
    {"SpeedButton1", 16, 243, 1, "Hire new troops (for more info right-click)."},
    {"SpeedButton5", 88, 243, 3, "Build and upgrade your castle (for more info right-click)."},
    {"SpeedButton2", 160, 243, 4, "Teleport back to your castle (for more info right-click)."},
    {"SpeedButton6", 16, 331, 2, "Save/Load a game, etc. (for more info right-click)."},
    {"SpeedButton4", 112, 331, 6, "Skip a turn - not recommended (for more info right-click)."},
    {"Image76", 16, 131, 7, "This is the picture of your hero (for more info right-click)."},
    {"Image23", 40, 131, 8, "This is your hero level (for more info right-click)."},
    {"Image12", 40, 491, 0, "Your money (gold coins) (for more info right-click)."},
    {"Label2", 40, 491, 0, "Your money (gold coins) (for more info right-click)."},
    {"Image662", 208, 491, 0, "Honor points available (for more info right-click)."},
    {"Label16", 208, 491, 0, "Honor points available (for more info right-click)."},
    {"Image663", 272, 491, 0, "Wood resources available (for more info right-click)."},
    {"Label14", 272, 491, 0, "Wood resources available (for more info right-click)."},
    {"Image664", 384, 491, 0, "Iron resources available (for more info right-click)."},
    {"Image665", 488, 491, 0, "Stone resources available (for more info right-click)."},
    {"Label22", 488, 491, 0, "Stone resources available (for more info right-click)."},
    {"Image666", 592, 491, 0, "Gems resources available (for more info right-click)."},
    {"Label21", 592, 491, 0, "Gems resources available (for more info right-click)."},
    {"Image31", 680, 11, 0,
     "Number of soldiers batallions in your army (for more info right-click)."},
    {"Label9", 680, 11, 0,
     "Number of soldiers batallions in your army (for more info right-click)."},
    {"Image32", 680, 91, 0,
     "Number of elephant or cavarly batallions in your army (for more info right-click)."},
    {"Label11", 680, 91, 0,
     "Number of elephant or cavarly batallions in your army (for more info right-click)."},
    {"Image33", 680, 171, 0,
     "Number of archer batallions in your army (for more info right-click)."},
    {"Label10", 680, 171, 0,
     "Number of archer batallions in your army (for more info right-click)."},
    {"Image66", 680, 251, 0,
     "Number of cannon batallions in your army (for more info right-click)."},
};

constexpr const char* kHelpOptions =
    "In the options menu you can save and load a game, switch the sound effects and the music on "
    "or off, and return to the main menu.";

constexpr RightClickHelp kRightClick[] = {
    {"SpeedButton1", "Help mode: Hire troops",
     "If you click on this button a new window will pop up allowing you to hire troops. To hire "
     "troops you first need to build the specific buildings (e.g. barracks for hiring soldiers)."},
    {"SpeedButton5", "Help mode: Build",
     "In this menu you can build new buildings and upgrade your castle."},
    {"SpeedButton2", "Help mode: Portal",
     "This will allow you to open a magic portal to your castle. It is very useful if an enemy has "
     "come close to your castle and you want to return fast."},
    {"SpeedButton6", "Help mode: Options", kHelpOptions},
    {"SpeedButton4", "Help mode: Skip turn",
     "It is not recommended to spend even a single turn uselessly, but if you wish to do so, you "
     "can click on this button."},
    {"Image12", "Help mode: Money",
     "This is the amount of money (\"gold\", \"gold pieces\", \"gp\") you have in your treasury."},
    {"Image662", "Help mode: Honor",
     "This is the amount of honor you have. You need honor for specific actions during the game. "
     "It can be gathered by honorful deeds and mostly by completing dungeons."},
    {"Image663", "Help mode: Wood",
     "This displays the amount of wood you have. Wood can be used to make money by trading (buying "
     "cheap and selling high) or to build buildings."},
    {"Image664", "Help mode: Iron",
     "This displays the amount of iron you have. Iron can be used to make money by trading (buying "
     "cheap and selling high) or to build buildings."},
    {"Image665", "Help mode: Stones",
     "This displays the amount of stones you have. Stones can be used to make money by trading "
     "(buying cheap and selling high) or to build buildings."},
    {"Image666", "Help mode: Gems",
     "This displays the amount of gems you have. Gems can be used to make money by trading (buying "
     "cheap and selling high) or to build buildings."},
    {"Image31", "Help mode: Soldiers",
     "Soldiers are the workhorses of every army and the first to take damage."},
    {"Image32", "Help mode: Elephants",
     "They are formidable melee units however the real strength of the elephant cavalry - like all "
     "fast melee units - is to be able to flank melee units and attack range units directly."},
    {"Image33", "Help mode: Archers",
     "Archers can hit every unit on the battlefield, but they cannot take much damage."},
    {"Image66", "Help mode: Cannons",
     "Cannons can cause much damage on the battlefield and are required to attack castles with "
     "walls. They are long-range units and are the very last to take damage in a battle."},
    {"Image76", "Help mode: Your hero",
     "This is the picture of the hero or lord that you are playing in this game."},
    {"Image23", "Help mode: Your hero level",
     "This is your hero level. The higher the level the more experienced your hero is. You can "
     "rise in level by gathering experience points in dungeons. There are up to 8 hero levels."},
    {"Image18", "Help mode: Time",
     "This displays the moves left until your turn is completed. You may move one field or until a "
     "special event happens."},
};

template <class T, size_t N>
const T* FindIn(const T (&table)[N], const std::string& control) {
    for (const T& row : table) {
        if (control == row.control) return &row;
    }
    return nullptr;
}

}  // namespace

const HoverHelp* FindHoverHelp(const std::string& control) {
    return FindIn(kHover, control);
}

const RightClickHelp* FindRightClickHelp(const std::string& control) {
    return FindIn(kRightClick, control);
}

}  // namespace screens
