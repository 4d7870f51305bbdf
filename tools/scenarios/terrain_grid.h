// The land/water/mountain grid of a scenario map and the tile codes it gives.
//
// The grid is read from a scenario's map.txt (see map_text.h); this header only knows the
// terrain and how each field's picture code follows from it and its four neighbours, with the
// coastline reading of the shared tile code table (gendata/tile_codes.h). It is kept free of
// any game state so the tests can exercise it on small grids.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "../gendata/tile_codes.h"

namespace scenarios {

inline constexpr int kColumns = 12;
inline constexpr int kRows = 11;

enum class Terrain : std::uint8_t { Water, Land, Mountain, Feature };

struct Cell {
    Terrain terrain = Terrain::Land;
    int feature = 0;  // 1..8 for Terrain::Feature (leafy wood .. standing stones)
};

// [x 1..12][y 1..11]; index 0 is unused.
struct TerrainGrid {
    std::array<std::array<Cell, kRows + 1>, kColumns + 1> cell{};
    Cell& At(int x, int y) {
        return cell[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }
    const Cell& At(int x, int y) const {
        return cell[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    }
};

inline bool OnMap(int x, int y) {
    return x >= 1 && x <= kColumns && y >= 1 && y <= kRows;
}

// Beyond the edge counts as land, so coasts are only drawn towards real water.
inline bool IsLandAt(const TerrainGrid& grid, int x, int y) {
    return !OnMap(x, y) || grid.At(x, y).terrain != Terrain::Water;
}

// Which sides of (x, y) face water, as tiles::Side bits.
inline int SeaSides(const TerrainGrid& grid, int x, int y) {
    return (IsLandAt(grid, x, y - 1) ? 0 : tiles::kNorth) |
           (IsLandAt(grid, x + 1, y) ? 0 : tiles::kEast) |
           (IsLandAt(grid, x, y + 1) ? 0 : tiles::kSouth) |
           (IsLandAt(grid, x - 1, y) ? 0 : tiles::kWest);
}

// The decoration variant of a field: a fixed scramble of its position, so neighbouring fields
// of the same shape rarely look alike and the same map always gives the same tiles.
inline int VariantAt(int x, int y) {
    const unsigned h = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
    return static_cast<int>((h ^ (h >> 7)) % 997u);
}

// Where a mountain field sits in its 2 x 2 block: the block's top-left corner is the field
// whose western and northern neighbours are not part of the same block. Blocks are checked
// by the map reader; here the parity of the run of mountain fields to the west and north
// decides the half.
inline bool MountainEastHalf(const TerrainGrid& grid, int x, int y) {
    int run = 0;
    for (int i = x - 1; i >= 1 && grid.At(i, y).terrain == Terrain::Mountain; --i)
        ++run;
    return run % 2 == 1;
}

inline bool MountainSouthHalf(const TerrainGrid& grid, int x, int y) {
    int run = 0;
    for (int j = y - 1; j >= 1 && grid.At(x, j).terrain == Terrain::Mountain; --j)
        ++run;
    return run % 2 == 1;
}

// The tile code of field (x, y). Mountains and inland features keep their own pictures; a
// mountain or feature on the coast would break the coastline, and the map reader refuses it.
inline int DeriveTileCode(const TerrainGrid& grid, int x, int y) {
    const Cell& c = grid.At(x, y);
    if (c.terrain == Terrain::Water) return tiles::kWater;
    const int sea = SeaSides(grid, x, y);
    const int variant = VariantAt(x, y);
    if (sea == 0 && c.terrain == Terrain::Mountain)
        return tiles::MountainCode(MountainEastHalf(grid, x, y), MountainSouthHalf(grid, x, y));
    if (sea == 0 && c.terrain == Terrain::Feature)
        return tiles::SpecialCode(c.feature, variant % 4);
    return tiles::TileCodeFor(IsLandAt(grid, x, y - 1), IsLandAt(grid, x + 1, y),
                              IsLandAt(grid, x, y + 1), IsLandAt(grid, x - 1, y), true, variant);
}

// Field slot 1: an army may stand on land and features; the sea is drawn but never entered,
// and neither are the mountains.
inline int WalkableFor(Terrain t) {
    return (t == Terrain::Land || t == Terrain::Feature) ? 1 : 0;
}

// The terrain a tile code stands for (the decompiler's way back).
inline Cell CellForTile(int code) {
    const tiles::TileShape shape = tiles::ShapeOf(code);
    switch (shape.kind) {
        case tiles::Kind::Water:
            return {Terrain::Water, 0};
        case tiles::Kind::Mountain:
            return {Terrain::Mountain, 0};
        case tiles::Kind::Special:
            return {Terrain::Feature, shape.variant + 1};
        default:
            return {Terrain::Land, 0};
    }
}

}  // namespace scenarios
