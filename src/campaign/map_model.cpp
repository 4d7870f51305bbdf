// The strategic map as the window draws it.
#include "campaign/map_model.h"

#include <cstdint>

#include "campaign/movement.h"
#include "rules/lords.h"
#include "state/game_state.h"
#include "state/int_math.h"
#include "state/slot_info.h"

namespace logic {

namespace {

namespace Army = state::Army;
namespace Field = state::Field;
namespace Lord = state::Lord;

// Step distance; an army position read from a file may be far off the map, so in 64 bits.
std::int64_t Distance(int x1, int y1, int x2, int y2) {
    return state::Gap(x1, x2) + state::Gap(y1, y2);
}

// The lords' armies on the map, each drawn small where another army shares its field.
void DescribeArmies(MapModel& m) {
    const state::GameState& g = state::G();
    for (int p = 1; p <= kLords; ++p) {
        const int x = g.army[p][Army::x], y = g.army[p][Army::y];
        if (g.lord[p][Lord::inGame] <= 0 || !OnMap(x, y)) continue;
        MapArmyView& a = m.armies[static_cast<std::size_t>(p)];
        a.shown = true;
        a.x = x;
        a.y = y;
        for (int o = 1; o <= kLords; ++o) {
            if (o != p && g.army[o][Army::present] > 0 && g.army[o][Army::x] == x &&
                g.army[o][Army::y] == y)
                a.shared = true;
        }
    }
}

// The walkable fields next to the army; an army off the map has none.
void DescribeTargets(MapModel& m, int ax, int ay) {
    if (!OnMap(ax, ay)) return;
    const state::GameState& g = state::G();
    for (std::size_t d = 0; d < m.targets.size(); ++d) {
        const int x = ax + kDirectionSteps[d].dx, y = ay + kDirectionSteps[d].dy;
        if (!OnMap(x, y) || g.field[x][y][Field::walkable] <= 0) continue;
        m.targets[d] = {true, x, y, !WithinCastleRange(m.lord, x, y)};
    }
}

}  // namespace

MapModel DescribeMap(bool highlight, bool nearOnly) {
    const state::GameState& g = state::G();
    MapModel m;
    m.lord = ShownLord();
    const int ax = g.army[m.lord][Army::x], ay = g.army[m.lord][Army::y];
    const int controller = g.lord[m.lord][Lord::controller];
    m.humanTurn = controller == kHumanController;
    const bool computer = controller == kComputerController;
    for (int x = 1; x <= kMapColumns; ++x) {
        for (int y = 1; y <= kMapRows; ++y) {
            MapFieldView& f = m.fields[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            if (g.field[x][y][Field::walkable] < 0) {
                f.hidden = true;
                continue;
            }
            if (nearOnly && Distance(ax, ay, x, y) >= 3) continue;
            if (nearOnly && !m.humanTurn && !(x == ax && y == ay)) continue;
            f.drawn = true;
            f.tile = g.field[x][y][Field::tile];
            f.highlighted = highlight && !computer && Distance(ax, ay, x, y) <= 1;
        }
    }
    // The castle range is the human's to see, in its own turn; with the keep it covers the map.
    for (int x = 1; x <= kMapColumns && m.humanTurn; ++x) {
        for (int y = 1; y <= kMapRows; ++y) {
            MapFieldView& f = m.fields[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            f.beyondRange = !f.hidden && !WithinCastleRange(m.lord, x, y);
        }
    }
    DescribeArmies(m);
    if (m.humanTurn) DescribeTargets(m, ax, ay);
    m.turnLine = TurnLine();
    return m;
}

std::string TurnLine() {
    const state::GameState& g = state::G();
    const std::string round = g.round > 0 ? std::to_string(g.round) : "?";
    return "Round " + round + " - " + state::LordColourName(ShownLord()) + "'s turn";
}

int StatusBarLord() {
    const int c = ShownLord();
    return IsHuman(c) ? c : HumanLord();
}

bool MoveInformationScouts(int lord) {
    return ValidLord(lord) && LordRecord(lord)[Lord::Built(CastleBuilding::scoutCamp)] == 1;
}

}  // namespace logic
