// The look of the whole game: one palette of muted watercolour pigments over parchment, brown
// ink outlines, and the shared backgrounds and finishing touches every painter uses.
#pragma once

#include <cstdint>

#include "canvas.h"

namespace gendata {

namespace pal {
inline constexpr Rgb kParchment{0.92f, 0.85f, 0.68f};
inline constexpr Rgb kParchmentDark{0.76f, 0.64f, 0.45f};
inline constexpr Rgb kGrass{0.58f, 0.65f, 0.38f};
inline constexpr Rgb kGrassDark{0.42f, 0.53f, 0.28f};
inline constexpr Rgb kLeaf{0.33f, 0.48f, 0.24f};
inline constexpr Rgb kPine{0.21f, 0.36f, 0.24f};
inline constexpr Rgb kSea{0.36f, 0.55f, 0.62f};
inline constexpr Rgb kSeaDeep{0.25f, 0.42f, 0.54f};
inline constexpr Rgb kFoam{0.90f, 0.91f, 0.85f};
inline constexpr Rgb kSand{0.87f, 0.78f, 0.55f};
inline constexpr Rgb kEarth{0.55f, 0.42f, 0.27f};
inline constexpr Rgb kStone{0.60f, 0.58f, 0.54f};
inline constexpr Rgb kStoneDark{0.38f, 0.36f, 0.34f};
inline constexpr Rgb kWood{0.52f, 0.34f, 0.18f};
inline constexpr Rgb kWoodDark{0.33f, 0.21f, 0.11f};
inline constexpr Rgb kGold{0.90f, 0.72f, 0.27f};
inline constexpr Rgb kGoldDark{0.62f, 0.44f, 0.12f};
inline constexpr Rgb kIron{0.55f, 0.57f, 0.61f};
inline constexpr Rgb kSteel{0.75f, 0.77f, 0.80f};
inline constexpr Rgb kBlood{0.64f, 0.11f, 0.09f};
inline constexpr Rgb kSkin{0.91f, 0.73f, 0.57f};
inline constexpr Rgb kBone{0.90f, 0.86f, 0.74f};
inline constexpr Rgb kNight{0.14f, 0.16f, 0.26f};
inline constexpr Rgb kCloth{0.55f, 0.30f, 0.24f};
inline constexpr Rgb kPurple{0.45f, 0.26f, 0.52f};
inline constexpr Rgb kFire{0.96f, 0.55f, 0.16f};
inline constexpr Rgb kOrcSkin{0.45f, 0.58f, 0.30f};
inline constexpr Rgb kWhite{0.96f, 0.94f, 0.88f};
inline constexpr Rgb kBlack{0.10f, 0.08f, 0.07f};
}  // namespace pal

// The colour of lord 1..4 (blue, green, red, cyan); anything else gives a neutral grey.
Rgb LordColour(int lord);

// Parchment over the whole canvas: stained, fibrous, darker towards the edges.
void Parchment(Canvas& c, float vignette = 0.35f);
// A painted sky from top colour to horizon colour down to `horizon` (units), with soft clouds.
void Sky(Canvas& c, Rgb top, Rgb bottom, float horizon, bool clouds = true);
// Rolling ground from `horizon` down, in the given colour.
void Ground(Canvas& c, Rgb colour, float horizon);
// Rough dungeon masonry over the whole canvas, lit by a torch at (lx, ly).
void DungeonWall(Canvas& c, float lx, float ly);
// The last pass of every picture: paper grain and a light vignette.
void Finish(Image& img, std::uint32_t seed, float vignette = 0.18f);

}  // namespace gendata
