// Small checked accessors the campaign rules share. Lord numbers, coordinates and owners come
// from scenario and saved-game files, so every rule checks them here before it indexes a table.
#pragma once

#include <string>

#include "state/game_state.h"

namespace logic {

inline constexpr int kLords = 4;
inline constexpr int kHumanController = 1;
inline constexpr int kComputerController = 2;

inline bool ValidLord(int lord) {
    return lord >= 1 && lord <= kLords;
}
inline bool OnMap(int x, int y) {
    return x >= 1 && x <= state::Field::kColumns && y >= 1 && y <= state::Field::kRows;
}
inline state::RecordOf<100>& LordRecord(int lord) {
    return state::G().lord[lord];
}
inline state::RecordOf<100>& ArmyRecord(int lord) {
    return state::G().army[lord];
}
// The field record at (x, y), or nullptr off the map.
inline state::RecordOf<100>* FieldAt(int x, int y) {
    return OnMap(x, y) ? &state::G().field[x][y] : nullptr;
}
inline bool IsHuman(int lord) {
    return ValidLord(lord) && LordRecord(lord)[state::Lord::controller] == kHumanController;
}
inline bool IsComputer(int lord) {
    return ValidLord(lord) && LordRecord(lord)[state::Lord::controller] == kComputerController;
}
inline bool InGame(int lord) {
    return ValidLord(lord) && LordRecord(lord)[state::Lord::inGame] > 0;
}
namespace CastleBuilding = state::CastleBuilding;
// Whether the lord has built the building (a CastleBuilding).
inline bool HasBuilt(int lord, int building) {
    return ValidLord(lord) && LordRecord(lord)[state::Lord::Built(building)] > 0;
}
// An army without any troops of the five kinds.
inline bool ArmyEmpty(int lord) {
    const auto& a = ArmyRecord(lord);
    return a[state::Army::soldiers] <= 0 && a[state::Army::fast] <= 0 &&
           a[state::Army::archers] <= 0 && a[state::Army::siege] <= 0 &&
           a[state::Army::specialCount] <= 0;
}
// The lord's army stands on the map at (x, y).
inline bool ArmyAt(int lord, int x, int y) {
    const auto& a = ArmyRecord(lord);
    return a[state::Army::present] > 0 && a[state::Army::x] == x && a[state::Army::y] == y;
}
inline bool CastleAt(int lord, int x, int y) {
    const auto& l = LordRecord(lord);
    return l[state::Lord::castleX] == x && l[state::Lord::castleY] == y;
}
// The current lord, or 0 when the stored number is not a lord.
inline int CurrentLordChecked() {
    const int c = state::G().currentLord;
    return ValidLord(c) ? c : 0;
}
// The lord a screen shows: the current lord, or lord 1 when the stored number is not a lord.
inline int ShownLord() {
    const int c = CurrentLordChecked();
    return c > 0 ? c : 1;
}
// The first lord with controller 1, or 0.
int HumanLord();
// The faction logo of a lord: "factionlogo_blue.jpg", ... in the order blue, green, red, cyan.
std::string FactionLogo(int lord);

}  // namespace logic
