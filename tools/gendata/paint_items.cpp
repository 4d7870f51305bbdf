// Things: the item archetypes, the gold treasures, the quest finds and the resources.
#include <cmath>

#include "catalog.h"
#include "motifs.h"

namespace gendata {

namespace {

constexpr float kPi = 3.14159265f;

void Cloth(Canvas& c) {
    Parchment(c, 0.3f);
    c.Fill(Ellipse(50, c.H() * 0.7f, 44, 16), pal::kCloth * 0.8f, 0.5f);
    c.Outline(Rect(2, 2, 98, c.H() - 2, 3), 2, kInk, 0.8f);
}

using Fn = std::function<void(Canvas&)>;

Painter Item(Fn f) {
    return {100, 100, [f](Canvas& c) {
                Cloth(c);
                f(c);
            }};
}

Painter Treasure(Fn f) {
    return {200, 200, [f](Canvas& c) {
                DungeonWall(c, 50, 40);
                c.Fill(Rect(0, 70, 100, 100), pal::kStoneDark * 0.8f, 0.9f);
                c.Glow(Circle(50, 62, 16), 34, pal::kGold, 0.35f);
                f(c);
                c.Outline(Rect(1.5f, 1.5f, 98.5f, 98.5f, 2), 3, kInk, 0.9f);
            }};
}

void Potion(Canvas& c, Rgb liquid) {
    DrawShadow(c, 54, 88, 24, 4);
    Shape flask = Union(Rect(42, 16, 58, 40, 2), Circle(50, 62, 25));
    c.Fill(flask, Mix(pal::kSea, pal::kWhite, 0.7f), 0.8f);
    c.Fill(Intersect(flask, Rect(0, 50, 100, 100)), liquid);
    c.Glow(Circle(50, 68, 10), 16, Mix(liquid, pal::kWhite, 0.4f), 0.35f);
    c.Fill(Ellipse(40, 56, 4, 9), pal::kWhite, 0.5f);
    c.Outline(flask, 2, kInk, 0.9f);
    c.Draw(Rect(40, 8, 60, 18, 2), pal::kWood, 1.5f);
}

void Scroll(Canvas& c) {
    c.Draw(Rect(22, 24, 78, 76, 2), pal::kParchment, 1.6f);
    c.Draw(Rect(16, 16, 84, 26, 5), pal::kParchmentDark, 1.6f);
    c.Draw(Rect(16, 74, 84, 84, 5), pal::kParchmentDark, 1.6f);
    for (int i = 0; i < 5; ++i)
        c.Outline(Segment(30, 34 + static_cast<float>(i) * 8, 70 - static_cast<float>(i % 2) * 8,
                          34 + static_cast<float>(i) * 8, 0.1f),
                  1.4f, kInk, 0.6f);
    c.Draw(Circle(64, 78, 8), pal::kBlood, 1.2f);
}

void Book(Canvas& c, float scale) {
    const float s = scale;
    auto X = [&](float u) { return 50 + u * s; };
    auto Y = [&](float v) { return 52 + v * s; };
    DrawShadow(c, X(4), Y(34), 40 * s, 5 * s);
    c.Draw(Poly({{X(-40), Y(-26)},
                 {X(0), Y(-20)},
                 {X(40), Y(-26)},
                 {X(40), Y(28)},
                 {X(0), Y(34)},
                 {X(-40), Y(28)}}),
           pal::kBlood * 0.7f, 1.6f);
    c.Draw(Poly({{X(-36), Y(-24)}, {X(0), Y(-18)}, {X(0), Y(30)}, {X(-36), Y(24)}}),
           pal::kParchment, 1.2f);
    c.Draw(Poly({{X(36), Y(-24)}, {X(0), Y(-18)}, {X(0), Y(30)}, {X(36), Y(24)}}), pal::kParchment,
           1.2f);
    for (int i = 0; i < 6; ++i) {
        const float y = -12 + static_cast<float>(i) * 6;
        c.Outline(Segment(X(-30), Y(y), X(-6), Y(y + 2), 0.1f), 0.8f * s, kInk, 0.6f);
        c.Outline(Segment(X(6), Y(y + 2), X(30), Y(y), 0.1f), 0.8f * s, kInk, 0.6f);
    }
    c.Draw(Circle(X(-18), Y(-6), 5 * s), pal::kBlood, 0.6f);
}

void Ring(Canvas& c, float cx, float cy, float r, Rgb gem, bool glow) {
    if (glow) c.Glow(Circle(cx, cy, r), r, Mix(gem, pal::kWhite, 0.3f), 0.5f);
    c.Draw(Subtract(Ellipse(cx, cy, r, r * 0.8f), Ellipse(cx, cy, r * 0.7f, r * 0.5f)), pal::kGold,
           1.2f);
    DrawGem(c, cx, cy - r * 0.85f, r * 0.4f, gem);
}

void Amulet(Canvas& c, Rgb gem) {
    c.Outline(Curve({24, 18}, {50, 70}, {76, 18}, 0.1f, 0.1f, 20), 2.2f, pal::kGoldDark, 0.95f);
    for (int i = 0; i < 9; ++i) {
        const float t = static_cast<float>(i) / 8.0f;
        const float x = 24 + 52 * t;
        const float y = 18 + 2 * (1 - t) * t * 52 * 1.0f;
        c.Draw(Circle(x, y, 2.2f), pal::kGold, 0.5f);
    }
    c.Draw(Circle(50, 64, 14), pal::kGold, 1.6f);
    DrawGem(c, 50, 64, 9, gem);
}

void Helmet(Canvas& c) {
    Shape helm =
        Union(Intersect(Ellipse(50, 56, 28, 34), Rect(10, 20, 90, 60)), Rect(22, 56, 78, 74, 3));
    c.Draw(helm, pal::kSteel, 1.8f);
    c.Hatch(helm, 2.5f, 80, 0.6f, kInk, 0.35f, 0.5f);
    c.Fill(Rect(30, 54, 70, 59), pal::kBlack, 0.9f);
    c.Draw(Rect(47, 58, 53, 74), pal::kSteel, 1);
    c.Draw(Curve({50, 22}, {64, 6}, {80, 14}, 3, 1.2f), pal::kBlood, 1);
}

void Armour(Canvas& c) {
    Shape body = Poly({{26, 20},
                       {40, 16},
                       {50, 24},
                       {60, 16},
                       {74, 20},
                       {80, 40},
                       {70, 46},
                       {70, 84},
                       {30, 84},
                       {30, 46},
                       {20, 40}});
    c.Draw(body, pal::kIron, 1.8f);
    c.Hatch(body, 2.2f, 0, 0.5f, kInk, 0.3f, 0.0f);
    c.Draw(Rect(30, 62, 70, 68), pal::kWood, 1);
    c.Draw(Rect(46, 61, 54, 69, 1), pal::kGold, 0.8f);
}

void Boots(Canvas& c) {
    for (int i = 0; i < 2; ++i) {
        const float x = 24 + static_cast<float>(i) * 30;
        c.Draw(Poly({{x, 20}, {x + 16, 20}, {x + 16, 66}, {x + 30, 72}, {x + 30, 82}, {x, 82}}),
               pal::kWood, 1.6f);
        c.Draw(Rect(x - 1, 20, x + 17, 28, 2), pal::kWoodDark, 1.2f);
    }
}

void Gloves(Canvas& c) {
    for (int i = 0; i < 2; ++i) {
        const float x = 32 + static_cast<float>(i) * 34;
        Shape g = Union(Rect(x - 12, 40, x + 12, 74, 5), Rect(x - 9, 74, x + 9, 88, 2));
        for (int f = 0; f < 4; ++f)
            g = Union(g, Rect(x - 12 + static_cast<float>(f) * 6.2f, 22,
                              x - 7 + static_cast<float>(f) * 6.2f, 44, 2.5f));
        c.Draw(g, pal::kWood * 1.1f, 1.5f);
    }
}

void Key(Canvas& c) {
    c.Draw(Subtract(Circle(32, 40, 16), Circle(32, 40, 8)), pal::kGold, 1.6f);
    c.Draw(Rect(44, 36, 86, 44, 1), pal::kGold, 1.4f);
    c.Draw(Rect(72, 44, 78, 56), pal::kGold, 1.2f);
    c.Draw(Rect(80, 44, 86, 52), pal::kGold, 1.2f);
}

void Food(Canvas& c) {
    c.Draw(Ellipse(40, 60, 28, 16), {0.78f, 0.55f, 0.28f}, 1.6f);
    for (int i = 0; i < 3; ++i)
        c.Outline(
            Segment(24 + static_cast<float>(i) * 12, 52, 30 + static_cast<float>(i) * 12, 62, 0.1f),
            1.5f, pal::kWoodDark, 0.7f);
    c.Draw(Poly({{60, 70}, {88, 62}, {86, 82}, {60, 84}}), {0.95f, 0.82f, 0.35f}, 1.4f);
    c.Fill(Circle(70, 74, 2), Rgb{0.8f, 0.65f, 0.25f});
    c.Draw(Circle(72, 40, 11), pal::kBlood, 1.4f);
    c.Draw(Segment(72, 29, 74, 22, 0.8f), pal::kWoodDark, 0.8f);
}

void Cloak(Canvas& c) {
    c.Draw(Poly({{38, 14}, {62, 14}, {84, 86}, {50, 80}, {16, 86}}), pal::kLeaf * 0.8f, 1.8f);
    c.Hatch(Poly({{38, 14}, {62, 14}, {84, 86}, {50, 80}, {16, 86}}), 3, 100, 0.6f, kInk, 0.3f,
            0.45f);
    c.Draw(Circle(50, 18, 5), pal::kGold, 1);
}

void Shield(Canvas& c) {
    Shape sh = ShieldShape(50, 12, 64, 78);
    c.Draw(sh, pal::kSea * 0.8f, 2);
    c.Outline(Grow(sh, -4), 2, pal::kGold, 0.9f);
    c.Draw(Circle(50, 44, 9), pal::kGold, 1.2f);
}

void Chest(Canvas& c, bool open, float s) {
    auto X = [&](float u) { return 50 + u * s; };
    auto Y = [&](float v) { return 64 + v * s; };
    DrawShadow(c, X(4), Y(22), 40 * s, 5 * s);
    if (open) {
        c.Draw(Poly({{X(-34), Y(-16)}, {X(-30), Y(-44)}, {X(30), Y(-44)}, {X(34), Y(-16)}}),
               pal::kWoodDark, 1.4f);
        Rng rng(9);
        DrawCoinHeap(c, X(0), Y(-10), 64 * s, 9, rng);
        c.Glow(Circle(X(0), Y(-16), 10 * s), 20 * s, pal::kGold, 0.5f);
    }
    c.Draw(Rect(X(-36), Y(-16), X(36), Y(20), 2), pal::kWood, 1.6f);
    c.Hatch(Rect(X(-36), Y(-16), X(36), Y(20), 2), 2.5f, 0, 0.5f, kInk, 0.35f, 0.0f);
    c.Draw(Rect(X(-36), Y(-16), X(-28), Y(20)), pal::kGoldDark, 1);
    c.Draw(Rect(X(28), Y(-16), X(36), Y(20)), pal::kGoldDark, 1);
    c.Draw(Rect(X(-6), Y(-6), X(6), Y(6), 1), pal::kGold, 1);
    if (!open)
        c.Draw(
            Intersect(Ellipse(X(0), Y(-16), 36 * s, 16 * s), Rect(X(-40), Y(-40), X(40), Y(-16))),
            pal::kWood, 1.6f);
}

void Bag(Canvas& c, Rgb fill, bool gems) {
    Shape bag = Union(Ellipse(50, 66, 28, 24), Poly({{40, 44}, {60, 44}, {66, 30}, {34, 30}}));
    DrawShadow(c, 54, 90, 30, 4);
    c.Draw(bag, pal::kCloth, 1.8f);
    c.Hatch(bag, 3, 60, 0.6f, kInk, 0.35f, 0.5f);
    c.Draw(Rect(38, 40, 62, 46, 2), pal::kGoldDark, 1);
    if (gems) {
        DrawGem(c, 42, 30, 7, {0.3f, 0.5f, 0.9f});
        DrawGem(c, 56, 28, 8, pal::kBlood * 1.3f);
        DrawGem(c, 50, 22, 6, {0.3f, 0.75f, 0.35f});
    } else {
        DrawCoin(c, 44, 30, 7);
        DrawCoin(c, 56, 28, 7);
    }
    (void)fill;
}

void Eggs(Canvas& c) {
    c.Draw(Ellipse(50, 78, 38, 10), pal::kWood, 1.2f);
    const Rgb shells[] = {{0.55f, 0.7f, 0.45f}, {0.7f, 0.45f, 0.3f}, {0.5f, 0.55f, 0.7f}};
    for (int i = 0; i < 3; ++i) {
        const float x = 30 + static_cast<float>(i) * 20;
        const float y = 58 - static_cast<float>(i % 2) * 8;
        c.Draw(Ellipse(x, y, 11, 15), shells[i], 1.4f);
        for (int k = 0; k < 4; ++k)
            c.Fill(Circle(x - 4 + static_cast<float>(k) * 3, y - 6 + static_cast<float>(k % 2) * 8,
                          1.6f),
                   shells[i] * 0.6f);
        c.Fill(Ellipse(x - 4, y - 6, 2.5f, 4), pal::kWhite, 0.5f);
    }
}

void Resource(Canvas& c, int kind) {
    Parchment(c);
    Sky(c, {0.6f, 0.7f, 0.8f}, {0.85f, 0.85f, 0.75f}, 55);
    Ground(c, pal::kGrassDark, 55);
    if (kind == 0) {
        for (int i = 0; i < 6; ++i) {
            const float x = 8 + static_cast<float>(i) * 17;
            c.Draw(Poly({{x, 26}, {x + 9, 56}, {x - 9, 56}}), pal::kPine, 1.0f);
        }
        for (int i = 0; i < 3; ++i) {
            const float y = 84 - static_cast<float>(i) * 9;
            for (int k = 0; k < 3 - i; ++k) {
                const float x = 34 + static_cast<float>(k) * 16 + static_cast<float>(i) * 8;
                c.Draw(Rect(x - 8, y - 4.5f, x + 8, y + 4.5f, 4.5f), pal::kWood, 1.2f);
                c.Draw(Circle(x + 6, y, 4), pal::kSand, 1);
            }
        }
    } else if (kind == 1) {
        c.Draw(Rect(14, 58, 86, 86, 2), pal::kWood, 1.4f);
        c.Draw(Circle(26, 88, 7), pal::kWoodDark, 1.2f);
        c.Draw(Circle(74, 88, 7), pal::kWoodDark, 1.2f);
        for (int i = 0; i < 5; ++i) {
            const float x = 24 + static_cast<float>(i % 3) * 20 + static_cast<float>(i / 3) * 10;
            const float y = 56 - static_cast<float>(i / 3) * 8;
            c.Draw(Poly({{x - 9, y}, {x - 6, y - 7}, {x + 6, y - 7}, {x + 9, y}}), pal::kIron,
                   1.2f);
        }
    } else {
        c.Draw(Poly({{0, 56}, {20, 30}, {44, 26}, {60, 40}, {60, 56}}), pal::kStone, 1.4f);
        c.Hatch(Poly({{0, 56}, {20, 30}, {44, 26}, {60, 40}, {60, 56}}), 3, 60, 0.6f, kInk, 0.4f,
                0.4f);
        for (int i = 0; i < 4; ++i) {
            const float x = 56 + static_cast<float>(i % 2) * 18;
            const float y = 84 - static_cast<float>(i / 2) * 14;
            c.Draw(Rect(x - 8, y - 6, x + 8, y + 6, 1), pal::kStone, 1.2f);
        }
        c.Draw(Segment(18, 86, 34, 64, 1.2f), pal::kWood, 0.8f);
        c.Draw(Poly({{30, 62}, {40, 58}, {38, 66}}), pal::kIron, 0.8f);
    }
    c.Outline(Rect(1.5f, 1.5f, 98.5f, 98.5f, 2), 3, kInk, 0.9f);
}

void Honor(Canvas& c) {
    Parchment(c);
    c.Glow(Circle(50, 50, 30), 30, pal::kGold, 0.4f);
    // A laurel wreath around a shield.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 7; ++i) {
            const float a = kPi * (-0.3f + 0.12f * static_cast<float>(i));
            const float x = 50 + static_cast<float>(side) * 31 * std::cos(a);
            const float y = 50 + 31 * std::sin(a);
            c.Draw(Ellipse(x, y, 4, 6.5f), pal::kLeaf, 0.8f);
        }
    }
    c.Draw(ShieldShape(50, 26, 36, 46), pal::kSea, 1.8f);
    c.Draw(Poly({{50, 34},
                 {54, 44},
                 {64, 44},
                 {56, 50},
                 {59, 60},
                 {50, 54},
                 {41, 60},
                 {44, 50},
                 {36, 44},
                 {46, 44}}),
           pal::kGold, 1.2f);
    c.Outline(Rect(1.5f, 1.5f, 98.5f, 98.5f, 2), 3, kInk, 0.9f);
}

