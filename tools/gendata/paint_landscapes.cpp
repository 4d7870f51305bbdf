// The scenario sheet pictures: a landscape for every shipped scenario, named by its base name,
// that shows the scenario's land and what its theme is about.
#include "catalog.h"
#include "motifs.h"
#include "scenery.h"

namespace gendata {

namespace {

// The landscapes of the eight scenarios of the list, by their place in it.
void ListedLandscape(Canvas& c, int which) {
    Parchment(c);
    switch (which) {
        case 0: {  // Desert of darkness: dunes under a dark dusk, a lone black keep
            Sky(c, {0.22f, 0.16f, 0.25f}, {0.8f, 0.45f, 0.3f}, 52);
            for (int i = 0; i < 3; ++i)
                c.Draw(Ellipse(20 + static_cast<float>(i) * 32, 64 + static_cast<float>(i % 2) * 6,
                               34, 12),
                       pal::kSand * (0.75f + 0.1f * static_cast<float>(i)), 0.6f);
            Ground(c, pal::kSand * 0.8f, 68);
            DrawCastle(c, 70, 62, 26, pal::kBlack, pal::kStoneDark);
            break;
        }
        case 1: {  // The crusade: green hills, white tents with red crosses
            Sky(c, kDay, kHaze, 52);
            Hills(c, 55, pal::kGrass, 11);
            Ground(c, pal::kGrass, 58);
            for (int i = 0; i < 4; ++i)
                Tent(c, 16 + static_cast<float>(i) * 22, 80 - static_cast<float>(i % 2) * 6, 9,
                     pal::kWhite, pal::kBlood);
            break;
        }
        case 2: {  // The curse: a graveyard before a village under a pale moon
            Sky(c, pal::kNight * 0.9f, {0.45f, 0.45f, 0.55f}, 58, false);
            Stars(c, 45, 12);
            Moon(c, 76, 18, 7);
            Ground(c, pal::kNight * 1.2f, 60);
            for (int i = 0; i < 4; ++i) {
                const float x = 10 + static_cast<float>(i) * 10;
                c.Draw(Rect(x - 3, 52, x + 3, 60), pal::kStoneDark, 0.5f);
                c.Draw(Poly({{x - 4, 52}, {x, 46}, {x + 4, 52}}), pal::kBlood * 0.5f, 0.5f);
            }
            for (int i = 0; i < 6; ++i)
                Tombstone(c, 44 + static_cast<float>(i) * 9, 84 - static_cast<float>(i % 2) * 5, 3);
            break;
        }
        case 3: {  // The fallen angel: red sky, black peaks, a glowing rift
            Sky(c, {0.35f, 0.05f, 0.05f}, {0.9f, 0.4f, 0.15f}, 60);
            Mountains(c, 70, 36, pal::kBlack * 2, 4, 21);
            Ground(c, pal::kBlack * 2.5f, 72);
            c.Glow(Ellipse(50, 40, 4, 16), 18, pal::kFire, 0.7f);
            c.Fill(Ellipse(50, 40, 3, 14), {1.0f, 0.85f, 0.4f});
            for (int side = -1; side <= 1; side += 2)
                c.Draw(Poly({{50, 30},
                             {50 + static_cast<float>(side) * 22, 18},
                             {50 + static_cast<float>(side) * 16, 34}}),
                       pal::kBlack * 1.5f, 0.6f);
            break;
        }
        case 4: {  // The sword of Nara'gul: a blade in a rock among mountains
            Sky(c, {0.45f, 0.5f, 0.65f}, {0.8f, 0.82f, 0.85f}, 55);
            Mountains(c, 62, 30, Mix(pal::kStone, pal::kWhite, 0.1f), 3, 31);
            Ground(c, pal::kGrassDark, 64);
            c.Draw(Poly({{36, 86}, {42, 72}, {58, 70}, {66, 86}}), pal::kStone, 0.8f);
            c.Glow(Segment(51, 74, 51, 40, 1), 10, pal::kPurple, 0.6f);
            DrawSword(c, 51, 38, 51, 76, 4, Mix(pal::kSteel, pal::kPurple, 0.3f));
            break;
        }
        case 5: {  // Gladiator: the arena
            ArenaScene(c);
            return;
        }
        case 6: {  // Showdown: two castles across a river
            Sky(c, kDay, kHaze, 50);
            Ground(c, pal::kGrass, 52);
            c.Fill(Poly({{44, 52}, {56, 52}, {64, 100}, {36, 100}}), pal::kSea, 1.0f);
            c.Outline(Poly({{44, 52}, {56, 52}, {64, 100}, {36, 100}}), 0.8f, kInk, 0.7f);
            DrawCastle(c, 20, 72, 30, LordColour(1));
            DrawCastle(c, 80, 72, 30, LordColour(3));
            break;
        }
        default: {  // Showdown 2: a coast with the sea to the east and four banners
            Sky(c, kDay, kHaze, 48);
            Ground(c, pal::kGrass, 50);
            c.Fill(Poly({{70, 50}, {100, 50}, {100, 100}, {58, 100}, {66, 80}}), pal::kSea);
            c.Outline(Poly({{70, 50}, {66, 80}, {58, 100}}), 1.0f, kInk, 0.8f);
            for (int i = 1; i <= 4; ++i)
                DrawBanner(c, 10 + static_cast<float>(i) * 11, 80 - static_cast<float>(i % 2) * 8,
                           18, LordColour(i));
            break;
        }
    }
    Frame(c);
}

// A small skeleton warrior standing on `base`, s units high.
void SkeletonGuard(Canvas& c, float x, float base, float s) {
    const float u = s / 10.0f;
    const float ink = 0.25f;
    c.Draw(Segment(x - 1.2f * u, base - 4 * u, x - 1.6f * u, base, 0.35f * u), pal::kBone, ink);
    c.Draw(Segment(x + 1.2f * u, base - 4 * u, x + 1.6f * u, base, 0.35f * u), pal::kBone, ink);
    c.Draw(Rect(x - 0.4f * u, base - 7.6f * u, x + 0.4f * u, base - 4 * u), pal::kBone, ink);
    for (int i = 0; i < 3; ++i) {
        const float y = base - 7 * u + static_cast<float>(i) * u;
        c.Draw(Segment(x - 1.4f * u, y, x + 1.4f * u, y, 0.25f * u), pal::kBone, ink);
    }
    c.Draw(Segment(x - 1.6f * u, base - 7.4f * u, x - 2.6f * u, base - 4.4f * u, 0.3f * u),
           pal::kBone, ink);
    c.Draw(Segment(x + 1.6f * u, base - 7.4f * u, x + 2.8f * u, base - 5 * u, 0.3f * u), pal::kBone,
           ink);
    DrawSword(c, x + 2.8f * u, base - 4.6f * u, x + 3.4f * u, base - 10 * u, 0.9f * u, pal::kIron);
    c.Draw(Circle(x, base - 9 * u, 1.3f * u), pal::kBone, ink);
    c.Fill(Circle(x - 0.5f * u, base - 9.1f * u, 0.3f * u), pal::kBlack);
    c.Fill(Circle(x + 0.5f * u, base - 9.1f * u, 0.3f * u), pal::kBlack);
}

// A fiery spirit rising from the ground at (x, base), h units high.
void FireSpirit(Canvas& c, float x, float base, float h) {
    const float u = h / 10.0f;
    Shape body = Poly({{x - 2.5f * u, base},
                       {x - 3.5f * u, base - 4 * u},
                       {x - 2.2f * u, base - 7 * u},
                       {x + 2.2f * u, base - 7 * u},
                       {x + 3.5f * u, base - 4 * u},
                       {x + 2.5f * u, base}});
    c.Glow(body, 4 * u, pal::kFire, 0.55f);
    c.Draw(body, Mix(pal::kFire, pal::kBlood, 0.35f), 0.5f);
    c.Draw(Segment(x - 2.2f * u, base - 6.5f * u, x - 5 * u, base - 9 * u, 0.7f * u),
           Mix(pal::kFire, pal::kBlood, 0.35f), 0.4f);
    c.Draw(Segment(x + 2.2f * u, base - 6.5f * u, x + 5 * u, base - 9 * u, 0.7f * u),
           Mix(pal::kFire, pal::kBlood, 0.35f), 0.4f);
    c.Draw(Circle(x, base - 8.6f * u, 1.7f * u), Mix(pal::kFire, pal::kGold, 0.4f), 0.4f);
    c.Fill(Circle(x - 0.6f * u, base - 8.8f * u, 0.35f * u), pal::kWhite);
    c.Fill(Circle(x + 0.6f * u, base - 8.8f * u, 0.35f * u), pal::kWhite);
    for (int i = 0; i < 3; ++i) {
        const float fx = x - 1.5f * u + static_cast<float>(i) * 1.5f * u;
        c.Fill(Poly({{fx - 0.8f * u, base - 10 * u},
                     {fx, base - 12.5f * u - static_cast<float>(i % 2) * u},
                     {fx + 0.8f * u, base - 10 * u}}),
               pal::kFire, 0.9f);
    }
}

// A palisade of pointed stakes from x0 to x1 standing on `base`.
void Palisade(Canvas& c, float x0, float x1, float base, float h) {
    for (float x = x0; x <= x1; x += h * 0.35f) {
        c.Draw(Poly({{x - h * 0.15f, base},
                     {x - h * 0.15f, base - h * 0.8f},
                     {x, base - h},
                     {x + h * 0.15f, base - h * 0.8f},
                     {x + h * 0.15f, base}}),
               pal::kWood, 0.3f);
    }
}

// A small house with a pitched roof standing on `base`.
void House(Canvas& c, float x, float base, float s, Rgb roof) {
    c.Draw(Rect(x - s, base - s * 1.2f, x + s, base), pal::kParchment, 0.4f);
    c.Draw(Poly({{x - s * 1.3f, base - s * 1.1f},
                 {x, base - s * 2.3f},
                 {x + s * 1.3f, base - s * 1.1f}}),
           roof, 0.4f);
    c.Draw(Rect(x - s * 0.25f, base - s * 0.6f, x + s * 0.25f, base), pal::kWoodDark, 0.3f);
}

// A column of flames on `base`.
void Flames(Canvas& c, float x, float base, float h) {
    Shape fire = Poly({{x - h * 0.35f, base},
                       {x - h * 0.2f, base - h * 0.6f},
                       {x, base - h},
                       {x + h * 0.15f, base - h * 0.55f},
                       {x + h * 0.35f, base}});
    c.Glow(fire, h * 0.8f, pal::kFire, 0.5f);
    c.Fill(fire, pal::kFire, 0.9f);
    c.Fill(Poly({{x - h * 0.15f, base}, {x, base - h * 0.55f}, {x + h * 0.15f, base}}),
           {1.0f, 0.85f, 0.4f}, 0.9f);
}

// The Dark Mines: a mine under grey peaks, a cart of dark iron and a dwarf.
void DarkMines(Canvas& c) {
    Sky(c, {0.42f, 0.46f, 0.55f}, {0.78f, 0.76f, 0.72f}, 56);
    Mountains(c, 74, 56, Mix(pal::kStone, pal::kStoneDark, 0.4f), 2, 41);
    Ground(c, pal::kStoneDark * 1.2f, 74);
    Shape mouth = Union(Rect(40, 54, 60, 76), Circle(50, 54, 10));
    c.Draw(mouth, pal::kBlack, 1.0f);
    c.Draw(Rect(36, 46, 40, 76), pal::kWood, 0.7f);
    c.Draw(Rect(60, 46, 64, 76), pal::kWood, 0.7f);
    c.Draw(Rect(34, 42, 66, 47), pal::kWood, 0.7f);
    c.Glow(Circle(50, 62, 1.5f), 8, pal::kFire, 0.7f);
    c.Fill(Circle(50, 62, 1.5f), pal::kFire);
    c.Outline(Segment(45, 76, 34, 90, 0.1f), 0.8f, kInk, 0.8f);
    c.Outline(Segment(55, 76, 66, 90, 0.1f), 0.8f, kInk, 0.8f);
    for (int i = 0; i < 4; ++i) {
        const float y = 79 + static_cast<float>(i) * 3;
        const float half = 6 + static_cast<float>(i) * 2.5f;
        c.Outline(Segment(50 - half, y, 50 + half, y, 0.1f), 0.7f, pal::kWoodDark, 0.8f);
    }
    // The cart of dark iron.
    for (int i = 0; i < 4; ++i)
        c.Draw(Circle(19 + static_cast<float>(i) * 3.5f, 71 - static_cast<float>(i % 2), 2.4f),
               Mix(pal::kIron * 0.4f, pal::kPurple, 0.25f), 0.5f);
    c.Draw(Poly({{14, 71}, {32, 71}, {29, 80}, {17, 80}}), pal::kWood, 0.8f);
    c.Draw(Circle(19, 81, 2), pal::kIron * 0.5f, 0.5f);
    c.Draw(Circle(27, 81, 2), pal::kIron * 0.5f, 0.5f);
    Person dwarf;
    dwarf.cx = 80;
    dwarf.headY = 56;
    dwarf.scale = 0.26f;
    dwarf.standing = true;
    dwarf.head = Person::Head::HornedHelm;
    dwarf.beard = true;
    dwarf.beardColour = {0.72f, 0.36f, 0.14f};
    dwarf.armour = true;
    dwarf.tunic = pal::kCloth;
    dwarf.weapon = Person::Weapon::Axe;
    DrawPerson(c, dwarf);
}

// Arena Of Kings: the arena on its isle in the straits, two causeways from the shores.
void ArenaOfKings(Canvas& c) {
    Sky(c, kDay, kHaze, 44);
    c.Fill(Rect(0, 44, 100, 100), Paint(pal::kSea));
    for (int i = 0; i < 8; ++i) {
        const float y = 50 + static_cast<float>(i) * 6;
        const float x = static_cast<float>((i * 37) % 80);
        c.Outline(Curve({x, y}, {x + 5, y - 1.5f}, {x + 10, y}, 0.1f, 0.1f), 0.5f, pal::kFoam,
                  0.7f);
    }
    c.Draw(Poly({{-5, 100}, {-5, 58}, {12, 62}, {20, 100}}), pal::kGrass, 1.0f);
    c.Draw(Poly({{105, 100}, {105, 56}, {88, 60}, {80, 100}}), pal::kGrass, 1.0f);
    c.Draw(Poly({{12, 76}, {32, 66}, {34, 70}, {15, 81}}), pal::kStone, 0.6f);
    c.Draw(Poly({{88, 76}, {68, 66}, {66, 70}, {85, 81}}), pal::kStone, 0.6f);
    c.Draw(Ellipse(50, 68, 22, 8), pal::kSand, 1.0f);
    Shape drum = Rect(31, 46, 69, 66, 3);
    c.Draw(drum, pal::kSand * 0.9f, 1.2f);
    for (int row = 0; row < 2; ++row) {
        for (int i = 0; i < 7; ++i) {
            const float x = 35 + static_cast<float>(i) * 5;
            const float y = 50 + static_cast<float>(row) * 8;
            c.Draw(Union(Rect(x - 1.5f, y, x + 1.5f, y + 5), Circle(x, y, 1.5f)), pal::kBlack * 2,
                   0.4f);
        }
    }
    c.Draw(Ellipse(50, 46, 19, 3.5f), pal::kSand * 0.75f, 0.9f);
    for (int i = 0; i < 5; ++i)
        DrawBanner(c, 34 + static_cast<float>(i) * 8, 45, 9, i % 2 ? pal::kBlood : pal::kGold);
}

// The Keeps: four keeps in the lords' colours around a still lake.
void TheKeeps(Canvas& c) {
    Sky(c, kDay, kHaze, 40);
    Hills(c, 42, pal::kGrass * 0.9f, 17);
    Ground(c, pal::kGrass, 44);
    Shape lake = Ellipse(50, 66, 30, 9);
    c.Draw(lake, pal::kSea, 1.0f);
    for (int i = 0; i < 3; ++i)
        c.Outline(Segment(38 + static_cast<float>(i) * 8, 63 + static_cast<float>(i) * 2.5f,
                          44 + static_cast<float>(i) * 8, 63 + static_cast<float>(i) * 2.5f, 0.1f),
                  0.5f, pal::kFoam, 0.8f);
    DrawCastle(c, 20, 56, 18, LordColour(1));
    DrawCastle(c, 80, 56, 18, LordColour(2));
    DrawCastle(c, 16, 86, 24, LordColour(3));
    DrawCastle(c, 84, 86, 24, LordColour(4));
}

// Cauldrons Of Doom: three cauldrons steaming green over the fens at dusk.
void Cauldrons(Canvas& c) {
    Sky(c, {0.3f, 0.22f, 0.35f}, {0.62f, 0.56f, 0.46f}, 50, false);
    Moon(c, 18, 24, 5);
    Ground(c, Mix(pal::kPine, pal::kEarth, 0.5f), 52);
    const Pt pools[] = {{16, 60}, {40, 82}, {74, 60}, {88, 84}};
    for (const Pt& p : pools)
        c.Draw(Ellipse(p.x, p.y, 10, 2.5f), pal::kSeaDeep * 0.7f, 0.5f);
    for (int i = 0; i < 12; ++i) {
        const float x = 4 + static_cast<float>(i) * 8.3f;
        const float y = 66 + static_cast<float>((i * 5) % 4) * 5;
        c.Outline(Segment(x, y, x + 1, y - 5, 0.1f), 0.5f, pal::kPine * 0.7f, 0.8f);
    }
    struct Pot {
        float x, base, s;
    };
    for (const Pot& p : {Pot{24, 74, 7}, Pot{52, 66, 9}, Pot{80, 76, 7}}) {
        const Rgb brew{0.48f, 0.9f, 0.36f};
        for (int k = 0; k < 3; ++k) {
            const float sx = p.x - p.s * 0.4f + static_cast<float>(k) * p.s * 0.4f;
            c.Fill(Curve({sx, p.base - p.s * 1.4f}, {sx - p.s * 0.5f, p.base - p.s * 2.4f},
                         {sx + p.s * 0.2f, p.base - p.s * 3.4f}, p.s * 0.25f, p.s * 0.08f),
                   Mix(brew, pal::kWhite, 0.5f), 0.45f);
        }
        c.Draw(Segment(p.x - p.s * 0.7f, p.base - p.s * 0.5f, p.x - p.s * 0.9f, p.base, 0.5f),
               pal::kBlack, 0.3f);
        c.Draw(Segment(p.x + p.s * 0.7f, p.base - p.s * 0.5f, p.x + p.s * 0.9f, p.base, 0.5f),
               pal::kBlack, 0.3f);
        c.Draw(Intersect(Circle(p.x, p.base - p.s * 0.9f, p.s),
                         Rect(p.x - p.s - 1, p.base - p.s * 1.3f, p.x + p.s + 1, p.base)),
               pal::kBlack * 1.6f, 0.8f);
        c.Glow(Ellipse(p.x, p.base - p.s * 1.3f, p.s * 0.8f, p.s * 0.2f), p.s * 1.2f, brew, 0.6f);
        c.Draw(Ellipse(p.x, p.base - p.s * 1.3f, p.s * 1.05f, p.s * 0.28f), pal::kIron * 0.35f,
               0.6f);
        c.Fill(Ellipse(p.x, p.base - p.s * 1.3f, p.s * 0.8f, p.s * 0.18f), brew);
    }
    SkeletonGuard(c, 38, 84, 10);
}

// Dragon Breeders: the black altar with dragon eggs on the burnt hill of the Ember Isle, a
// castle of each house on the shore and a young dragon in the sky.
void DragonBreeders(Canvas& c) {
    Sky(c, {0.35f, 0.12f, 0.08f}, {0.95f, 0.55f, 0.25f}, 60, false);
    c.Fill(Rect(0, 60, 100, 100), Paint(pal::kSeaDeep * 0.6f));
    Shape isle =
        Poly({{-5, 100}, {-5, 68}, {18, 64}, {38, 48}, {62, 48}, {82, 64}, {105, 68}, {105, 100}});
    c.Draw(isle, Mix(pal::kBlack * 3, pal::kEarth, 0.3f), 1.0f);
    c.Hatch(isle, 2.2f, 60, 0.4f, kInk, 0.35f, 0.5f);
    DrawCastle(c, 12, 70, 16, LordColour(1), pal::kStoneDark);
    DrawCastle(c, 88, 70, 16, LordColour(3), pal::kStoneDark);
    c.Draw(Rect(40, 43, 60, 50), pal::kBlack, 0.8f);
    c.Draw(Rect(43, 39, 57, 44), pal::kBlack * 1.5f, 0.8f);
    struct Egg {
        float x, y, r;
    };
    for (const Egg& e : {Egg{45.5f, 35.5f, 2.4f}, Egg{50, 34.5f, 2.9f}, Egg{54.5f, 35.5f, 2.4f}}) {
        c.Glow(Ellipse(e.x, e.y, e.r, e.r * 1.3f), 4, pal::kFire, 0.5f);
        c.Draw(Ellipse(e.x, e.y, e.r, e.r * 1.3f), Mix(pal::kGold, pal::kBlood, 0.35f), 0.5f);
        c.Fill(Circle(e.x - e.r * 0.3f, e.y - e.r * 0.4f, e.r * 0.2f), pal::kBlood * 0.7f);
        c.Fill(Circle(e.x + e.r * 0.35f, e.y + e.r * 0.2f, e.r * 0.18f), pal::kBlood * 0.7f);
    }
    // The young dragon: body, neck, tail and two spread wings.
    const Rgb scales{0.45f, 0.16f, 0.12f};
    c.Draw(Poly({{66, 24}, {58, 10}, {76, 16}}), scales * 0.7f, 0.6f);
    c.Draw(Poly({{72, 24}, {84, 12}, {86, 22}}), scales * 0.7f, 0.6f);
    c.Draw(Stroke({{60, 28}, {68, 25}, {78, 25}, {88, 30}}, 2.2f, 0.5f), scales, 0.6f);
    c.Draw(Poly({{56, 27}, {61, 25}, {61, 29}}), scales, 0.5f);
}

// The Graveyards: barrow hills under the moon, graves before them and the road round them.
void Graveyards(Canvas& c) {
    Sky(c, pal::kNight, {0.48f, 0.5f, 0.6f}, 58, false);
    Stars(c, 45, 19);
    Moon(c, 80, 24, 6);
    for (const Pt& b : {Pt{26, 62}, Pt{66, 60}}) {
        Shape barrow =
            Intersect(Ellipse(b.x, b.y, 22, 13), Rect(b.x - 23, b.y - 14, b.x + 23, b.y));
        c.Draw(barrow, Mix(pal::kGrassDark, pal::kNight, 0.45f), 0.9f);
        c.Draw(Union(Rect(b.x - 3, b.y - 7, b.x + 3, b.y), Circle(b.x, b.y - 7, 3)), pal::kBlack,
               0.6f);
        c.Draw(Rect(b.x - 5, b.y - 10.5f, b.x + 5, b.y - 8.5f), pal::kStone * 0.7f, 0.4f);
    }
    Ground(c, Mix(pal::kGrassDark, pal::kNight, 0.55f), 62);
    c.Draw(Stroke({{44, 100}, {40, 86}, {52, 74}, {46, 62}}, 5, 1.2f), pal::kEarth * 0.7f, 0.6f);
    for (int i = 0; i < 5; ++i)
        Tombstone(c, 12 + static_cast<float>(i) * 7, 82 - static_cast<float>(i % 2) * 4, 2.6f);
    for (int i = 0; i < 3; ++i)
        Tombstone(c, 66 + static_cast<float>(i) * 9, 80 + static_cast<float>(i % 2) * 3, 2.6f);
    c.Glow(Circle(26, 72, 3), 10, {0.5f, 0.95f, 0.55f}, 0.35f);
    SkeletonGuard(c, 26, 78, 9);
}

// Ring Of Kings: the Eldest's anvil in the Elderwood, the golden ring glowing above it.
void RingOfKings(Canvas& c) {
    Sky(c, {0.45f, 0.55f, 0.45f}, {0.85f, 0.85f, 0.7f}, 46);
    Ground(c, pal::kLeaf * 0.85f, 50);
    auto tree = [&c](float x, float base, float s) {
        c.Draw(Rect(x - s * 0.18f, base - s * 1.3f, x + s * 0.18f, base), pal::kWoodDark, 0.6f);
        c.Draw(Ellipse(x, base - s * 1.5f, s * 0.75f, s * 0.6f), pal::kPine, 0.7f);
        c.Draw(Ellipse(x - s * 0.3f, base - s * 1.8f, s * 0.55f, s * 0.45f), pal::kLeaf * 0.8f,
               0.6f);
    };
    tree(8, 72, 26);
    tree(28, 58, 18);
    tree(74, 58, 18);
    tree(94, 74, 26);
    c.Glow(Circle(50, 66, 7), 14, pal::kFire, 0.45f);
    c.Draw(Rect(42, 70, 58, 84, 1), pal::kWood, 0.7f);
    c.Draw(Poly({{36, 62}, {62, 62}, {64, 65}, {56, 66}, {54, 70}, {46, 70}, {44, 66}, {38, 65}}),
           pal::kIron * 0.45f, 0.7f);
    c.Draw(Segment(64, 82, 70, 66, 0.8f), pal::kWood, 0.4f);
    c.Draw(Rect(66, 63, 74, 67, 0.5f), pal::kIron * 0.5f, 0.4f);
    c.Glow(Circle(50, 46, 6), 12, pal::kGold, 0.55f);
    c.Outline(Circle(50, 46, 5.5f), 2.4f, pal::kGold, 1.0f);
    c.Outline(Circle(50, 46, 6.8f), 0.4f, kInk, 0.8f);
    c.Outline(Circle(50, 46, 4.2f), 0.4f, kInk, 0.8f);
    DrawGem(c, 50, 39.5f, 2.2f, {0.2f, 0.55f, 0.35f});
}

// The Demon Pact: a town burning on the ashen plain, a demon's face in its smoke.
void DemonPact(Canvas& c) {
    Sky(c, {0.2f, 0.12f, 0.12f}, {0.7f, 0.35f, 0.2f}, 60, false);
    for (int i = 0; i < 5; ++i)
        c.Fill(Ellipse(44 + static_cast<float>(i) * 3, 50 - static_cast<float>(i) * 8,
                       10 + static_cast<float>(i) * 3, 7),
               {0.3f, 0.27f, 0.27f}, 0.55f);
    const Rgb horn = pal::kBone * 0.7f;
    c.Draw(Curve({44, 22}, {34, 18}, {34, 8}, 1.8f, 0.3f), horn, 0.5f);
    c.Draw(Curve({58, 22}, {68, 18}, {68, 8}, 1.8f, 0.3f), horn, 0.5f);
    c.Glow(Circle(46, 27, 1.4f), 5, pal::kFire, 0.8f);
    c.Glow(Circle(56, 27, 1.4f), 5, pal::kFire, 0.8f);
    c.Fill(Ellipse(46, 27, 1.8f, 1.0f), {1.0f, 0.85f, 0.4f});
    c.Fill(Ellipse(56, 27, 1.8f, 1.0f), {1.0f, 0.85f, 0.4f});
    Ground(c, {0.45f, 0.42f, 0.4f}, 62);
    const Rgb roofs[] = {pal::kBlood * 0.7f, pal::kWoodDark, pal::kEarth};
    for (int i = 0; i < 5; ++i) {
        const float x = 22 + static_cast<float>(i) * 14;
        const float base = 74 - static_cast<float>(i % 2) * 4;
        House(c, x, base, 4.5f, roofs[i % 3]);
        if (i != 2) Flames(c, x + 1, base - 8, 8 + static_cast<float>(i % 2) * 3);
    }
    c.Draw(Rect(44, 52, 52, 70), pal::kStone * 0.8f, 0.6f);
    c.Draw(Poly({{43, 52}, {48, 42}, {53, 52}}), pal::kBlood * 0.6f, 0.6f);
    Flames(c, 48, 52, 10);
    Soldier(c, 12, 70, 0.2f, LordColour(3), false);
}

// Gate Of Hell: three causeways over the lakes meet at the red hill where the gate stands open.
void GateOfHell(Canvas& c) {
    Sky(c, {0.3f, 0.08f, 0.06f}, {0.85f, 0.4f, 0.2f}, 44, false);
    c.Fill(Rect(0, 44, 100, 100), Paint(pal::kSeaDeep * 0.7f));
    c.Draw(Poly({{-5, 50}, {30, 46}, {20, 56}, {-5, 60}}), pal::kGrassDark * 0.7f, 0.6f);
    c.Draw(Poly({{105, 50}, {70, 46}, {80, 56}, {105, 60}}), pal::kGrassDark * 0.7f, 0.6f);
    c.Draw(Poly({{0, 86}, {40, 64}, {42, 68}, {4, 92}}), pal::kStone * 0.85f, 0.6f);
    c.Draw(Poly({{100, 86}, {60, 64}, {58, 68}, {96, 92}}), pal::kStone * 0.85f, 0.6f);
    c.Draw(Poly({{47, 100}, {48, 70}, {52, 70}, {53, 100}}), pal::kStone * 0.85f, 0.6f);
    Shape hill = Intersect(Ellipse(50, 68, 20, 16), Rect(28, 48, 72, 70));
    c.Draw(hill, Mix(pal::kBlood, pal::kEarth, 0.4f), 1.0f);
    c.Hatch(hill, 2, 70, 0.4f, kInk, 0.3f, 0.55f);
    Shape opening = Union(Rect(45, 42, 55, 56), Circle(50, 42, 5));
    c.Glow(opening, 12, pal::kFire, 0.7f);
    c.Draw(Rect(40, 36, 45, 56), pal::kBlack * 2, 0.7f);
    c.Draw(Rect(55, 36, 60, 56), pal::kBlack * 2, 0.7f);
    c.Draw(Subtract(Intersect(Circle(50, 42, 10), Rect(40, 30, 60, 42)), Circle(50, 42, 5)),
           pal::kBlack * 2, 0.7f);
    c.Fill(opening, {1.0f, 0.62f, 0.2f});
    c.Fill(Union(Rect(47, 46, 53, 56), Circle(50, 46, 3)), {1.0f, 0.88f, 0.5f});
}

// The Captive Princess: the sorcerer's citadel on the northern cliffs, the princess at its
// tower window, skeletons on the cliff path and a knight coming to free her.
void Princess(Canvas& c) {
    Sky(c, {0.3f, 0.25f, 0.45f}, {0.82f, 0.6f, 0.55f}, 64);
    c.Fill(Rect(0, 72, 100, 100), Paint(pal::kSeaDeep));
    Ground(c, pal::kGrassDark, 80);
    Shape cliff = Poly({{22, 100}, {30, 66}, {44, 50}, {70, 44}, {96, 50}, {105, 70}, {105, 100}});
    c.Draw(cliff, pal::kStoneDark * 1.1f, 1.0f);
    c.Hatch(cliff, 2.2f, 75, 0.4f, kInk, 0.35f, 0.4f);
    c.Draw(Stroke({{26, 96}, {40, 86}, {34, 76}, {48, 66}, {44, 56}, {56, 48}}, 1.6f, 1.0f),
           pal::kEarth, 0.4f);
    DrawCastle(c, 62, 48, 26, pal::kPurple, pal::kStoneDark);
    // The tower with the princess at its window.
    c.Draw(Rect(78, 14, 94, 48), pal::kStoneDark * 0.95f, 0.8f);
    c.Hatch(Rect(78, 14, 94, 48), 2, 70, 0.35f, kInk, 0.35f, 0.55f);
    c.Draw(Poly({{76, 14}, {86, 2}, {96, 14}}), pal::kPurple * 0.8f, 0.8f);
    Shape window = Union(Rect(81, 22, 91, 34), Circle(86, 22, 5));
    c.Glow(window, 5, pal::kGold, 0.5f);
    c.Draw(window, Mix(pal::kGold, pal::kWhite, 0.4f), 0.5f);
    Person princess;
    princess.cx = 86;
    princess.headY = 24;
    princess.scale = 0.17f;
    princess.longHair = true;
    princess.lady = true;
    princess.hair = {0.85f, 0.62f, 0.24f};
    princess.head = Person::Head::Crown;
    princess.tunic = {0.82f, 0.5f, 0.62f};
    princess.trim = pal::kWhite;
    DrawPerson(c, princess);
    c.Outline(window, 0.6f, kInk, 0.9f);
    SkeletonGuard(c, 40, 86, 9);
    SkeletonGuard(c, 46, 66, 8);
    Soldier(c, 12, 80, 0.15f, LordColour(1), false);
}

// The Front Line: a wall of mountains, fortified villages on the road through it, and the efreet
// on the hidden path by the eastern cliffs.
void FrontLine(Canvas& c) {
    Sky(c, kDay, kHaze, 46);
    Mountains(c, 60, 28, pal::kStone, 5, 77);
    Ground(c, pal::kGrass, 60);
    c.Draw(Stroke({{30, 100}, {36, 80}, {44, 68}, {46, 58}}, 3.5f, 1.2f), pal::kEarth, 0.5f);
    for (const Pt& v : {Pt{20, 80}, Pt{58, 72}}) {
        House(c, v.x - 5, v.y, 3.5f, pal::kBlood * 0.85f);
        House(c, v.x + 4, v.y - 2, 3.0f, pal::kWood);
        Palisade(c, v.x - 12, v.x + 12, v.y + 3, 6);
        DrawBanner(c, v.x + 12, v.y - 4, 8, LordColour(v.x < 40 ? 1 : 3));
    }
    Shape cliffs = Poly({{78, 100}, {80, 70}, {86, 54}, {96, 44}, {105, 44}, {105, 100}});
    c.Draw(cliffs, pal::kStoneDark * 1.1f, 1.0f);
    c.Hatch(cliffs, 2.2f, 75, 0.4f, kInk, 0.35f, 0.4f);
    c.Draw(Stroke({{82, 100}, {84, 82}, {90, 66}, {96, 56}}, 1.2f, 0.8f), pal::kEarth, 0.3f);
    FireSpirit(c, 88, 74, 18);
}

struct ThemeLandscape {
    const char* baseName;
    void (*paint)(Canvas&);
};

// The shipped theme scenarios, each with the landscape of its theme.
constexpr ThemeLandscape kThemeLandscapes[] = {
    {"darkmines", DarkMines},     {"arenaofkings", ArenaOfKings},     {"thekeeps", TheKeeps},
    {"cauldrons", Cauldrons},     {"dragonbreeders", DragonBreeders}, {"graveyards", Graveyards},
    {"ringofkings", RingOfKings}, {"demonpact", DemonPact},           {"gateofhell", GateOfHell},
    {"princess", Princess},       {"frontline", FrontLine},
};

}  // namespace

void AddLandscapePainters(PainterTable& t) {
    const char* listed[] = {"desertofdarkness", "thecrusades", "thecurse", "fallenangel",
                            "swordofnaragul",   "gladiator",   "showdown", "showdown2"};
    for (int i = 0; i < 8; ++i)
        t[listed[i]] = Wide([i](Canvas& c) { ListedLandscape(c, i); });
    for (const ThemeLandscape& l : kThemeLandscapes) {
        t[l.baseName] = Wide([l](Canvas& c) {
            Parchment(c);
            l.paint(c);
            Frame(c);
        });
    }
}

}  // namespace gendata
