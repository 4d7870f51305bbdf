// Monsters and beasts: one painter per archetype, also used for the named opponents of the
// map events (the dragon, the efreet, the vampire, the nightscares) and the war elephant.
#include <cmath>

#include "catalog.h"
#include "motifs.h"

namespace gendata {

namespace {

constexpr float kPi = 3.14159265f;

// A dark cave or a blood-red glow behind a monster.
void Lair(Canvas& c, Rgb glow) {
    DungeonWall(c, 50, 30);
    c.Glow(Circle(50, 50, 20), 50, glow, 0.35f);
    c.Fill(Rect(0, 78, 100, c.H()), pal::kStoneDark * 0.7f, 0.85f);
    c.Outline(Rect(1.5f, 1.5f, 98.5f, c.H() - 1.5f, 2), 3, kInk, 0.9f);
}

void Eyes(Canvas& c, float x, float y, float gap, float r, Rgb colour) {
    for (float d : {-gap, gap}) {
        c.Glow(Circle(x + d, y, r), r * 3, colour, 0.6f);
        c.Draw(Ellipse(x + d, y, r, r * 0.7f), colour, 0.4f);
        c.Fill(Ellipse(x + d, y, r * 0.3f, r * 0.6f), pal::kBlack);
    }
}

void Teeth(Canvas& c, float x0, float x1, float y, float h, int n) {
    for (int i = 0; i < n; ++i) {
        const float a = x0 + (x1 - x0) * static_cast<float>(i) / static_cast<float>(n);
        const float b = x0 + (x1 - x0) * static_cast<float>(i + 1) / static_cast<float>(n);
        c.Draw(Poly({{a, y}, {b, y}, {(a + b) / 2, y + h}}), pal::kBone, 0.5f);
    }
}

// Humanoid brutes: orc, goblin, troll, giant, zombie, mummy.
void Brute(Canvas& c, Rgb skin, float size, bool tusks, bool ears, Rgb cloth, int weapon) {
    const float s = size;
    auto X = [&](float u) { return 50 + u * s; };
    auto Y = [&](float v) { return 45 + v * s; };
    DrawShadow(c, 52, 92, 36 * s, 4);
    c.Draw(Poly({{X(-34), Y(60)},
                 {X(-38), Y(18)},
                 {X(-22), Y(6)},
                 {X(22), Y(6)},
                 {X(38), Y(18)},
                 {X(34), Y(60)}}),
           skin * 0.9f, 1.4f);
    c.Draw(Poly({{X(-28), Y(60)}, {X(-24), Y(28)}, {X(24), Y(28)}, {X(28), Y(60)}}), cloth, 1.2f);
    c.Hatch(Poly({{X(-28), Y(60)}, {X(-24), Y(28)}, {X(24), Y(28)}, {X(28), Y(60)}}), 3, 45, 0.6f,
            kInk, 0.3f, 0.4f);
    if (ears) {
        c.Draw(Poly({{X(-14), Y(-8)}, {X(-34), Y(-20)}, {X(-14), Y(2)}}), skin, 1.2f);
        c.Draw(Poly({{X(14), Y(-8)}, {X(34), Y(-20)}, {X(14), Y(2)}}), skin, 1.2f);
    }
    Shape head = Union(Ellipse(X(0), Y(-6), 17 * s, 18 * s), Ellipse(X(0), Y(6), 15 * s, 10 * s));
    c.Draw(head, skin, 1.4f);
    c.Hatch(head, 2.5f, 70, 0.5f, kInk, 0.3f, 0.6f);
    c.Draw(Poly({{X(-13), Y(-14)}, {X(-2), Y(-9)}, {X(-3), Y(-6)}, {X(-14), Y(-10)}}), skin * 0.6f,
           0.6f);
    c.Draw(Poly({{X(13), Y(-14)}, {X(2), Y(-9)}, {X(3), Y(-6)}, {X(14), Y(-10)}}), skin * 0.6f,
           0.6f);
    Eyes(c, X(0), Y(-4), 7 * s, 2.6f * s, {0.95f, 0.8f, 0.2f});
    c.Draw(Rect(X(-9), Y(7), X(9), Y(12), 2), pal::kBlack, 0.8f);
    if (tusks) {
        c.Draw(Poly({{X(-8), Y(10)}, {X(-6), Y(0)}, {X(-4), Y(10)}}), pal::kBone, 0.6f);
        c.Draw(Poly({{X(8), Y(10)}, {X(6), Y(0)}, {X(4), Y(10)}}), pal::kBone, 0.6f);
    } else {
        Teeth(c, X(-8), X(8), Y(7), 2.5f * s, 5);
    }
    if (weapon == 1) {
        c.Draw(Segment(X(40), Y(60), X(46), Y(-30), 3 * s), pal::kWood, 1.2f);
        c.Draw(Ellipse(X(46), Y(-34), 9 * s, 12 * s), pal::kWood, 1.2f);
    } else if (weapon == 2) {
        DrawAxe(c, X(42), Y(60), X(44), Y(-24), 5 * s);
    }
    c.Draw(Circle(X(38), Y(40), 7 * s), skin, 1.2f);
}

void Skeleton(Canvas& c, bool mummy) {
    const Rgb bone = mummy ? Rgb{0.82f, 0.76f, 0.6f} : pal::kBone;
    for (int i = 0; i < 5; ++i) {
        const float y = 58 + static_cast<float>(i) * 6;
        c.Draw(Stroke({{34, y + 4}, {50, y}, {66, y + 4}}, 1.6f, 1.6f), bone, 0.8f);
    }
    c.Draw(Rect(47, 50, 53, 92), bone, 0.8f);
    c.Draw(Segment(30, 58, 18, 84, 2.5f), bone, 0.8f);
    c.Draw(Segment(70, 58, 82, 80, 2.5f), bone, 0.8f);
    if (!mummy) DrawSword(c, 82, 82, 88, 30, 5, pal::kIron);
    Shape skull = Union(Circle(50, 32, 17), Rect(40, 36, 60, 52, 4));
    c.Draw(skull, bone, 1.5f);
    if (mummy) {
        for (int i = 0; i < 7; ++i) {
            const float y = 18 + static_cast<float>(i) * 5.5f;
            c.Outline(Segment(32, y, 68, y + 3, 0.1f), 1.4f, bone * 0.7f, 0.8f);
        }
        for (int i = 0; i < 5; ++i)
            c.Outline(Segment(34, 60 + static_cast<float>(i) * 7, 66,
                              62 + static_cast<float>(i) * 7, 0.1f),
                      1.2f, bone * 0.7f, 0.8f);
        Eyes(c, 50, 32, 7, 2.5f, {0.5f, 0.9f, 0.4f});
    } else {
        c.Draw(Ellipse(43, 32, 5, 6), pal::kBlack, 0.5f);
        c.Draw(Ellipse(57, 32, 5, 6), pal::kBlack, 0.5f);
        c.Glow(Circle(43, 32, 1.5f), 4, {0.4f, 0.9f, 1.0f}, 0.7f);
        c.Glow(Circle(57, 32, 1.5f), 4, {0.4f, 0.9f, 1.0f}, 0.7f);
        c.Draw(Poly({{50, 38}, {47, 43}, {53, 43}}), pal::kBlack, 0.4f);
        Teeth(c, 42, 58, 46, 3, 6);
    }
}

void Ghost(Canvas& c) {
    std::vector<Pt> body = {{30, 40}};
    for (int i = 0; i <= 6; ++i)
        body.push_back({30 + static_cast<float>(i) * 6.7f, 88 + (i % 2 ? -6.0f : 2.0f)});
    body.push_back({70, 40});
    Shape sh = Union(Circle(50, 38, 20), Poly(body));
    c.Glow(sh, 14, {0.7f, 0.9f, 1.0f}, 0.45f);
    c.Fill(sh, Rgb{0.85f, 0.93f, 0.97f}, 0.8f);
    c.Outline(sh, 1.2f, kInk, 0.5f);
    c.Fill(Ellipse(43, 36, 4, 6), pal::kBlack, 0.85f);
    c.Fill(Ellipse(57, 36, 4, 6), pal::kBlack, 0.85f);
    c.Fill(Ellipse(50, 50, 5, 7), pal::kBlack, 0.8f);
    c.Draw(Curve({32, 56}, {18, 60}, {14, 48}, 3, 1.5f), Rgb{0.85f, 0.93f, 0.97f}, 0.6f);
    c.Draw(Curve({68, 56}, {82, 60}, {86, 48}, 3, 1.5f), Rgb{0.85f, 0.93f, 0.97f}, 0.6f);
}

void Vampire(Canvas& c) {
    c.Draw(Poly({{50, 30},
                 {8, 18},
                 {16, 40},
                 {4, 56},
                 {24, 62},
                 {20, 92},
                 {80, 92},
                 {76, 62},
                 {96, 56},
                 {84, 40},
                 {92, 18}}),
           pal::kBlack * 1.6f, 1.4f);
    c.Fill(Poly({{50, 44}, {26, 60}, {30, 92}, {70, 92}, {74, 60}}), pal::kBlood * 0.55f, 0.9f);
    Person p;
    p.skin = {0.85f, 0.84f, 0.8f};
    p.hair = pal::kBlack;
    p.tunic = pal::kBlack * 1.8f;
    p.glowingEyes = true;
    p.headY = 36;
    p.scale = 1.0f;
    DrawPerson(c, p);
    c.Draw(Poly({{46, 43}, {47.5f, 47}, {49, 43}}), pal::kWhite, 0.4f);
    c.Draw(Poly({{51, 43}, {52.5f, 47}, {54, 43}}), pal::kWhite, 0.4f);
    c.Draw(Poly({{32, 52}, {50, 66}, {68, 52}, {70, 60}, {50, 72}, {30, 60}}), pal::kBlood, 1);
}

void Spider(Canvas& c) {
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 4; ++i) {
            const float a = static_cast<float>(i) * 0.35f - 0.5f;
            const float sx = static_cast<float>(side);
            c.Draw(Stroke({{50 + sx * 8, 58},
                           {50 + sx * (26 + 6 * std::cos(a)), 40 + static_cast<float>(i) * 9},
                           {50 + sx * (42 + static_cast<float>(i) * 2),
                            78 + static_cast<float>(i) * 3}},
                          2.0f, 1.0f),
                   pal::kBlack * 2.0f, 0.8f);
        }
    }
    c.Draw(Ellipse(50, 44, 20, 18), pal::kBlack * 2.2f, 1.5f);
    c.Fill(Poly({{50, 32}, {56, 44}, {50, 54}, {44, 44}}), pal::kBlood, 0.9f);
    c.Draw(Circle(50, 64, 11), pal::kBlack * 2.4f, 1.4f);
    for (int i = 0; i < 4; ++i)
        c.Fill(Circle(44 + static_cast<float>(i) * 4, 62 - static_cast<float>(i % 2) * 2, 1.6f),
               pal::kFire);
    c.Draw(Poly({{44, 72}, {46, 80}, {48, 72}}), pal::kBone, 0.5f);
    c.Draw(Poly({{52, 72}, {54, 80}, {56, 72}}), pal::kBone, 0.5f);
}

