// What the strategic window draws of the map, worked out by the rules: which fields are drawn
// and with which picture, which are highlighted around the army, where the armies stand, which
// move targets show, and whose values the status bar shows. The window draws it as it stands.
#pragma once

#include <array>
#include <string>

namespace logic {

inline constexpr int kMapColumns = 12;
inline constexpr int kMapRows = 11;

struct MapFieldView {
    bool hidden = false;       // a field that is no land at all: its picture is hidden
    bool drawn = false;        // drawn anew (a redraw near the army leaves the others)
    int tile = 0;              // the picture's tile code
    bool highlighted = false;  // drawn as a move target
    bool beyondRange = false;  // in the human's turn: beyond its castle range (shaded)
};

struct MapArmyView {
    bool shown = false;
    int x = 0, y = 0;
    bool shared = false;  // another army stands on the same field: both are drawn small
};

struct MapTargetView {
    bool shown = false;
    int x = 0, y = 0;
    bool beyondRange = false;  // a step there is refused: marked
};

struct MapModel {
    int lord = 0;            // the lord whose turn the map shows (lord 1 when none is valid)
    bool humanTurn = false;  // the move targets and the status bar belong to this turn
    std::array<std::array<MapFieldView, kMapRows + 1>, kMapColumns + 1> fields{};  // [x][y]
    std::array<MapArmyView, 5> armies{};                                           // [lord]
    std::array<MapTargetView, 4> targets{};  // north, east, south, west of the army
    std::string turnLine;                    // "Round 12 - Blue's turn"
};

// The map as the window draws it: highlight marks the fields around the army of a lord that is
// not a computer lord, nearOnly redraws only the fields within two steps of the army (and of a
// computer lord's army only its own field).
MapModel DescribeMap(bool highlight, bool nearOnly);

// The line that says which round it is and whose turn: "Round 12 - Blue's turn", with "?" for a
// round that is not known (a game loaded from a slot saved without it).
std::string TurnLine();

// The lord whose values the status bar shows: the lord of the turn when it is the human, else
// the human; 0 when there is none.
int StatusBarLord();

// Whether the lord's move information scouts (a built scout camp).
bool MoveInformationScouts(int lord);

}  // namespace logic
