// The 57 tutorial steps with their panels, as the player reads them.
#include "rules/tutorial_table.h"

#include <array>

namespace logic {

namespace {

using S = TutorialScreen;
using C = TutorialContinue;
using E = TutorialExtra;

constexpr std::array<TutorialStepRow, kTutorialLastStep> kSteps = {{
    {1, S::scenarioList, "Tutorial: #1",
     "Welcome to your first game! Only a few scenarios can be played at first; each scenario you "
     "win unlocks the next one.",
     "Click on \"Desert Of Darkness\"", C::none, E::none},
    {2, S::sheet, "Tutorial #2:",
     "On this screen it is possible to change some of the game settings, like which faction you "
     "want to play, your name, etc. We do not need to make any changes.",
     "Click on \"Start the gane\"", C::none, E::none},
    {3, S::strategic, "Tutorial: #3",
     "This is the strategy screen. Here you manage your army, upgrade your castle and explore the "
     "realm. To the left you can see the picture of your hero/lord and his level. The hero level "
     "determines his skill && experience.",
     "", C::strategic, E::none},
    {4, S::strategic, "Tutorial: #4",
     "To the left you can see some of the actions you can take on this screen. You can get an "
     "explanation of their use by moving your cursor on them and/or right-clicking them. We will "
     "use some of them later.",
     "", C::strategic, E::none},
    {5, S::strategic, "Tutorial: #5",
     "At the bottom of the screen you can see the amount of gold you own (you start with 1000), "
     "your honor and the other resources. You will need those to hire soldiers, upgrade your "
     "castle and other actions.",
     "", C::strategic, E::none},
    {6, S::strategic, "Tutorial: #6",
     "To the right you can see the amount and kinds of troops you have in your army.", "",
     C::strategic, E::none},
    {7, S::strategic, "Tutorial: #7",
     "The blinking arrow is pointing at your castle and your army. Your army is right now guarding "
     "your castle. Without the army the castle is without protection and could easily be "
     "conquered.",
     "", C::strategic, E::none},
    {8, S::strategic, "Tutorial: #8",
     "Now the blinking arrow is pointing at your enemies castle. You win the game if you move your "
     "army on the enemy castle and win the battle against the defenders.",
     "", C::strategic, E::none},
    {9, S::strategic, "Tutorial: #9",
     "Before a castle is lost however both lords need to duel each other in a fight to the death "
     "on the top of the castle walls. Another reason to increase your hero level.",
     "", C::strategic, E::none},
    {10, S::strategic, "Tutorial: #10",
     "Good. Now we will start collecting some resources. Please move to the wood resource below "
     "your army by clicking on the colored rectangles surrounding your army.",
     "Move your army to the wood.", C::none, E::none},
    {11, S::strategic, "Tutorial: #11",
     "Excellent. Now we have gotten some wood. Lets take a look at what we are still missing to "
     "build the first building  - barracks. ",
     "Click on \"Build\"", C::none, E::none},
    {12, S::castle, "Tutorial: #12",
     "On this screen you can upgrade your castle. The first building we need is the \"barrack\". "
     "This will make it possible for you to hire soldiers.",
     "Click on \"Barracks\"", C::none, E::none},
    {13, S::castle, "Tutorial: #13",
     "Lets see...you will need 1000 gold, 1 honor, 2 wood and 2 iron. You have already gotten the "
     "gold and two wood resources. Lets go and find the rest!",
     "Click on \"Back\"", C::none, E::none},
    {14, S::strategic, "Tutorial: #14",
     "Lets first find the iron resources. The blinking arrow marks it for you on the strategy map. "
     "Move your army to this location by clicking on the colored rectangles.",
     "Move your army to the iron.", C::none, E::none},
    {15, S::strategic, "Tutorial: #15",
     "Perfect. We still need one honor point. You can get honor points by doing honorful deeds "
     "including crawling dungeons. Lets go and find && enter a dungeon!",
     "Move your army to the dungeon.", C::none, E::none},
    {16, S::dungeon, "Tutorial: #16",
     "You entered a dungeon. Evil creatures, puzzles and other exciting dangers await you! But "
     "lets first explain the interface to you. The blinking arrow marks your hero.",
     "", C::dungeon, E::none},
    {17, S::dungeon, "Tutorial: #17",
     "At your right you can find your health status (blue vessel). If your health vessel is empty "
     "you are dead or almost dead. Death is not final. You will be resurrected at your castle and "
     "only lose the gold you gathered.",
     "", C::dungeon, E::none},
    {18, S::dungeon, "Tutorial: #18",
     "Beside it the golden vessel shows your experience. Slaying monsters fills it; when it is "
     "full your hero rises to the next level and grows stronger. The highest level a hero can "
     "reach is 8.",
     "", C::dungeon, E::none},
    {19, S::dungeon, "Tutorial: #19",
     "This displays the amount of provisions left. By eating provisions (see the button at the "
     "bottom left) you can regenerate some health.",
     "", C::dungeon, E::none},
    {20, S::dungeon, "Tutorial: #20",
     "A dungeon event ends when you have found and killed the boss monster. The reward will be the "
     "chance to get a valuable treasure and honor points. However you can always \"leave\" the "
     "Dungeon.",
     "", C::dungeon, E::none},
    {21, S::dungeon, "Tutorial: #21",
     "At the right you can see the weapon you have equipped and the items in your backpack (up to "
     "4). Items and weapons can be used or equipped by left-clicking on them.",
     "", C::dungeon, E::none},
    {22, S::dungeon, "Tutorial: #22", kTutorialItemKindsIntro, "", C::none, E::itemKinds},
    {23, S::dungeon, "Tutorial: #23", kTutorialItemExampleIntro, "", C::none, E::itemExample},
    {24, S::dungeon, "Tutorial: #24",
     "Lets try it out! We will now give you an item. You should NOT sell it, but instead choose "
     "\"Keep for yourself\".",
     "", C::dungeon, E::none},
    {25, S::foundItem, "Tutorial: #24",
     "Lets try it out! We will now give you an item. You should NOT sell it, but instead choose "
     "\"Keep for yourself\".",
     "", C::none, E::none},
    {26, S::dungeon, "Tutorial: #26", kTutorialItemExampleAgain, "", C::none, E::itemExample},
    {27, S::dungeon, "Tutorial: #27",
     "Good. You got your first item. Of course its very weak, but it will help you in the coming "
     "battles anyway. Now lets move to something even more exciting...exploring!",
     "", C::dungeon, E::none},
    {28, S::dungeon, "Tutorial: #28",
     "Its time to enter the first new room. You do not know whats behind the door. Lets go and "
     "find out!",
     "Click on the marked green rectangle", C::none, E::none},
    {29, S::dungeon, "Tutorial: #29",
     "This is the combat screen. At the left you can see the enemy you fight against, its health "
     "vessel and monster level.",
     "", C::dungeon, E::none},
    {30, S::dungeon, "Tutorial: #30",
     "You have to attack the enemy. The first option is the \"thrust\". The chance to hit is "
     "higher, but the damage dealt is lower.",
     "", C::dungeon, E::none},
    {31, S::dungeon, "Tutorial: #31",
     "\"Slice\" will have an average chance to hit and cause average damage.", "", C::dungeon,
     E::none},
    {32, S::dungeon, "Tutorial: #32",
     "\"Smash\" will have a lower chance to hit, but will deal a lot more damage.", "", C::dungeon,
     E::none},
    {33, S::dungeon, "Tutorial: #33",
     "If you hit the enemy there is a chance that you get a \"heroic special move\". The first one "
     "is a very powerful strike that always hits.",
     "", C::dungeon, E::none},
    {34, S::dungeon, "Tutorial: #34", "\"Heal\" will restore some of your lost health.", "",
     C::dungeon, E::none},
    {35, S::dungeon, "Tutorial: #35", "\"Retreat\" makes it possible for you to flee from a fight.",
     "", C::dungeon, E::none},
    {36, S::dungeon, "Tutorial: #36",
     "We have given you a heal potion for tutorial purposes. You can use it if you are low on "
     "health by clicking on it.",
     "", C::dungeon, E::none},
    {37, S::dungeon, "Tutorial: #37",
     "Now it is up to you to win this fight. The tutorial will continue if this enemy is slain. "
     "The combat will be in real-time so the enemy will strike at you if you hesitate! Time is "
     "precious!",
     "", C::dungeon, E::none},
    {38, S::none, "", "", "", C::none, E::none},
    {39, S::dungeon, "Tutorial: #38",
     "Very good! You defeated your first monster! You now know everything you need to know to "
     "crawl dungeons. Search all rooms in this dungeon for the boss monster and kill it. "
     "Afterwards this tutorial will continue.",
     "", C::dungeon, E::none},
    {40, S::none, "", "", "", C::none, E::none},
    // The text of step 41 depends on how the dungeon ended (TutorialStepText).
    {41, S::strategic, "Tutorial: #40", kTutorialDungeonDone, "", C::strategic, E::none},
    {42, S::strategic, "Tutorial: #41",
     "Lets go and build barracks. With barracks we can hire soldiers!", "Click on \"Build\"",
     C::none, E::none},
    {43, S::castle, "Tutorial: #42",
     "On this screen you can upgrade your castle. The barracks are at the upper left.",
     "Click on \"Barracks\"", C::none, E::none},
    {44, S::castle, "Tutorial: #43",
     "Fine! We got all resources we need, so lets go and build the barracks!", "Click on \"Build\"",
     C::none, E::none},
    {45, S::castle, "Tutorial: #44", "Perfect! Lets leave this menu now and hire some soldiers!",
     "Click on \"Back\"", C::none, E::none},
    {46, S::strategic, "Tutorial: #45",
     "Now we should hire some soldiers. You possibly do not have enough money, so we will give you "
     "some additional gold to speed it up.",
     "Click on \"Hire\"", C::none, E::none},
    {47, S::hire, "Tutorial: #46",
     "Please hire at least two additional soldiers. The purpose of soldiers is to be the first "
     "line of defense and take damage. ",
     "Click on \"Hire\"", C::none, E::none},
    {48, S::hire, "Tutorial: #47", "Thats the way to do it! Now lets go and conquer something!",
     "Click on \"Back\"", C::none, E::none},
    {49, S::strategic, "Tutorial: #48",
     "Now we will conquer a town. Your own town will open up many new interesting options. "
     "Afterwards a menu will pop up. Please select \"Conquer\" at the top!",
     "Move to the marked town.", C::none, E::none},
    {50, S::city, "Tutorial: #49", "Lets attack them! We need their city!",
     "Please click on \"Conquer\".", C::none, E::none},
    {51, S::strategic, "Tutorial: #50",
     "This is the battle screen. Your army will fight under your command against other armies. At "
     "the left you can see your own faction logo. The health vessel below is used to symbolize "
     "the strength of your army.",
     "", C::strategic, E::none},
    {52, S::strategic, "Tutorial: #51",
     "At your right you can see the enemy army and its \"health vessel\".", "", C::strategic,
     E::none},
    {53, S::strategic, "Tutorial: #52",
     "If you move your mouse on the picture of the enemy faction logo you will get a display of "
     "the exact number of enemy soldiers. The same works with your faction logo and your army of "
     "course.",
     "", C::strategic, E::none},
    {54, S::strategic, "Tutorial: #53",
     "The higher your hero level the higher the battle bonus will be. A reason for leveling up "
     "fast!",
     "", C::strategic, E::none},
    {55, S::strategic, "Tutorial: #54",
     "These are your battle orders. You can give a new order at any time during the battle.", "",
     C::strategic, E::battleOrders},
    {56, S::strategic, "Tutorial: #55",
     "Good. Now you know everything you need to know to fight this battle! Conquer the city, it "
     "is almost yours my Lord! The tutorial will continue after that.",
     "", C::strategic, E::none},
    {57, S::strategic, "Tutorial: The End",
     "Great! At cities you can collect taxes or trade. Now it is time to end this tutorial and "
     "leave you to explore the exciting world of Marchholt. Enjoy!",
     "", C::strategic, E::none},
}};

}  // namespace

const TutorialHeadedText kTutorialItemKinds[3] = {
    {"#1: Slash/Smash weapons",
     "Swords, axes and hammers. Equipped, they make \"Smash\" deal three times the damage against "
     "most monsters, but \"Thrust\" hits less often and less hard."},
    {"#2: Thrust/Pierce weapon",
     "Spears, daggers and bows. Equipped, they make \"Thrust\" hit much more often, while "
     "\"Slice\" and \"Smash\" lose some of their damage."},
    {"#3: Other items",
     "Rings, amulets, potions and the like. Carried in the backpack they add their abilities to "
     "every attack; a potion is used by clicking on it."},
};

const char* const kTutorialItemExampleLines[7] = {
    "Kind: a Slash/Smash weapon, a Thrust/Pierce weapon or an other item.",
    "Abilities strength: how strong each ability of the item is.",
    "Hit %: Hit chance increase",
    "Damage: Damage increase",
    "Health+: Increase max. health",
    "Heal: Regenerate health",
    "Item level: made for heroes of about this level.",
};

const TutorialHeadedText kTutorialOrderLines[4] = {
    {"Attack order",
     "Standard attack. Melee and range units attack, fast melee units protect vs. flanking "
     "attacks."},
    {"Flank order", "Fast melee units will attack the enemy range units directly."},
    {"Defend order",
     "Melee and range units get +50% defense vs. enemy range and -25% attack, fast melee units "
     "defend vs. flanking attacks."},
    {"Modify", "Modify the three orders to your custom style with the \"Modify..\" button."},
};

const TutorialStepRow* FindTutorialStep(int step) {
    if (step < 1 || step > kTutorialLastStep) return nullptr;
    return &kSteps[static_cast<std::size_t>(step - 1)];
}

}  // namespace logic