void Scorpion(Canvas& c) {
    const Rgb shell{0.62f, 0.36f, 0.16f};
    for (int side = -1; side <= 1; side += 2) {
        const float sx = static_cast<float>(side);
        for (int i = 0; i < 3; ++i)
            c.Draw(Stroke({{50 + sx * 10, 66 + static_cast<float>(i) * 5},
                           {50 + sx * 28, 70 + static_cast<float>(i) * 6},
                           {50 + sx * 34, 84}},
                          1.6f, 1.0f),
                   shell * 0.7f, 0.7f);
        c.Draw(Stroke({{50 + sx * 12, 62}, {50 + sx * 30, 58}, {50 + sx * 36, 44}}, 3, 2.5f), shell,
               1);
        c.Draw(Poly({{50 + sx * 30, 44},
                     {50 + sx * 44, 30},
                     {50 + sx * 40, 44},
                     {50 + sx * 46, 40},
                     {50 + sx * 40, 50}}),
               shell, 1.2f);
    }
    c.Draw(Ellipse(50, 70, 16, 12), shell, 1.5f);
    std::vector<Pt> tail = {{50, 64}, {52, 50}, {58, 36}, {62, 24}, {56, 14}, {46, 14}};
    for (std::size_t i = 0; i + 1 < tail.size(); ++i)
        c.Draw(Circle(tail[i].x, tail[i].y, 6.5f - static_cast<float>(i) * 0.7f), shell, 1.1f);
    c.Draw(Poly({{46, 14}, {38, 20}, {44, 10}}), pal::kBlack, 0.8f);
    Eyes(c, 50, 66, 4, 1.5f, pal::kBlack);
}

