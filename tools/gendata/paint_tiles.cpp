// The map tiles. The reading of the tile codes is in tile_codes.h; this file paints it.
//
// Every tile is 50 x 50. The ground (grass and sea) is one texture that repeats every 50
// pixels, the same in every tile, so any two tiles agree along a shared side. The sea is a
// band along each sea side whose depth follows one profile per side, the same in every tile:
// deep in the middle of the side and shallow (four pixels) at its ends, so a coast that turns
// a corner, or a sea band that meets a land side, leaves only a small notch. Where two bands
// meet, the corner of land between them is rounded. Decorations (trees, rocks, waves) keep off
// the edges. The numbered variants differ in decoration only.
#include <algorithm>
#include <cmath>

#include "catalog.h"
#include "noise.h"
#include "state/asset_names.h"
#include "style.h"
#include "tile_codes.h"

namespace gendata {

namespace {

constexpr float kTile = 50.0f;
constexpr float kPi = 3.14159265f;
constexpr std::uint32_t kGroundSeed = 4242;

// Depth of the sea band at position t (0..50) along a side; `side` varies the wobble.
float BandDepth(float t, int side) {
    const float u = std::clamp(t / kTile, 0.0f, 1.0f);
    const float bump = std::pow(std::sin(kPi * u), 0.8f);
    const float wobble = std::sin(kPi * u * 3.0f + static_cast<float>(side)) * std::sin(kPi * u);
    return 4.0f + 12.0f * bump + 2.5f * wobble;
}

// Polynomial smooth minimum: rounds the land corner where two sea bands meet.
float SmoothMin(float a, float b, float k) {
    const float h = std::clamp(0.5f + 0.5f * (b - a) / k, 0.0f, 1.0f);
    return b + (a - b) * h - k * h * (1.0f - h);
}

// Signed distance-like value: negative in the sea, positive on land.
float LandValue(float x, float y, int seaSides) {
    // Sea on all four sides is the open sea itself.
    if (seaSides == (tiles::kNorth | tiles::kEast | tiles::kSouth | tiles::kWest)) return -100.0f;
    float v = 1e3f;
    auto add = [&](float band) { v = v > 500.0f ? band : SmoothMin(v, band, 7.0f); };
    if (seaSides & tiles::kNorth) add(y - BandDepth(x, 0));
    if (seaSides & tiles::kSouth) add((kTile - y) - BandDepth(x, 2));
    if (seaSides & tiles::kWest) add(x - BandDepth(y, 3));
    if (seaSides & tiles::kEast) add((kTile - x) - BandDepth(y, 1));
    return v;
}

// Distance to the nearest tile side that faces the sea (shallow tints fade out there, so the
// open sea meets the water tile exactly).
float DistanceToSeaSide(float x, float y, int seaSides) {
    float d = 1e3f;
    if (seaSides & tiles::kNorth) d = std::min(d, y);
    if (seaSides & tiles::kSouth) d = std::min(d, kTile - y);
    if (seaSides & tiles::kWest) d = std::min(d, x);
    if (seaSides & tiles::kEast) d = std::min(d, kTile - x);
    return d;
}

Rgb GrassAt(float x, float y) {
    const float n = Fbm(x / 12.5f, y / 12.5f, kGroundSeed, 3, 4);
    const float fine = ValueNoise(x / 2.5f, y / 2.5f, kGroundSeed + 9, 20);
    Rgb c = Mix(pal::kGrass, pal::kGrassDark, std::clamp((n - 0.3f) * 1.6f, 0.0f, 1.0f));
    return c * (0.95f + 0.1f * fine);
}

Rgb SeaAt(float x, float y) {
    const float n = Fbm(x / 12.5f, y / 12.5f, kGroundSeed + 3, 3, 4);
    Rgb c = Mix(pal::kSea, pal::kSeaDeep, std::clamp((n - 0.25f) * 1.3f, 0.0f, 1.0f));
    // Faint ripples that repeat with the tile.
    const float r =
        std::sin((x + 2.0f * std::sin(y * 2 * kPi / kTile * 2)) * 2 * kPi / kTile * 5 + y * 0.3f);
    return c * (0.97f + 0.03f * r);
}

void PaintGround(Canvas& c, int seaSides) {
    c.Each([&](float x, float y, Rgb& p) {
        const float v = LandValue(x, y, seaSides);
        const float aa = 0.6f;
        const Rgb sea = SeaAt(x, y);
        Rgb land = GrassAt(x, y);
        if (seaSides != 0) {
            // Sand along the shore, a light rim of shallows and foam, and an ink coastline.
            const float sand = std::clamp(1.0f - (v - 1.0f) / 2.5f, 0.0f, 1.0f);
            land = Mix(land, pal::kSand, sand * 0.9f);
            const float edgeFade = std::clamp(DistanceToSeaSide(x, y, seaSides) / 4.0f, 0.0f, 1.0f);
            Rgb water = Mix(sea, Mix(pal::kSea, pal::kFoam, 0.35f),
                            std::clamp(1.0f + v / 5.0f, 0.0f, 1.0f) * 0.6f * edgeFade);
            const float foam = std::clamp(1.0f - std::abs(v + 2.2f) / 0.7f, 0.0f, 1.0f) * edgeFade;
            water = Mix(water, pal::kFoam, foam * 0.6f);
            p = Mix(water, land, std::clamp(0.5f + v / aa, 0.0f, 1.0f));
            const float ink = std::clamp(1.0f - std::abs(v) / 0.55f, 0.0f, 1.0f);
            p = Mix(p, kInk, ink * 0.75f);
        } else {
            p = land;
        }
    });
}

bool OnLand(float x, float y, int seaSides, float margin) {
    return LandValue(x, y, seaSides) > margin && x > 5 && y > 5 && x < kTile - 5 && y < kTile - 5;
}

void Tree(Canvas& c, float x, float y, float r) {
    c.Fill(Ellipse(x + r * 0.3f, y + r * 0.9f, r * 1.0f, r * 0.4f), kInk, 0.18f);
    c.Draw(Rect(x - r * 0.15f, y, x + r * 0.15f, y + r * 0.9f), pal::kWoodDark, 0.5f);
    c.Draw(Circle(x, y - r * 0.2f, r), pal::kLeaf, 0.6f);
    c.Fill(Circle(x - r * 0.35f, y - r * 0.55f, r * 0.35f), pal::kGrass, 0.6f);
}

void Pine(Canvas& c, float x, float y, float h) {
    c.Fill(Ellipse(x + h * 0.2f, y + h * 0.05f, h * 0.35f, h * 0.12f), kInk, 0.18f);
    c.Draw(Poly({{x, y - h}, {x + h * 0.33f, y}, {x - h * 0.33f, y}}), pal::kPine, 0.6f);
    c.Outline(Segment(x, y - h * 0.55f, x, y - h * 0.1f, 0.05f), 0.4f, kInk, 0.4f);
}

void Tuft(Canvas& c, float x, float y) {
    c.Outline(Curve({x - 1.2f, y}, {x - 1.0f, y - 1.0f}, {x - 1.6f, y - 2.0f}, 0.1f, 0.05f, 4),
              0.45f, pal::kGrassDark, 0.9f);
    c.Outline(Curve({x, y}, {x, y - 1.5f}, {x + 0.3f, y - 2.6f}, 0.1f, 0.05f, 4), 0.45f,
              pal::kGrassDark, 0.9f);
    c.Outline(Curve({x + 1.2f, y}, {x + 1.0f, y - 1.0f}, {x + 1.8f, y - 1.8f}, 0.1f, 0.05f, 4),
              0.45f, pal::kGrassDark, 0.9f);
}

void Rock(Canvas& c, float x, float y, float r) {
    c.Fill(Ellipse(x + r * 0.4f, y + r * 0.5f, r * 1.1f, r * 0.45f), kInk, 0.2f);
    c.Draw(Poly({{x - r, y + r * 0.5f},
                 {x - r * 0.7f, y - r * 0.4f},
                 {x - r * 0.1f, y - r * 0.8f},
                 {x + r * 0.8f, y - r * 0.3f},
                 {x + r, y + r * 0.5f}}),
           pal::kStone, 0.6f);
}

void Waves(Canvas& c, Rng& rng, int seaSides, int count) {
    for (int i = 0; i < count * 4 && count > 0; ++i) {
        const float x = rng.Range(6, 44);
        const float y = rng.Range(6, 44);
        if (LandValue(x, y, seaSides) > -4.0f) continue;
        if (LandValue(x + 3, y, seaSides) > -4.0f || LandValue(x - 3, y, seaSides) > -4.0f)
            continue;
        c.Outline(Curve({x - 2.5f, y + 0.6f}, {x - 1.2f, y - 1.0f}, {x, y + 0.3f}, 0.1f, 0.1f, 6),
                  0.45f, pal::kFoam, 0.8f);
        c.Outline(Curve({x, y + 0.3f}, {x + 1.2f, y - 1.0f}, {x + 2.5f, y + 0.6f}, 0.1f, 0.1f, 6),
                  0.45f, pal::kFoam, 0.8f);
        --count;
    }
}

// Light scattered decoration of the land: the variant number picks the mix.
void Scatter(Canvas& c, Rng& rng, int seaSides, int variant) {
    const int tufts = 3 + variant % 3;
    for (int i = 0; i < tufts * 3 && i < 30; ++i) {
        const float x = rng.Range(6, 44);
        const float y = rng.Range(8, 44);
        if (OnLand(x, y, seaSides, 3.0f)) Tuft(c, x, y);
    }
    const int trees = variant % 3;
    for (int i = 0; i < 12 && trees > 0; ++i) {
        const float x = rng.Range(10, 40);
        const float y = rng.Range(12, 38);
        if (!OnLand(x, y, seaSides, 7.0f)) continue;
        if (variant % 2 == 0) {
            Tree(c, x, y, 5.5f);
        } else {
            Pine(c, x, y + 4, 11.0f);
        }
        if (i % 2 == 1) break;
    }
    if (variant >= 3) {
        for (int i = 0; i < 8; ++i) {
            const float x = rng.Range(8, 42);
            const float y = rng.Range(8, 42);
            if (!OnLand(x, y, seaSides, 4.0f)) continue;
            if (variant == 4) {
                Rock(c, x, y, 2.0f);
            } else {
                for (int f = 0; f < 3; ++f) {
                    c.Fill(Circle(x + static_cast<float>(f) * 1.6f, y + static_cast<float>(f % 2),
                                  0.7f),
                           f == 1 ? pal::kWhite : Rgb{0.85f, 0.75f, 0.3f});
                }
            }
            break;
        }
    }
}

void Special(Canvas& c, Rng& rng, int kind, int letter) {
    // kind 0..7 as in tile_codes.h; letter 0..3 moves and thins the feature.
    const float ox = static_cast<float>(letter % 2) * 4.0f - 2.0f;
    const float oy = static_cast<float>(letter / 2) * 4.0f - 2.0f;
    switch (kind) {
        case 0: {  // leafy wood
            const int n = 4 + letter;
            for (int i = 0; i < n; ++i) {
                const float a = static_cast<float>(i) * 2.4f + static_cast<float>(letter);
                const float r =
                    4.0f + 11.0f * std::sqrt(static_cast<float>(i) / static_cast<float>(n));
                Tree(c, 25 + ox + r * std::cos(a), 24 + oy + r * std::sin(a) * 0.8f,
                     5.5f + rng.Range(0, 1.5f));
            }
            break;
        }
        case 1: {  // pine forest
            std::vector<Pt> spots;
            for (int i = 0; i < 7 + letter; ++i)
                spots.push_back({rng.Range(11, 39) + ox, rng.Range(15, 41) + oy});
            std::sort(spots.begin(), spots.end(), [](Pt a, Pt b) { return a.y < b.y; });
            for (const Pt& p : spots)
                Pine(c, p.x, p.y, 12.0f + rng.Range(0, 3));
            break;
        }
        case 2: {  // hills
            for (int i = 0; i < 2 + letter % 2; ++i) {
                // Hills stay two pixels inside the tile so the grass meets its neighbour.
                const float x = 16 + static_cast<float>(i) * 9 + ox;
                const float y = 32 - static_cast<float>(i % 2) * 9 + oy;
                Shape hill =
                    Intersect(Ellipse(x, y + 3, 11, 11), Rect(x - 12, y - 10, x + 12, y + 3));
                c.Draw(hill, Mix(pal::kGrassDark, pal::kEarth, 0.35f), 0.6f);
                c.Hatch(hill, 1.6f, 60, 0.35f, kInk, 0.5f, 0.5f);
            }
            break;
        }
        case 3: {  // farmland
            const Rgb crops[] = {{0.85f, 0.75f, 0.38f},
                                 {0.62f, 0.58f, 0.30f},
                                 {0.70f, 0.52f, 0.32f},
                                 {0.55f, 0.66f, 0.34f}};
            for (int i = 0; i < 4; ++i) {
                const float x0 = 9 + static_cast<float>(i % 2) * 16 + ox;
                const float y0 = 9 + static_cast<float>(i / 2) * 16 + oy;
                Shape field = Rect(x0, y0, x0 + 14, y0 + 14, 1);
                c.Draw(field, crops[(i + letter) % 4], 0.5f);
                c.Hatch(field, 1.8f, (i + letter) % 2 ? 0.0f : 90.0f, 0.3f, pal::kWoodDark, 0.45f,
                        0.0f);
            }
            break;
        }
        case 4: {  // swamp
            for (int i = 0; i < 3 + letter % 2; ++i) {
                const float x = rng.Range(15, 35);
                const float y = rng.Range(15, 35);
                c.Draw(Ellipse(x, y, rng.Range(4, 7), rng.Range(2.5f, 4)),
                       Mix(pal::kSeaDeep, pal::kPine, 0.6f), 0.5f);
            }
            for (int i = 0; i < 9; ++i) {
                const float x = rng.Range(10, 40);
                const float y = rng.Range(12, 40);
                c.Outline(Segment(x, y, x + rng.Range(-0.8f, 0.8f), y - 4, 0.05f), 0.5f,
                          pal::kWoodDark, 0.9f);
                c.Fill(Ellipse(x, y - 4, 0.5f, 1.2f), pal::kWood);
            }
            break;
        }
        case 5: {  // rocks
            for (int i = 0; i < 4 + letter; ++i)
                Rock(c, rng.Range(13, 37), rng.Range(15, 37), rng.Range(3.5f, 6.5f));
            break;
        }
        case 6: {  // pond
            Shape pond = Ellipse(25 + ox, 25 + oy, 13 - static_cast<float>(letter), 9);
            c.Fill(Grow(pond, 1.5f), pal::kSand, 0.9f);
            c.Draw(pond, pal::kSea, 0.7f);
            c.Outline(Curve({19 + ox, 24 + oy}, {22 + ox, 22 + oy}, {25 + ox, 24 + oy}, 0.1f, 0.1f),
                      0.4f, pal::kFoam, 0.8f);
            for (int i = 0; i < 4; ++i) {
                const float x = 14 + ox + static_cast<float>(i) * 1.4f;
                c.Outline(Segment(x, 31 + oy, x - 0.5f, 26 + oy, 0.05f), 0.45f, pal::kWoodDark,
                          0.9f);
            }
            break;
        }
        default: {  // standing stones
            const int n = 5 + letter % 3;
            for (int i = 0; i < n; ++i) {
                const float a = static_cast<float>(i) * 2 * kPi / static_cast<float>(n);
                const float x = 25 + ox + 13 * std::cos(a);
                const float y = 27 + oy + 10 * std::sin(a);
                c.Fill(Ellipse(x + 1.8f, y + 1, 3.0f, 1.2f), kInk, 0.25f);
                c.Draw(Rect(x - 2.0f, y - 8.0f, x + 2.0f, y + 0.5f, 1.0f), pal::kStone, 0.6f);
            }
            break;
        }
    }
}

Image PaintTileImage(int code) {
    const tiles::TileShape shape = tiles::ShapeOf(code);
    Image img(50, 50);
    Canvas c(img, kTile);
    c.seed = static_cast<std::uint32_t>(code) * 7919u;
    Rng rng(static_cast<std::uint32_t>(code) * 104729u + 11u);
    PaintGround(c, shape.seaSides);
    switch (shape.kind) {
        case tiles::Kind::Water:
            Waves(c, rng, shape.seaSides, 3);
            break;
        case tiles::Kind::Special:
            Special(c, rng, shape.variant, shape.letter);
            break;
        case tiles::Kind::None:
            break;
        case tiles::Kind::Mountain:
            break;
        default:
            Waves(c, rng, shape.seaSides, 1 + shape.variant % 2);
            Scatter(c, rng, shape.seaSides, shape.variant);
            break;
    }
    return img;
}

// The whole 2 x 2 mountain, cut into its four quarters by the tile painter.
Image PaintMountain() {
    Image img(100, 100);
    Canvas c(img, 100);
    c.seed = 6320;
    c.Each([](float x, float y, Rgb& p) { p = GrassAt(x, y); });
    struct Peak {
        float x, y, w, h;
    };
    const Peak peaks[] = {
        {34, 46, 26, 42}, {66, 46, 26, 46}, {50, 58, 34, 54}, {24, 72, 15, 22}, {76, 72, 15, 24}};
    for (const Peak& k : peaks) {
        Shape body = Poly({{k.x - k.w, k.y + k.h * 0.35f},
                           {k.x - k.w * 0.2f, k.y - k.h * 0.55f},
                           {k.x, k.y - k.h * 0.65f},
                           {k.x + k.w * 0.3f, k.y - k.h * 0.45f},
                           {k.x + k.w, k.y + k.h * 0.35f}});
        c.Fill(Ellipse(k.x + 4, k.y + k.h * 0.35f, k.w, 3.5f), kInk, 0.15f);
        c.Draw(body, Mix(pal::kStone, pal::kEarth, 0.25f), 0.9f);
        c.Fill(Poly({{k.x, k.y - k.h * 0.65f},
                     {k.x + k.w, k.y + k.h * 0.35f},
                     {k.x + k.w * 0.1f, k.y + k.h * 0.35f}}),
               pal::kStoneDark, 0.35f);
        c.Hatch(body, 2.0f, 70, 0.4f, kInk, 0.45f, 0.55f);
        Shape snow = Intersect(body, Rect(k.x - k.w, k.y - k.h, k.x + k.w, k.y - k.h * 0.38f));
        c.Fill(snow, pal::kWhite, 0.95f);
        c.Outline(body, 0.9f, kInk, 0.85f);
    }
    return img;
}

}  // namespace

void AddTilePainters(PainterTable& table) {
    auto tile = [](int code) {
        return [code](Canvas& c) {
            Image img = code >= 632 && code <= 635 ? [code] {
                // Codes in order ne, nw, se, sw.
                const int q = code - 632;
                const int qx = (q == 0 || q == 2) ? 50 : 0;
                const int qy = q >= 2 ? 50 : 0;
                return PaintMountain().Crop(qx, qy, 50, 50);
            }()
                                                   : PaintTileImage(code);
            Image& target = c.Img();
            target.Paste(img.Resized(target.Width(), target.Height()), 0, 0);
        };
    };
    for (int prefix = 0; prefix <= 4; ++prefix) {
        const std::string pre = state::TilePrefix(prefix);
        const Rgb mark = LordColour(prefix);
        auto withMark = [prefix, mark](std::function<void(Canvas&)> base) {
            return [prefix, mark, base](Canvas& c) {
                base(c);
                if (prefix > 0) LordMark(c.Img(), mark);
            };
        };
        for (int code : state::TileCodes()) {
            table[pre + state::TileBaseName(code)] = {50, 50, withMark(tile(code)), false};
        }
        // A code without a tile: plain sea (the prefix alone).
        table[pre.substr(0, pre.size())] = {50, 50, withMark(tile(0)), false};
    }
    table["m2_water1"] = {50, 50, tile(0), false};
}

}  // namespace gendata