void BloodVial(Canvas& c) {
    Potion(c, pal::kBlood * 0.8f);
}

}  // namespace

void AddItemPainters(PainterTable& t) {
    t["item_sword"] = Item([](Canvas& c) { DrawSword(c, 22, 84, 80, 16, 9); });
    t["item_axe"] = Item([](Canvas& c) { DrawAxe(c, 30, 90, 56, 16, 8); });
    t["item_mace"] = Item([](Canvas& c) {
        c.Draw(Segment(26, 84, 58, 38, 3.5f), pal::kWood, 1.2f);
        c.Draw(Circle(62, 32, 14), pal::kIron, 1.6f);
        for (int i = 0; i < 8; ++i) {
            const float a = static_cast<float>(i) * kPi / 4;
            c.Draw(Poly({{62 + 12 * std::cos(a - 0.3f), 32 + 12 * std::sin(a - 0.3f)},
                         {62 + 21 * std::cos(a), 32 + 21 * std::sin(a)},
                         {62 + 12 * std::cos(a + 0.3f), 32 + 12 * std::sin(a + 0.3f)}}),
                   pal::kSteel, 0.8f);
        }
    });
    t["item_hammer"] = Item([](Canvas& c) {
        c.Draw(Segment(36, 88, 54, 30, 3.5f), pal::kWood, 1.2f);
        c.Draw(Poly({{34, 16}, {74, 26}, {68, 44}, {28, 34}}), pal::kIron, 1.6f);
    });
    t["item_dagger"] = Item([](Canvas& c) { DrawSword(c, 30, 74, 70, 26, 7); });
    t["item_spear"] = Item([](Canvas& c) {
        c.Draw(Segment(18, 90, 74, 22, 2.2f), pal::kWood, 1.0f);
        c.Draw(Poly({{86, 8}, {80, 28}, {70, 20}}), pal::kSteel, 1.2f);
    });
    t["item_staff"] = Item([](Canvas& c) { DrawStaff(c, 30, 90, 66, 20, pal::kSea); });
    t["item_bow"] = Item([](Canvas& c) { DrawBow(c, 60, 50, 80, false); });
    t["item_crossbow"] = Item([](Canvas& c) {
        c.Draw(Rect(46, 20, 54, 86, 2), pal::kWood, 1.4f);
        c.Draw(Curve({16, 40}, {50, 20}, {84, 40}, 2.5f, 2.5f), pal::kWoodDark, 1.2f);
        c.Outline(Segment(16, 40, 84, 40, 0.1f), 1, kInk, 0.9f);
        c.Draw(Poly({{50, 10}, {54, 20}, {46, 20}}), pal::kSteel, 0.8f);
    });
    t["item_shield"] = Item(Shield);
    t["item_helmet"] = Item(Helmet);
    t["item_armour"] = Item(Armour);
    t["item_boots"] = Item(Boots);
    t["item_gloves"] = Item(Gloves);
    t["item_cloak"] = Item(Cloak);
    t["item_ring"] = Item([](Canvas& c) { Ring(c, 50, 56, 24, pal::kBlood * 1.3f, false); });
    t["item_amulet"] = Item([](Canvas& c) { Amulet(c, {0.3f, 0.5f, 0.9f}); });
    t["item_potion_red"] = Item([](Canvas& c) { Potion(c, pal::kBlood * 1.2f); });
    t["item_potion_blue"] = Item([](Canvas& c) { Potion(c, {0.25f, 0.4f, 0.85f}); });
    t["item_potion_green"] = Item([](Canvas& c) { Potion(c, {0.3f, 0.7f, 0.25f}); });
    t["item_scroll"] = Item(Scroll);
    t["item_gem"] = Item([](Canvas& c) { DrawGem(c, 50, 52, 30, {0.3f, 0.75f, 0.4f}); });
    t["item_key"] = Item(Key);
    t["item_food"] = Item(Food);

    // Treasures of the gold window.
    t["m1_treasure_fewcoins"] = Treasure([](Canvas& c) {
        for (int i = 0; i < 4; ++i)
            DrawCoin(c, 34 + static_cast<float>(i) * 10, 80 - static_cast<float>(i % 2) * 4, 7);
    });
    t["m1_treasure_somecoins"] = Treasure([](Canvas& c) {
        Rng rng(3);
        DrawCoinHeap(c, 50, 84, 50, 6, rng);
    });
    t["m1_treasure_manycoins"] = Treasure([](Canvas& c) { Bag(c, pal::kGold, false); });
    t["m1_treasure_bagofgems"] = Treasure([](Canvas& c) { Bag(c, pal::kGold, true); });
    t["m1_purplegem"] = Treasure([](Canvas& c) { DrawGem(c, 50, 62, 20, {0.55f, 0.3f, 0.7f}); });
    t["m1_greengem"] = Treasure([](Canvas& c) { DrawGem(c, 50, 62, 20, {0.3f, 0.72f, 0.35f}); });
    t["m1_bloodgem"] = Treasure([](Canvas& c) { DrawGem(c, 50, 62, 22, pal::kBlood * 1.2f); });
    t["m1_necklace"] = Treasure([](Canvas& c) { Amulet(c, {0.3f, 0.75f, 0.45f}); });
    t["m1_openchest"] = Treasure([](Canvas& c) { Chest(c, true, 1.0f); });

    // Quest finds and notices about things.
    t["m1_book"] = {200, 200, [](Canvas& c) {
                        Parchment(c);
                        c.Glow(Circle(50, 50, 20), 30, pal::kGold, 0.3f);
                        Book(c, 1.1f);
                        c.Outline(Rect(1.5f, 1.5f, 98.5f, 98.5f, 2), 3, kInk, 0.9f);
                    }};
    t["m1_food"] = Item(Food);
    t["m1_blood"] = Treasure(BloodVial);
    t["m1_bow_demon"] = Treasure([](Canvas& c) {
        c.Glow(Circle(50, 50, 30), 20, pal::kLeaf, 0.45f);
        DrawBow(c, 56, 52, 84, false);
    });
    t["m1_sword_demon"] = Treasure([](Canvas& c) {
        c.Glow(Segment(24, 84, 80, 16, 4), 16, pal::kPurple, 0.6f);
        DrawSword(c, 24, 84, 80, 16, 9, Mix(pal::kSteel, pal::kPurple, 0.3f));
    });
    t["m1_magicring_demon"] =
        Treasure([](Canvas& c) { Ring(c, 50, 64, 20, pal::kBlood * 1.3f, true); });
    t["m1_magicring"] = t["m1_magicring_demon"];
    t["m1_dragoneggs"] = Treasure(Eggs);
    t["m1_dragontreasure"] = Treasure([](Canvas& c) {
        Rng rng(4);
        DrawCoinHeap(c, 50, 88, 86, 14, rng);
        Chest(c, true, 0.55f);
        DrawGem(c, 24, 76, 6, pal::kBlood * 1.3f);
        DrawGem(c, 78, 78, 7, {0.3f, 0.5f, 0.9f});
    });
    t["wood"] = {200, 200, [](Canvas& c) { Resource(c, 0); }};
    t["iron"] = {200, 200, [](Canvas& c) { Resource(c, 1); }};
    t["stone"] = {200, 200, [](Canvas& c) { Resource(c, 2); }};
    t["honor"] = {200, 200, Honor};
}

}  // namespace gendata
