// The tutorial's step machine: which step runs, the move to the next step when the awaited
// action happens, starting and ending, and the refusals that keep the player on the lesson.
#pragma once

#include <string>

#include "rules/tutorial_table.h"

namespace logic {

// What a screen shows for a step: its panel (or none), whether the panel's "Continue" button
// shows, an extra panel, and the map field the blinking arrow marks (0, 0 for none).
struct TutorialPanelView {
    int step = 0;
    TutorialScreen screen = TutorialScreen::none;
    std::string title, text, action;
    bool continueShown = false;
    TutorialExtra extra = TutorialExtra::none;
    int markX = 0, markY = 0;
};

// True while the tutorial runs and its step is `step`.
bool TutorialAt(int step);
// What a step arranges when the tutorial arrives at it, beyond the honor and gold granted here.
using TutorialArrangement = void (*)(int step);

// The awaited action of step `fromStep` happened: the tutorial goes on to the next step (only
// when it stands at `fromStep`), grants the honor after the dungeon (step 41) and the gold for
// hiring (step 46), lets `arrange` arrange what the step needs from the rules above (the fields
// on the map, the potion, the enemy of the battle) and shows the step's panel.
void AdvanceTutorial(int fromStep, TutorialArrangement arrange = nullptr);
// The panel of a step as it shows now (step 41's text depends on how the dungeon ended).
TutorialPanelView TutorialStepView(int step);

// "Start the tutorial": on, at step 1, with the scenario list's panel.
void StartTutorialSteps();
// Off, at step 0, every panel hidden.
void EndTutorial();
// The lord the tutorial teaches: the first human lord in the game (lord 1 without one).
int TutorialLord();
// The field the blinking arrow of a step marks; false when the step marks none.
bool TutorialMapMark(int step, int& x, int& y);
// The panel text after the first dungeon, by the lord's honor and the hero's health.
std::string TutorialDungeonEndText();

// The refusals while the tutorial stands in its dungeon and battle lessons.
bool TutorialRefusesDungeonMove();   // the four move fields before step 28
bool TutorialRefusesLeaving();       // leaving the dungeon before step 36
bool TutorialRefusesDuelAction();    // attacks and heroic actions before step 36
bool TutorialRefusesBattleOrders();  // battle orders before step 55
// The dungeon's monsters wait until the fight of step 37 has begun.
bool TutorialHoldsMonsters();

}  // namespace logic
