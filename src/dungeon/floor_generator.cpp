// The floor generator. A growth spreads from the arrival room in numbered steps; each room of
// the newest step may open into its neighbours, with a chance that falls as the room gets
// crowded. The growth is kept when it is large enough, has no room enclosed on all four sides
// and ends far enough from the arrival room.
#include "dungeon/floor_generator.h"

#include <array>
#include <cstdlib>

#include "dungeon/hero_access.h"
#include "dungeon/rooms.h"
#include "state/random.h"

namespace logic {

namespace Room = state::Room;
namespace Hero = state::Hero;

namespace {

constexpr int kX = Room::kColumns;
constexpr int kY = Room::kRows;
constexpr int kLastAttempt = 10001;
constexpr int kEnoughRooms = 18;
constexpr int kLastStep = 21;
constexpr int kMinFarDistance = 5;

enum Direction { kWest = 1, kEast, kNorth, kSouth };

// The work grid with its border of rock.
using Work = std::array<std::array<int, kY + 2>, kX + 2>;

struct Growth {
    Work cell{};
    int lx = 0, ly = 0;  // the cell grown last
};

int RoomsAround(const Work& w, int x, int y) {
    return (w[x - 1][y] > 0) + (w[x + 1][y] > 0) + (w[x][y - 1] > 0) + (w[x][y + 1] > 0);
}

bool Draw50() {
    return 1 + state::Random(100) > 50;
}

// Two slots in random order for a pair of directions: first gets `low` when the draw is above 50.
void OrderPair(std::array<int, 5>& order, int low, int first, int second) {
    if (Draw50()) {
        order[low] = first;
        order[low + 1] = second;
    } else {
        order[low] = second;
        order[low + 1] = first;
    }
}

// Tries to grow from (x, y) in the direction `dir` with chance c of 5000.
void TryGrow(Growth& gr, int x, int y, int dir, int c, int step) {
    const int g = 1 + state::Random(5000);
    if (g >= c) return;
    int nx = x, ny = y;
    switch (dir) {
        case kWest:
            if (x <= 1) return;
            --nx;
            break;
        case kEast:
            if (x >= kX) return;
            ++nx;
            break;
        case kNorth:
            if (y <= 1) return;
            --ny;
            break;
        case kSouth:
            if (y >= kY) return;
            ++ny;
            break;
        default:
            return;
    }
    gr.cell[nx][ny] = step + 1;
    gr.lx = nx;
    gr.ly = ny;
}

void GrowFrom(Growth& gr, std::array<int, 5>& order, int x, int y, int step) {
    const int n = RoomsAround(gr.cell, x, y);
    int c = n == 0 ? 3000 : n == 1 ? 500 : 50;
    if (Draw50()) {
        // A new order, west and east first; no growth from this cell in this step.
        OrderPair(order, 1, kWest, kEast);
        OrderPair(order, 3, kNorth, kSouth);
        return;
    }
    if (Draw50()) {
        OrderPair(order, 1, kNorth, kSouth);
        OrderPair(order, 3, kWest, kEast);
    }
    for (int slot = 1; slot <= 4; ++slot) {
        TryGrow(gr, x, y, order[slot], c, step);
        const int around = RoomsAround(gr.cell, x, y);
        c = around <= 1 ? 3000 : around == 2 ? 500 : 50;
    }
}

int CountRooms(const Work& w) {
    int count = 0;
    for (int x = 1; x <= kX; ++x) {
        for (int y = 1; y <= kY; ++y)
            count += w[x][y] > 0;
    }
    return count;
}

// The room count of an acceptable growth, 0 for one that is rejected.
int Score(const Growth& gr, int sx, int sy) {
    if (gr.lx == 0 && gr.ly == 0) return 0;
    if (std::abs(sx - gr.lx) + std::abs(sy - gr.ly) < kMinFarDistance) return 0;
    for (int x = 1; x <= kX; ++x) {
        for (int y = 1; y <= kY; ++y) {
            if (gr.cell[x][y] > 0 && RoomsAround(gr.cell, x, y) == 4) return 0;
        }
    }
    return CountRooms(gr.cell);
}

void Grow(Growth& gr, std::array<int, 5>& order, int sx, int sy) {
    gr = Growth{};
    gr.cell[sx][sy] = 1;
    for (int step = 1; step <= kLastStep; ++step) {
        for (int x = 1; x <= kX; ++x) {
            for (int y = 1; y <= kY; ++y) {
                if (gr.cell[x][y] == step) GrowFrom(gr, order, x, y, step);
            }
        }
        if (CountRooms(gr.cell) >= kEnoughRooms) break;
    }
}

void BuildFloor(const Growth& gr, int sx, int sy) {
    state::GameState& g = state::G();
    for (int x = 1; x <= kX; ++x) {
        for (int y = 1; y <= kY; ++y) {
            if (gr.cell[x][y] <= 0) continue;
            auto& r = g.room[x][y];
            r[Room::exists] = 1;
            r[Room::kind] = RandomRoomKind();
        }
    }
    for (int x = 1; x <= kX; ++x) {
        for (int y = 1; y <= kY; ++y) {
            if (gr.cell[x][y] <= 0) continue;
            auto& r = g.room[x][y];
            r[Room::doorNorth] = gr.cell[x][y - 1] > 0;
            r[Room::doorEast] = gr.cell[x + 1][y] > 0;
            r[Room::doorSouth] = gr.cell[x][y + 1] > 0;
            r[Room::doorWest] = gr.cell[x - 1][y] > 0;
            if (!r[Room::doorEast] && !r[Room::doorWest])
                r[Room::kind] = RoomKind::corridorNorthSouth;
            if (!r[Room::doorNorth] && !r[Room::doorSouth])
                r[Room::kind] = RoomKind::corridorEastWest;
        }
    }
    auto& start = g.room[sx][sy];
    start[Room::kind] = RoomKind::stairwayUp;
    start[Room::stairs] = 2;
    auto& far = g.room[gr.lx][gr.ly];
    const auto& h = HeroRecord();
    if (h[Hero::floor] < h[Hero::floorCount]) {
        far[Room::kind] = RoomKind::stairwayDown;
        far[Room::stairs] = 1;
    } else {
        far[Room::kind] = RoomKind::boneRoom;
        far[Room::event] = 1;
    }
}

}  // namespace

void GenerateFloor() {
    state::GameState& g = state::G();
    g.room.Clear();
    const int sx = 2 + state::Random(5);
    const int sy = 2 + state::Random(3);
    // The direction slots keep their order from one cell to the next; they start west, east,
    // north, south.
    std::array<int, 5> order = {0, kWest, kEast, kNorth, kSouth};
    Growth gr;
    for (int attempt = 1; attempt <= kLastAttempt; ++attempt) {
        Grow(gr, order, sx, sy);
        if (Score(gr, sx, sy) >= kMinFloorRooms) {
            BuildFloor(gr, sx, sy);
            g.floorGenerated = true;
            return;
        }
    }
}

}  // namespace logic