void Rat(Canvas& c) {
    const Rgb fur{0.45f, 0.4f, 0.36f};
    c.Draw(Curve({72, 74}, {96, 80}, {90, 54}, 2.0f, 0.6f), Rgb{0.8f, 0.6f, 0.55f}, 0.7f);
    c.Draw(Ellipse(58, 68, 24, 16), fur, 1.4f);
    c.Draw(Poly({{40, 60}, {16, 70}, {40, 78}}), fur, 1.3f);
    c.Draw(Circle(38, 56, 7), Rgb{0.8f, 0.6f, 0.55f}, 1.2f);
    c.Fill(Circle(28, 64, 1.6f), pal::kFire);
    c.Fill(Circle(16, 70, 1.8f), pal::kBlack);
    Teeth(c, 18, 24, 72, 3, 2);
    DrawShadow(c, 56, 86, 30, 3);
}

void Wolf(Canvas& c, bool beast) {
    const Rgb fur = beast ? Rgb{0.42f, 0.3f, 0.2f} : Rgb{0.5f, 0.5f, 0.52f};
    c.Draw(Poly({{26, 92}, {28, 52}, {50, 40}, {72, 52}, {74, 92}}), fur * 0.85f, 1.4f);
    Shape head = Poly({{30, 38},
                       {28, 14},
                       {40, 26},
                       {60, 26},
                       {72, 14},
                       {70, 38},
                       {62, 56},
                       {56, 70},
                       {44, 70},
                       {38, 56}});
    c.Draw(head, fur, 1.5f);
    c.Hatch(head, 2.5f, 60, 0.5f, kInk, 0.3f, 0.55f);
    c.Fill(Poly({{42, 54}, {58, 54}, {56, 70}, {44, 70}}), Mix(fur, pal::kWhite, 0.4f), 0.9f);
    Eyes(c, 50, 40, 8, 2.4f, {0.95f, 0.75f, 0.15f});
    c.Draw(Ellipse(50, 60, 4, 3), pal::kBlack, 0.5f);
    c.Draw(Rect(43, 66, 57, 72, 2), pal::kBlood * 0.6f, 0.8f);
    Teeth(c, 43, 57, 66, 3, 5);
    if (beast) {
        c.Draw(Curve({32, 24}, {20, 10}, {30, 2}, 3, 0.8f), pal::kBone, 0.8f);
        c.Draw(Curve({68, 24}, {80, 10}, {70, 2}, 3, 0.8f), pal::kBone, 0.8f);
    }
}

