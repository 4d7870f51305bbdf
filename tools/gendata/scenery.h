// The pieces the scene and landscape painters share: the day sky, the picture frame, mountains,
// hills, moon and stars, tents, tombstones, soldiers, the village and arena scenes, and the
// painter of a 4:3 picture.
#pragma once

#include <cstdint>
#include <functional>

#include "catalog.h"

namespace gendata {

inline constexpr Rgb kDay{0.52f, 0.66f, 0.82f};
inline constexpr Rgb kHaze{0.88f, 0.86f, 0.76f};

// The ink frame round a whole picture.
void Frame(Canvas& c);
// A ridge of `count` peaks standing on `base`, up to `height` units high.
void Mountains(Canvas& c, float base, float height, Rgb colour, int count, std::uint32_t seed);
// Three rounded hills on `base`.
void Hills(Canvas& c, float base, Rgb colour, std::uint32_t seed);
void Moon(Canvas& c, float x, float y, float r);
// Forty stars above `below`.
void Stars(Canvas& c, float below, std::uint32_t seed);
// A tent of size s standing on `base`, with a pennant.
void Tent(Canvas& c, float x, float base, float s, Rgb cloth, Rgb flag);
void Tombstone(Canvas& c, float x, float base, float s);
// A standing armoured soldier with shield and sword (or spear).
void Soldier(Canvas& c, float x, float headY, float s, Rgb colour, bool flipSword);
// A village under a day sky; the arena with its crowd and two fighters.
void VillageScene(Canvas& c);
void ArenaScene(Canvas& c);
// A 4:3 picture painted on the square 100 x 100 layout of the scenes: the square is painted
// at full width and its middle three quarters kept.
Painter Wide(std::function<void(Canvas&)> f);

}  // namespace gendata
