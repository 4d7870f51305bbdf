// Scenes: the notices of the map and battles, the game-over pictures and the window
// backgrounds.
#include <cmath>

#include "catalog.h"
#include "motifs.h"
#include "scenery.h"

namespace gendata {

namespace {

constexpr float kPi = 3.14159265f;

void CastleScene(Canvas& c) {
    Parchment(c);
    Sky(c, kDay, kHaze, 60);
    Mountains(c, 62, 22, Mix(pal::kStone, kDay, 0.5f), 4, 3);
    Ground(c, pal::kGrass, 62);
    DrawCastle(c, 50, 84, 74, pal::kBlood);
    Frame(c);
}

void Battle(Canvas& c) {
    Parchment(c);
    Sky(c, {0.62f, 0.5f, 0.45f}, {0.9f, 0.75f, 0.55f}, 55);
    Hills(c, 55, pal::kGrassDark, 5);
    Ground(c, pal::kGrassDark * 0.9f, 58);
    c.Glow(Circle(50, 50, 6), 30, pal::kFire, 0.25f);
    for (int i = 0; i < 5; ++i)
        DrawBanner(c, 10 + static_cast<float>(i) * 20, 58, 18, i % 2 ? pal::kBlood : LordColour(1));
    Soldier(c, 32, 44, 0.42f, LordColour(1), false);
    Soldier(c, 68, 44, 0.42f, pal::kBlood, true);
    DrawSword(c, 40, 62, 58, 40, 3);
    for (int i = 0; i < 6; ++i)
        c.Outline(
            Segment(10 + static_cast<float>(i) * 16, 30, 24 + static_cast<float>(i) * 16, 20, 0.1f),
            0.5f, kInk, 0.6f);
    Frame(c);
}

void Night(Canvas& c) {
    Sky(c, pal::kNight * 0.7f, pal::kNight * 1.6f, 70, false);
    Stars(c, 60, 7);
    Moon(c, 72, 22, 9);
    Ground(c, pal::kNight * 0.8f, 70);
    for (int i = 0; i < 5; ++i)
        Tombstone(c, 14 + static_cast<float>(i) * 18, 90 - static_cast<float>(i % 2) * 4, 4);
    c.Draw(Stroke({{30, 90}, {30, 62}, {24, 52}}, 1.6f, 0.8f), pal::kBlack, 0.6f);
    c.Draw(Stroke({{30, 68}, {38, 58}}, 1.0f, 0.5f), pal::kBlack, 0.5f);
    Frame(c);
}

void Skull(Canvas& c, float x, float y) {
    c.Draw(Circle(x, y, 4), pal::kBone, 0.6f);
    c.Fill(Circle(x - 1.5f, y, 1), pal::kBlack);
    c.Fill(Circle(x + 1.5f, y, 1), pal::kBlack);
}

void DungeonEntrance(Canvas& c) {
    Parchment(c);
    Sky(c, {0.45f, 0.45f, 0.55f}, {0.75f, 0.7f, 0.65f}, 50);
    Shape hill = Poly({{-5, 100}, {0, 40}, {30, 18}, {70, 20}, {100, 40}, {105, 100}});
    c.Draw(hill, pal::kStone * 0.85f, 1.2f);
    c.Hatch(hill, 2.2f, 65, 0.45f, kInk, 0.35f, 0.5f);
    Shape mouth = Union(Rect(30, 52, 70, 100), Circle(50, 52, 20));
    c.Draw(mouth, pal::kBlack, 1.5f);
    for (int i = 0; i < 6; ++i)
        c.Draw(
            Poly({{32 + static_cast<float>(i) * 7, 40 + std::abs(2.5f - static_cast<float>(i)) * 4},
                  {35 + static_cast<float>(i) * 7, 50 + std::abs(2.5f - static_cast<float>(i)) * 3},
                  {38 + static_cast<float>(i) * 7,
                   40 + std::abs(2.5f - static_cast<float>(i)) * 4}}),
            pal::kBone * 0.8f, 0.6f);
    c.Glow(Circle(44, 66, 1.5f), 6, pal::kFire, 0.8f);
    c.Glow(Circle(56, 66, 1.5f), 6, pal::kFire, 0.8f);
    c.Fill(Circle(44, 66, 1.5f), pal::kFire);
    c.Fill(Circle(56, 66, 1.5f), pal::kFire);
    Skull(c, 22, 90);
    Frame(c);
}

void Trap(Canvas& c) {
    DungeonWall(c, 50, 40);
    c.Fill(Rect(0, 70, 100, 100), pal::kStoneDark * 0.8f, 0.9f);
    for (int i = 0; i < 3; ++i) {
        const float y = 30 + static_cast<float>(i) * 12;
        c.Draw(Circle(6, y, 3), pal::kBlack, 0.6f);
        c.Draw(Segment(20 + static_cast<float>(i) * 10, y + 2, 52 + static_cast<float>(i) * 10,
                       y + 6, 0.8f),
               pal::kWood, 0.4f);
        c.Draw(Poly({{56 + static_cast<float>(i) * 10, y + 6.5f},
                     {51 + static_cast<float>(i) * 10, y + 4},
                     {52 + static_cast<float>(i) * 10, y + 8}}),
               {0.4f, 0.7f, 0.3f}, 0.4f);
        for (int k = 0; k < 4; ++k)
            c.Outline(Segment(8 + static_cast<float>(k) * 3, y + 1, 14 + static_cast<float>(k) * 3,
                              y + 2, 0.1f),
                      0.4f, pal::kWhite, 0.5f);
    }
    c.Draw(Rect(60, 78, 80, 84), pal::kStone * 0.6f, 0.8f);
    Frame(c);
}

void Cannon(Canvas& c) {
    Parchment(c);
    Sky(c, kDay, kHaze, 62);
    Ground(c, pal::kGrassDark, 62);
    c.Glow(Circle(88, 38, 6), 14, pal::kWhite, 0.6f);
    c.Draw(Poly({{16, 62}, {80, 36}, {86, 44}, {24, 74}}), pal::kIron * 0.6f, 1.5f);
    c.Draw(Circle(84, 40, 5), pal::kBlack, 1);
    c.Draw(Circle(34, 72, 13), pal::kWood, 1.5f);
    for (int i = 0; i < 6; ++i) {
        const float a = static_cast<float>(i) * kPi / 3;
        c.Outline(Segment(34, 72, 34 + 12 * std::cos(a), 72 + 12 * std::sin(a), 0.1f), 1,
                  pal::kWoodDark, 0.9f);
    }
    for (int i = 0; i < 3; ++i)
        c.Draw(Circle(60 + static_cast<float>(i) * 8, 86, 3.5f), pal::kBlack * 2, 0.6f);
    Frame(c);
}

void GameOver(Canvas& c, bool won, bool marriage) {
    Parchment(c);
    if (won) {
        Sky(c, {0.7f, 0.6f, 0.4f}, {0.98f, 0.88f, 0.6f}, 62);
        for (int i = 0; i < 12; ++i) {
            const float a = kPi * (1.05f + 0.08f * static_cast<float>(i));
            c.Fill(Segment(50, 60, 50 + 80 * std::cos(a), 60 + 80 * std::sin(a), 2.5f), pal::kGold,
                   0.35f);
        }
        Ground(c, pal::kGrass, 62);
        DrawCastle(c, 50, 80, 60, pal::kGold);
        c.Draw(Poly({{34, 34}, {38, 14}, {44, 26}, {50, 8}, {56, 26}, {62, 14}, {66, 34}}),
               pal::kGold, 1.4f);
        c.Fill(Circle(50, 24, 2.5f), pal::kBlood);
        if (marriage) {
            Person bride;
            bride.cx = 22;
            bride.headY = 62;
            bride.scale = 0.3f;
            bride.standing = true;
            bride.longHair = true;
            bride.lady = true;
            bride.head = Person::Head::Crown;
            bride.tunic = {0.82f, 0.5f, 0.62f};
            DrawPerson(c, bride);
            Soldier(c, 80, 62, 0.3f, LordColour(1), false);
        }
    } else {
        Sky(c, {0.25f, 0.12f, 0.1f}, {0.6f, 0.3f, 0.2f}, 66);
        Ground(c, pal::kEarth * 0.6f, 66);
        DrawCastle(c, 50, 80, 56, pal::kBlack, pal::kStoneDark);
        for (int i = 0; i < 3; ++i) {
            const float x = 30 + static_cast<float>(i) * 20;
            c.Glow(Circle(x, 46, 4), 16, pal::kFire, 0.6f);
            c.Fill(Poly({{x - 5, 52}, {x, 34 - static_cast<float>(i % 2) * 6}, {x + 5, 52}}),
                   pal::kFire, 0.9f);
        }
        c.Draw(Segment(84, 90, 84, 40, 0.8f), pal::kWood, 0.5f);
        c.Draw(Circle(84, 38, 4), pal::kSkin * 0.7f, 0.6f);
        for (int i = 0; i < 5; ++i)
            c.Outline(
                Curve({10 + static_cast<float>(i) * 20, 20}, {14 + static_cast<float>(i) * 20, 16},
                      {18 + static_cast<float>(i) * 20, 20}, 0.1f, 0.1f),
                0.8f, pal::kBlack, 0.8f);
    }
    Frame(c);
}

// A painted map of the realm for the big backgrounds: sea, coast and, where the corner stays
// free of windows, a compass.
void Realm(Canvas& c, bool compass) {
    Parchment(c, 0.45f);
    const float w = c.W();
    const float h = c.H();
    c.Each([&](float x, float y, Rgb& p) {
        const float n = Fbm(x * 0.02f, y * 0.02f, 5, 4);
        const float land = n + 0.25f - 0.6f * std::pow(std::abs(x / w - 0.45f) * 1.6f, 2.0f) -
                           0.3f * std::pow(std::abs(y / h - 0.5f) * 1.5f, 2.0f);
        if (land < 0.42f) {
            p = Mix(p, pal::kSea, 0.55f);
            if (land > 0.405f) p = Mix(p, kInk, 0.7f);
        } else if (land > 0.62f) {
            p = Mix(p, pal::kGrassDark, 0.35f);
        } else {
            p = Mix(p, pal::kGrass, 0.25f);
        }
    });
    c.Outline(Rect(1, 1, w - 1, h - 1, 1), 1.0f, kInk, 0.9f);
    // Nothing is drawn where the windows stand, so that no half-covered picture peeks out from
    // behind one: the compass rose keeps to the bottom right corner, on the large screen only
    // (on the small one the strategic window reaches into the corner).
    if (!compass) return;
    const float cx = w - 6, cy = h - 6;
    for (int i = 0; i < 8; ++i) {
        const float a = static_cast<float>(i) * kPi / 4;
        const float r = i % 2 ? 2.4f : 4.8f;
        c.Draw(Poly({{cx, cy},
                     {cx + r * std::cos(a - 0.2f) * 0.4f, cy + r * std::sin(a - 0.2f) * 0.4f},
                     {cx + r * std::cos(a), cy + r * std::sin(a)}}),
               i % 2 ? pal::kParchmentDark : pal::kBlood, 0.3f);
    }
    c.Outline(Circle(cx, cy, 3), 0.3f, kInk, 0.8f);
}

void MenuSide(Canvas& c, int which) {
    Parchment(c);
    const float h = c.H();
    Sky(c, kDay, kHaze, h * 0.75f);
    Ground(c, pal::kGrass, h * 0.75f);
    if (which == 1) {
        Person p = {};
        p.cx = 50;
        p.headY = h * 0.3f;
        p.scale = 0.9f;
        p.standing = true;
        p.armour = true;
        p.head = Person::Head::Helm;
        p.tunic = LordColour(1);
        p.shield = true;
        p.shieldColour = LordColour(1);
        p.weapon = Person::Weapon::Sword;
        p.cape = true;
        DrawPerson(c, p);
    } else {
        DrawCastle(c, 50, h * 0.78f, 90, pal::kBlood);
        DrawBanner(c, 20, h * 0.9f, 40, LordColour(3));
    }
    Frame(c);
}

}  // namespace

void AddScenePainters(PainterTable& t) {
    t["m2_castle"] = {200, 200, CastleScene};
    t["battlepic"] = {200, 200, Battle};
    t["night"] = {200, 200, Night};
    t["enterthedungeon"] = {200, 200, DungeonEntrance};
    t["m1_village1"] = {200, 200, VillageScene};
    t["m1_arena"] = {200, 200, ArenaScene};
    t["m1_traps_poisondarts"] = {200, 200, Trap};
    t["m2_cannon"] = {100, 100, Cannon};
    t["m2_victory"] = Wide([](Canvas& c) { GameOver(c, true, false); });
    t["m1_victory"] = Wide([](Canvas& c) { GameOver(c, true, true); });
    t["m2_defeat"] = Wide([](Canvas& c) { GameOver(c, false, false); });
    t["background_1440"] = {1440, 900, [](Canvas& c) { Realm(c, true); }};
    t["background_1024"] = {1024, 768, [](Canvas& c) { Realm(c, false); }};
    t["parchment"] = {800, 600, [](Canvas& c) { Parchment(c, 0.3f); }};
    t["menu_side1"] = {130, 265, [](Canvas& c) { MenuSide(c, 1); }};
    t["menu_side2"] = {130, 265, [](Canvas& c) { MenuSide(c, 2); }};
}

}  // namespace gendata