void Bat(Canvas& c) {
    for (int side = -1; side <= 1; side += 2) {
        const float sx = static_cast<float>(side);
        c.Draw(Poly({{50 + sx * 6, 42},
                     {50 + sx * 30, 22},
                     {50 + sx * 46, 30},
                     {50 + sx * 44, 56},
                     {50 + sx * 34, 50},
                     {50 + sx * 26, 60},
                     {50 + sx * 16, 52},
                     {50 + sx * 8, 60}}),
               pal::kBlack * 2.2f, 1.3f);
    }
    c.Draw(Ellipse(50, 52, 9, 14), pal::kBlack * 2.6f, 1.2f);
    c.Draw(Circle(50, 38, 8), pal::kBlack * 2.6f, 1.2f);
    c.Draw(Poly({{44, 34}, {42, 24}, {48, 32}}), pal::kBlack * 2.6f, 0.8f);
    c.Draw(Poly({{56, 34}, {58, 24}, {52, 32}}), pal::kBlack * 2.6f, 0.8f);
    Eyes(c, 50, 38, 3.5f, 1.6f, pal::kBlood * 1.4f);
}

void Snake(Canvas& c) {
    const Rgb scales{0.42f, 0.55f, 0.22f};
    c.Draw(Stroke({{14, 86},
                   {40, 80},
                   {70, 86},
                   {84, 74},
                   {66, 64},
                   {40, 66},
                   {34, 54},
                   {46, 40},
                   {52, 30}},
                  6, 5),
           scales, 1.4f);
    c.Hatch(Stroke({{14, 86}, {40, 80}, {70, 86}, {84, 74}, {66, 64}, {40, 66}, {34, 54}, {46, 40}},
                   6, 5),
            2.2f, 120, 0.6f, scales * 0.5f, 0.6f, 0.0f);
    Shape head = Ellipse(54, 26, 11, 8);
    c.Draw(head, scales, 1.4f);
    Eyes(c, 54, 23, 5, 1.5f, {0.95f, 0.85f, 0.2f});
    c.Draw(Stroke({{62, 30}, {70, 34}, {68, 38}}, 0.5f, 0.5f), pal::kBlood, 0.2f);
    c.Draw(Stroke({{70, 34}, {73, 32}}, 0.5f, 0.5f), pal::kBlood, 0.2f);
}

