// The one game state of the program: every table and single value the game reads and writes.
//
// The members are the game's tables in lower camel case (`lord` is the table Lord, ...); the
// slot names of each table are in the header next to it (state/lord.h, state/army.h, ...).
// Game code indexes with the game's numbers, starting at 1:
//
//     state::GameState& g = state::G();
//     g.lord[p][state::Lord::gold] += 100;
//     g.field[x][y][state::Field::owner] = p;
//
// Rows of a table that starts at 1 keep an unused row 0 in storage; only Army, MonsterTable,
// MonsterText, ItemTable and ItemText use theirs.
#pragma once

#include <string>
#include <vector>

#include "state/army.h"
#include "state/battle_tables.h"
#include "state/field.h"
#include "state/hero.h"
#include "state/hero_gear.h"
#include "state/hero_skill.h"
#include "state/item_table.h"
#include "state/lord.h"
#include "state/map_site.h"
#include "state/monster_table.h"
#include "state/opponent.h"
#include "state/room.h"
#include "state/scenario_settings.h"
#include "state/spawn_field.h"
#include "state/tables.h"

namespace state {

struct GameState {
    // Lords and armies.
    Records<1, 4> lord;
    Records<0, 4> army;
    Records<1, 4> hero;
    Names<4> heroName;
    Names<4> realmName;
    Grid<4, 4> heroGear;  // [lord][gear slot]; gear slot 0 is scratch space
    Records<1, 4> heroSkill;

    // The map.
    Grid<Field::kColumns, Field::kRows> field;
    Matrix<Field::kColumns, Field::kRows> aiFieldScore;
    Records<1, 10> mapSite;
    Records<1, 10> spawnField;
    Values<100> mapSetting;
    Values<100> modSetting;
    Names<10> modText;

    // Catalogues read from the scenario.
    Records<0, 100> monsterTable;
    Texts<0, 100> monsterText;
    Records<0, 500> itemTable;
    Texts<0, 500> itemText;

    // Dungeons.
    Grid<Room::kColumns, Room::kRows, 100, 1> room;
    Records<1, 7> dungeonPickup;
    Grid<100, 7> storedDungeonPickup;  // [dungeon][pickup row]
    Values<100> opponent;

    // Battles.
    Records<1, 100, 3> troopType;
    Records<1, 3> battleOrdersOwn;
    Records<1, 3> battleOrdersFoe;
    Values<100> battleOwnSide;  // not saved
    Values<100> battleFoeSide;  // not saved

    // Computer lords' path lists.
    Records<1, 48> aiPlanA;
    Records<1, 48> aiPlanB;

    // Part of every saved game, otherwise only cleared.
    Values<4> reservedA;
    Texts<1, 30> reservedText;
    Grid<100, 7, 5> reservedB;

    // Single values kept in saved games.
    Int currentLord = 1;
    Int dungeonLord = 1;
    Int dungeonTurn = 0;
    Int inDungeon = 0;
    Int playedScenario = 0;

    // Single values kept in the progress file.
    Int scenariosUnlocked = 0;
    Int difficultyUnlocked = 0;
    Int startCount = 0;
    bool soundOn = false;
    bool musicOn = false;
    bool hintsOn = false;

    // Run-time values, never saved in the tables.
    // The round of the running game, counted from 1 as the turn passes from the last lord back
    // to the first; kept in a slot's small file beside the tables, and -1 when it is not known
    // (a game loaded from a slot saved without that file).
    Int round = -1;
    bool gameOver = false;
    bool returnToMenu = false;
    bool battleStarted = false;
    Int battleHumanLord = 0;
    Int battleOtherLord = 0;
    bool enteringDungeon = false;
    bool tutorialOn = false;
    Int tutorialStep = 0;  // 0 to 57; an awaited action moves it on by one
    Int dialogAnswer = 0;  // 1 after the Yes button of the yes/no dialog
    bool dungeonMayClose = false;
    bool musicStopping = false;
    bool battleOver = false;
    // The last strikes of the interactive battle as its panel shows them, the oldest first.
    std::vector<std::string> battleLog;
    BattleClock battleClock;
    Int selectedFormation = 0;  // the command set open on the modify screen, 0 none
    // The dungeon's run-time values. EquippedSlot is the backpack slot of the equipped weapon
    // (0 none); it belongs to the running program, not to a game, so no reset touches it.
    Int equippedSlot = 0;
    bool floorGenerated = false;
    bool duelShown = false;  // the duel panel lies over the dungeon board
    Int coolDownStep = 0;    // hourglass steps since the hero's last action
    Int oppFlashStep = 0;    // steps of the opponent's hit flash still to show
    // The computer lords: the human has been told of a magic portal in this game, and the
    // movement target of the last decision step (shown on the status screen).
    bool portalNoticeShown = false;
    Int aiTargetX = 0;
    Int aiTargetY = 0;
    Int aiTargetValue = 0;
};

// The program's game state, created on first use and alive for the whole run.
GameState& G();

}  // namespace state
