// The tutorial's steps as data: on which screen each step shows its panel, the panel's title,
// text and action line, and whether the step waits for a tutorial "Continue" button.
#pragma once

#include <string>

namespace logic {

inline constexpr int kTutorialLastStep = 57;

// The steps the rules wait at or arrange, named for what happens there.
namespace TutorialStep {
enum : int {
    introDone = 3,         // the strategic window's "Continue" after the introduction
    woodField = 10,        // the wood field lies on the map; picking it up moves on
    castleOpened = 11,     // the castle button
    barracksShown = 12,    // the barracks' details
    castleLeft = 13,       // leaving the castle window
    ironField = 14,        // the iron field; picking it up moves on
    dungeonField = 15,     // the dungeon field; the dungeon window moves on
    dungeonLesson = 16,    // from here the dungeon refuses moves and leaving
    itemExample = 24,      // its "Continue" offers an item
    keepItem = 25,         // keeping the offered item
    firstMove = 28,        // the first step in the dungeon; the duel begins here
    potion = 36,           // the heal potion; attacks are allowed from here
    monstersWait = 37,     // the monsters wait until this fight
    heroSurvived = 38,     // the duel ended without the hero's death
    dungeonEnds = 40,      // leaving the dungeon
    dungeonReward = 41,    // the honor after the dungeon
    castleAgain = 42,      // the castle button, the second time
    barracksAgain = 43,    // the barracks' details, topped up
    barracksBuilt = 44,    // the barracks are built
    castleLeftAgain = 45,  // leaving the castle window again
    hireOpened = 46,       // the hire button, with gold for hiring
    soldiersHired = 47,    // six soldier battalions
    hireLeft = 48,         // leaving the hire window
    cityEntered = 49,      // the army enters the city
    cityAttacked = 50,     // "Attack && Conquer"
    battleLesson = 51,     // from here the battle lesson refuses what it does not teach
    smallerEnemy = 52,     // the enemy of the battle shrinks
    battleOrders = 55,     // the battle orders are allowed from here
    battleWon = 56,        // the won battle; its "Continue" only hides the panel
};
}  // namespace TutorialStep

// The screens that show a tutorial panel.
enum class TutorialScreen {
    none,  // no panel (the step waits for something that happens without one)
    mainMenu,
    scenarioList,
    sheet,
    difficulty,
    strategic,
    castle,
    hire,
    city,
    choice,
    dungeon,
    foundItem,
};

// A panel of its own beside the screen's panel, with its own "Continue".
enum class TutorialExtra { none, itemKinds, itemExample, battleOrders };

// Which "Continue" moves a step on.
enum class TutorialContinue { none, strategic, dungeon };

struct TutorialStepRow {
    int step;
    TutorialScreen screen;
    const char* title;
    const char* text;
    const char* action;
    TutorialContinue continueButton;
    TutorialExtra extra;
};

// The row of a step from 1 to 57; nullptr outside.
const TutorialStepRow* FindTutorialStep(int step);

// The three texts of the panel after the first dungeon.
inline constexpr const char* kTutorialDungeonDone =
    "Wonderful! You completed your first dungeon! Now we should build the barracks, hire some "
    "soldiers and attack something - shall we?";
inline constexpr const char* kTutorialHeroDied =
    "Do not worry, you will soon get better. This tutorial has added 2 honor points so we can "
    "build barracks, hire soldiers and attack something.";
inline constexpr const char* kTutorialDungeonLeft =
    "You left the dungeon? Well, this way you will not get any honor points. This tutorial has "
    "added you 2 honor points anyway so we can build barracks.";

// The difficulty screen's panel while the new game of the tutorial waits for a level.
inline constexpr const char* kTutorialDifficultyTitle = "Tutorial #2:";
inline constexpr const char* kTutorialDifficultyText =
    "Choose how hard the game shall be. \"Very easy\" is a good start.";

// The texts of the extra panels: lines of a heading and its explanation.
struct TutorialHeadedText {
    const char* heading;
    const char* explanation;
};
inline constexpr const char* kTutorialItemKindsIntro =
    "The way items work in this game requires a bit of explanation. There are three kinds of "
    "items in the game:";
extern const TutorialHeadedText kTutorialItemKinds[3];
inline constexpr const char* kTutorialItemExampleIntro =
    "If you find an item, it will look similiar to this:";
inline constexpr const char* kTutorialItemExampleAgain =
    "Maybe you want to take a look at this again?";
extern const char* const kTutorialItemExampleLines[7];
extern const TutorialHeadedText kTutorialOrderLines[4];

}  // namespace logic