void Demon(Canvas& c, Rgb skin, bool wings, float size) {
    const float s = size;
    auto X = [&](float u) { return 50 + u * s; };
    auto Y = [&](float v) { return 46 + v * s; };
    if (wings) {
        for (int side = -1; side <= 1; side += 2) {
            const float sx = static_cast<float>(side);
            c.Draw(Poly({{X(sx * 14), Y(8)},
                         {X(sx * 44), Y(-36)},
                         {X(sx * 48), Y(4)},
                         {X(sx * 40), Y(-2)},
                         {X(sx * 36), Y(16)},
                         {X(sx * 28), Y(10)},
                         {X(sx * 22), Y(24)}}),
                   skin * 0.55f, 1.2f);
        }
    }
    c.Draw(Poly({{X(-30), Y(60)},
                 {X(-32), Y(16)},
                 {X(-16), Y(6)},
                 {X(16), Y(6)},
                 {X(32), Y(16)},
                 {X(30), Y(60)}}),
           skin * 0.85f, 1.4f);
    c.Hatch(Poly({{X(-30), Y(60)},
                  {X(-32), Y(16)},
                  {X(-16), Y(6)},
                  {X(16), Y(6)},
                  {X(32), Y(16)},
                  {X(30), Y(60)}}),
            2.5f, 60, 0.5f, kInk, 0.35f, 0.5f);
    c.Draw(Curve({X(-10), Y(-12)}, {X(-26), Y(-18)}, {X(-24), Y(-38)}, 3.5f * s, 0.6f),
           pal::kBone * 0.8f, 1.0f);
    c.Draw(Curve({X(10), Y(-12)}, {X(26), Y(-18)}, {X(24), Y(-38)}, 3.5f * s, 0.6f),
           pal::kBone * 0.8f, 1.0f);
    Shape head = Poly({{X(-13), Y(-14)},
                       {X(13), Y(-14)},
                       {X(14), Y(2)},
                       {X(6), Y(14)},
                       {X(-6), Y(14)},
                       {X(-14), Y(2)}});
    c.Draw(head, skin, 1.4f);
    Eyes(c, X(0), Y(-4), 6 * s, 2.4f * s, pal::kFire);
    c.Draw(Poly({{X(-7), Y(6)}, {X(7), Y(6)}, {X(0), Y(11)}}), pal::kBlack, 0.6f);
    Teeth(c, X(-6), X(6), Y(6), 2.2f * s, 4);
}

void Imp(Canvas& c) {
    Demon(c, {0.75f, 0.3f, 0.2f}, true, 0.6f);
    c.Draw(Curve({60, 70}, {80, 80}, {84, 62}, 1.2f, 0.8f), {0.75f, 0.3f, 0.2f}, 0.6f);
    c.Draw(Poly({{84, 62}, {80, 58}, {88, 58}}), {0.75f, 0.3f, 0.2f}, 0.6f);
}

void Dragon(Canvas& c) {
    const Rgb scales{0.55f, 0.2f, 0.14f};
    // Wing.
    c.Draw(Poly({{46, 44}, {70, 6}, {96, 14}, {88, 30}, {94, 38}, {80, 44}, {84, 54}, {62, 56}}),
           scales * 0.6f, 1.4f);
    for (int i = 0; i < 3; ++i)
        c.Outline(
            Segment(60, 50, 78 + static_cast<float>(i) * 6, 16 + static_cast<float>(i) * 12, 0.1f),
            1, kInk, 0.6f);
    // Body and tail.
    c.Draw(Stroke({{40, 60}, {60, 70}, {80, 80}, {94, 92}}, 13, 3), scales, 1.4f);
    c.Draw(Ellipse(46, 70, 24, 16), scales, 1.4f);
    c.Hatch(Ellipse(46, 70, 24, 16), 2.5f, 130, 0.5f, kInk, 0.35f, 0.4f);
    c.Fill(Ellipse(40, 76, 16, 8), pal::kSand, 0.6f);
    // Neck and head.
    c.Draw(Stroke({{36, 64}, {26, 46}, {28, 32}}, 9, 7), scales, 1.4f);
    Shape head = Poly({{20, 22}, {34, 18}, {40, 28}, {30, 36}, {8, 40}, {6, 34}});
    c.Draw(head, scales, 1.4f);
    c.Draw(Poly({{26, 20}, {36, 6}, {34, 20}}), pal::kBone, 0.8f);
    c.Draw(Poly({{20, 22}, {24, 8}, {28, 20}}), pal::kBone, 0.8f);
    Eyes(c, 26, 25, 0.01f, 2, {0.95f, 0.85f, 0.2f});
    Teeth(c, 8, 22, 36, 2.5f, 4);
    // Fire.
    Shape fire = Poly({{6, 38}, {0, 44}, {-4, 56}, {4, 62}, {14, 50}});
    c.Glow(fire, 12, pal::kFire, 0.6f);
    c.Fill(fire, {1.0f, 0.8f, 0.3f}, 0.85f);
    for (int i = 0; i < 5; ++i)
        c.Draw(Curve({30 + static_cast<float>(i) * 8, 56 - static_cast<float>(i) * 1.0f},
                     {34 + static_cast<float>(i) * 8, 48}, {36 + static_cast<float>(i) * 8, 52},
                     1.5f, 0.3f),
               pal::kBone, 0.5f);
}

void Giant(Canvas& c) {
    Brute(c, {0.72f, 0.6f, 0.48f}, 1.15f, false, false, pal::kEarth, 1);
}

void Elemental(Canvas& c) {
    std::vector<Pt> flame;
    for (int i = 0; i <= 16; ++i) {
        const float a = kPi * static_cast<float>(i) / 16.0f;
        const float r = 34 + (i % 2 ? 10.0f : 0.0f);
        flame.push_back({50 - r * std::cos(a) * 0.8f, 62 - r * std::sin(a) * 1.25f});
    }
    flame.push_back({70, 94});
    flame.push_back({30, 94});
    Shape body = Poly(flame);
    c.Glow(body, 16, pal::kFire, 0.6f);
    Paint p;
    p.colour = pal::kFire;
    c.Fill(body, p);
    c.Fill(Grow(body, -8), {1.0f, 0.85f, 0.4f}, 0.8f);
    c.Outline(body, 1.2f, kInk, 0.6f);
    c.Fill(Ellipse(42, 40, 5, 3), pal::kBlack, 0.9f);
    c.Fill(Ellipse(58, 40, 5, 3), pal::kBlack, 0.9f);
    c.Fill(Ellipse(50, 54, 8, 4), pal::kBlack, 0.8f);
    c.Draw(Stroke({{30, 60}, {14, 50}, {10, 34}}, 5, 3), {1.0f, 0.7f, 0.25f}, 0.8f);
    c.Draw(Stroke({{70, 60}, {86, 50}, {90, 34}}, 5, 3), {1.0f, 0.7f, 0.25f}, 0.8f);
}

void Golem(Canvas& c) {
    const Rgb rock = pal::kStone;
    c.Draw(Rect(22, 44, 78, 88, 4), rock, 1.6f);
    c.Hatch(Rect(22, 44, 78, 88, 4), 3, 70, 0.6f, kInk, 0.4f, 0.5f);
    c.Draw(Rect(8, 44, 24, 80, 3), rock * 0.9f, 1.4f);
    c.Draw(Rect(76, 44, 92, 80, 3), rock * 0.9f, 1.4f);
    c.Draw(Rect(34, 14, 66, 44, 3), rock, 1.6f);
    Eyes(c, 50, 28, 7, 2.4f, {0.4f, 0.9f, 1.0f});
    c.Outline(Stroke({{40, 54}, {50, 66}, {46, 78}}, 0.5f, 0.5f), 1.2f, {0.4f, 0.9f, 1.0f}, 0.8f);
}

void Slime(Canvas& c) {
    Shape blob = Union(Ellipse(50, 70, 36, 20), Circle(50, 54, 22));
    const Rgb goo{0.45f, 0.75f, 0.3f};
    c.Glow(blob, 8, goo, 0.3f);
    c.Fill(blob, goo, 0.8f);
    c.Outline(blob, 1.4f, kInk, 0.7f);
    c.Fill(Ellipse(40, 48, 6, 4), pal::kWhite, 0.5f);
    c.Fill(Circle(58, 70, 4), pal::kBone, 0.7f);
    Eyes(c, 50, 56, 8, 3, pal::kBlack);
}

void Elephant(Canvas& c) {
    Parchment(c);
    Sky(c, {0.7f, 0.62f, 0.5f}, {0.9f, 0.8f, 0.6f}, 64);
    Ground(c, pal::kSand * 0.8f, 64);
    const Rgb hide{0.55f, 0.53f, 0.5f};
    for (float x : {30.0f, 42.0f, 62.0f, 74.0f})
        c.Draw(Rect(x - 5, 62, x + 5, 86, 3), hide * 0.9f, 1.2f);
    c.Draw(Ellipse(52, 56, 30, 18), hide, 1.5f);
    c.Draw(Rect(36, 34, 66, 44, 2), pal::kBlood, 1.2f);
    c.Draw(Rect(42, 24, 60, 36, 2), pal::kWood, 1.2f);
    c.Draw(Ellipse(24, 50, 12, 14), hide, 1.4f);
    c.Draw(Ellipse(30, 48, 10, 13), hide * 0.85f, 1.2f);
    c.Draw(Stroke({{16, 54}, {12, 70}, {16, 82}}, 4, 2.5f), hide, 1.2f);
    c.Draw(Curve({18, 60}, {10, 62}, {6, 56}, 1.6f, 0.8f), pal::kBone, 0.8f);
    c.Fill(Circle(22, 46, 1.4f), pal::kBlack);
    DrawBanner(c, 56, 26, 18, pal::kBlood);
    c.Outline(Rect(2, 2, 98, c.H() - 2, 3), 2, kInk, 0.8f);
}

Painter InLair(std::function<void(Canvas&)> f, Rgb glow) {
    return {200, 200, [f, glow](Canvas& c) {
                Lair(c, glow);
                f(c);
            }};
}

}  // namespace

void AddCreaturePainters(PainterTable& t) {
    const Rgb red = pal::kBlood;
    const Rgb green{0.3f, 0.7f, 0.3f};
    const Rgb blue{0.3f, 0.6f, 0.9f};
    t["monster_orc"] =
        InLair([](Canvas& c) { Brute(c, pal::kOrcSkin, 1.0f, true, true, pal::kWood, 2); }, red);
    t["monster_goblin"] = InLair(
        [](Canvas& c) {
            Brute(c, {0.55f, 0.62f, 0.3f}, 0.75f, false, true, pal::kCloth, 0);
        },
        green);
    t["monster_troll"] = InLair(
        [](Canvas& c) {
            Brute(c, {0.45f, 0.55f, 0.55f}, 1.2f, true, false, pal::kEarth, 1);
        },
        blue);
    t["monster_zombie"] = InLair(
        [](Canvas& c) {
            Brute(c, {0.55f, 0.62f, 0.5f}, 0.95f, false, false, pal::kStoneDark, 0);
        },
        green);
    t["monster_skeleton"] = InLair([](Canvas& c) { Skeleton(c, false); }, blue);
    t["monster_mummy"] = InLair([](Canvas& c) { Skeleton(c, true); }, green);
    t["monster_ghost"] = InLair(Ghost, blue);
    t["monster_vampire"] = InLair(Vampire, red);
    t["monster_spider"] = InLair(Spider, green);
    t["monster_scorpion"] = InLair(Scorpion, pal::kFire);
    t["monster_rat"] = InLair(Rat, red);
    t["monster_wolf"] = InLair([](Canvas& c) { Wolf(c, false); }, blue);
    t["monster_beast"] = InLair([](Canvas& c) { Wolf(c, true); }, red);
    t["monster_bat"] = InLair(Bat, red);
    t["monster_snake"] = InLair(Snake, green);
    t["monster_demon"] = InLair(
        [](Canvas& c) {
            Demon(c, {0.55f, 0.16f, 0.14f}, true, 1.0f);
        },
        pal::kFire);
    t["monster_imp"] = InLair(Imp, pal::kFire);
    t["monster_dragon"] = InLair(Dragon, pal::kFire);
    t["monster_giant"] = InLair(Giant, pal::kFire);
    t["monster_elemental"] = InLair(Elemental, pal::kFire);
    t["monster_golem"] = InLair(Golem, blue);
    t["monster_slime"] = InLair(Slime, green);

    // Named opponents and theme pictures.
    t["m1_orc"] = t["monster_orc"];
    t["m1_skeleton"] = t["monster_skeleton"];
    t["m1_scorpion"] = t["monster_scorpion"];
    t["m1_vampire"] = t["monster_vampire"];
    t["m1_dragon"] = t["monster_dragon"];
    t["m2_efreet"] = t["monster_elemental"];
    t["m1_nightscare"] = InLair(
        [](Canvas& c) {
            Demon(c, {0.3f, 0.25f, 0.4f}, true, 0.95f);
        },
        pal::kPurple);
    t["m1_lordofthepit"] = InLair(
        [](Canvas& c) {
            Demon(c, {0.62f, 0.12f, 0.08f}, true, 1.2f);
        },
        pal::kFire);
    t["m2_elephant"] = {100, 100, Elephant};
}

}  // namespace gendata
