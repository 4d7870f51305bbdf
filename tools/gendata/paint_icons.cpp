// Small pictures: the map icons, army and castle markers, hourglasses, faction logos, status
// bar symbols, health and experience gauges, and the availability seal of the scenario list.
#include <cmath>

#include "catalog.h"
#include "motifs.h"
#include "state/asset_names.h"

namespace gendata {

namespace {

constexpr float kPi = 3.14159265f;

void Village(Canvas& c, Rgb roof, Rgb flag) {
    for (int i = 0; i < 3; ++i) {
        const float x = 22 + static_cast<float>(i) * 26;
        const float y = 72 - static_cast<float>(i % 2) * 14;
        c.Draw(Rect(x - 11, y - 14, x + 11, y + 6), pal::kParchmentDark, 2.0f);
        c.Draw(Poly({{x - 15, y - 13}, {x, y - 30}, {x + 15, y - 13}}), roof, 2.0f);
        c.Draw(Rect(x - 3, y - 6, x + 3, y + 6), pal::kWoodDark, 1.5f);
    }
    DrawBanner(c, 50, 38, 28, flag);
}

void Painted(Canvas& c, const std::function<void(Canvas&)>& inner, Rgb tint = pal::kParchment,
             float amount = 0) {
    DrawToken(c, tint, amount);
    inner(c);
}

void Hourglass(Canvas& c, int quarter) {
    Parchment(c, 0.2f);
    const float w = c.W();
    const float h = c.H();
    const float cx = w / 2;
    c.Draw(Rect(10, 4, w - 10, 12, 2), pal::kWood, 2);
    c.Draw(Rect(10, h - 12, w - 10, h - 4, 2), pal::kWood, 2);
    Shape glass = Union(Poly({{22, 12}, {w - 22, 12}, {cx + 4, h / 2}, {cx - 4, h / 2}}),
                        Poly({{cx - 4, h / 2}, {cx + 4, h / 2}, {w - 22, h - 12}, {22, h - 12}}));
    c.Fill(glass, Mix(pal::kSea, pal::kWhite, 0.55f), 0.95f);
    // Sand: the top empties as the moves are used up (quarter = moves left in quarters).
    const float top = static_cast<float>(quarter) / 4.0f;
    const Rgb sand{0.78f, 0.52f, 0.2f};
    if (top > 0) {
        const float level = h / 2 - (h / 2 - 14) * top;
        c.Fill(Intersect(glass, Rect(0, level, w, h / 2)), sand);
    }
    const float bottom = 1.0f - top;
    if (bottom > 0) {
        const float level = h - 12 - (h / 2 - 14) * bottom;
        c.Fill(Intersect(glass,
                         Intersect(Rect(0, level, w, h - 12),
                                   Ellipse(cx, h - 12, w * 0.45f, (h - 12 - level) * 1.6f + 2))),
               sand);
        if (top > 0) c.Fill(Rect(cx - 0.8f, h / 2, cx + 0.8f, level), sand);
    }
    c.Outline(glass, 2.0f, kInk, 0.9f);
    c.Draw(Rect(12, 12, 16, h - 12), pal::kWoodDark, 1);
    c.Draw(Rect(w - 16, 12, w - 12, h - 12), pal::kWoodDark, 1);
}

// The charge of each lord's coat of arms.
void Charge(Canvas& c, int lord) {
    const Rgb gold = pal::kGold;
    switch (lord) {
        case 1:  // a tower
            c.Draw(Rect(38, 40, 62, 78), gold, 1.6f);
            for (int k = 0; k < 3; ++k)
                c.Draw(
                    Rect(36 + static_cast<float>(k) * 10, 33, 42 + static_cast<float>(k) * 10, 41),
                    gold, 1.4f);
            c.Draw(Union(Rect(46, 62, 54, 78), Circle(50, 62, 4)), kInk * 1.5f, 0.8f);
            break;
        case 2:  // an oak
            c.Draw(Rect(46, 56, 54, 80), gold, 1.6f);
            c.Draw(Union(Union(Circle(50, 42, 13), Circle(38, 52, 10)), Circle(62, 52, 10)), gold,
                   1.6f);
            break;
        case 3:  // crossed swords
            DrawSword(c, 30, 78, 70, 30, 6, gold);
            DrawSword(c, 70, 78, 30, 30, 6, gold);
            break;
        default: {  // a star over waves
            std::vector<Pt> star;
            for (int i = 0; i < 10; ++i) {
                const float a = -kPi / 2 + static_cast<float>(i) * kPi / 5;
                const float r = i % 2 ? 6.0f : 14.0f;
                star.push_back({50 + r * std::cos(a), 44 + r * std::sin(a)});
            }
            c.Draw(Poly(star), gold, 1.4f);
            for (int k = 0; k < 2; ++k) {
                const float y = 66 + static_cast<float>(k) * 8;
                c.Draw(
                    Stroke(
                        {{32, y}, {38, y - 4}, {44, y}, {50, y - 4}, {56, y}, {62, y - 4}, {68, y}},
                        2.0f, 2.0f),
                    gold, 1.0f);
            }
            break;
        }
    }
}

void FactionLogo(Canvas& c, int lord) {
    Parchment(c, 0.3f);
    Shape shield = ShieldShape(50, 14, 66, 78);
    DrawShadow(c, 54, 90, 30, 4);
    Paint p;
    p.colour = LordColour(lord);
    c.Fill(shield, p);
    c.Hatch(shield, 3.0f, 45, 0.6f, kInk, 0.25f, 0.55f);
    c.Outline(Grow(shield, -4), 1.6f, pal::kGold, 0.9f);
    c.Outline(shield, 2.4f, kInk, 0.95f);
    Charge(c, lord);
}

void Army(Canvas& c, int lord, bool small) {
    DrawToken(c, LordColour(lord), 0.45f);
    Person p;
    p.cx = 44;
    p.headY = small ? 34 : 30;
    p.scale = small ? 0.95f : 0.85f;
    p.armour = true;
    p.head = Person::Head::Helm;
    p.tunic = LordColour(lord);
    p.trim = LordColour(lord);
    p.shield = true;
    p.shieldColour = LordColour(lord);
    p.weapon = Person::Weapon::Spear;
    DrawPerson(c, p);
    if (!small) DrawBanner(c, 84, 92, 70, LordColour(lord));
}

void CastleMarker(Canvas& c, int lord) {
    DrawToken(c, LordColour(lord), 0.5f);
    DrawCastle(c, 50, 88, 84, LordColour(lord));
}

void Gauge(Canvas& c, float fill, Rgb liquid) {
    Parchment(c, 0.2f);
    const float w = c.W();
    const float h = c.H();
    Shape vial =
        Union(Rect(w * 0.3f, 6, w * 0.7f, h * 0.32f, 3), Circle(w / 2, h * 0.64f, w * 0.42f));
    c.Fill(Ellipse(w / 2 + 5, h * 0.64f + w * 0.42f, w * 0.35f, 4), kInk, 0.2f);
    c.Fill(vial, Mix(pal::kSea, pal::kWhite, 0.75f), 0.9f);
    // The liquid fills the vial from the bottom.
    // Full reaches just into the neck, so every step shows in the round of the vial.
    const float top = h * 0.64f - w * 0.42f - 8;
    const float bottom = h * 0.64f + w * 0.42f;
    const float level = bottom - (bottom - top) * fill;
    if (fill > 0) {
        Paint p;
        p.colour = liquid;
        p.rim = 0.1f;
        c.Fill(Intersect(vial, Rect(0, level, w, h)), p);
        c.Outline(Intersect(Grow(vial, -0.5f), Rect(0, level - 0.6f, w, level + 0.6f)), 0.1f,
                  Mix(liquid, pal::kWhite, 0.5f), 0.8f);
    }
    c.Fill(Ellipse(w * 0.36f, h * 0.58f, 4, 9), pal::kWhite, 0.4f);
    c.Outline(vial, 2.6f, kInk, 0.9f);
    c.Draw(Rect(w * 0.26f, 2, w * 0.74f, 9, 2), pal::kWood, 1.6f);
}

void Seal(Canvas& c) {
    Parchment(c, 0.2f);
    std::vector<Pt> blob;
    for (int i = 0; i < 16; ++i) {
        const float a = static_cast<float>(i) * kPi / 8;
        const float r = 38 + (i % 2 ? 3.0f : -2.0f);
        blob.push_back({50 + r * std::cos(a), 50 + r * std::sin(a)});
    }
    c.Draw(Poly(blob), pal::kBlood, 2.5f);
    c.Outline(Circle(50, 50, 26), 3, pal::kBlood * 0.6f, 0.9f);
    DrawCastle(c, 50, 66, 40, pal::kGold, pal::kBlood * 1.3f);
}

void Crystal(Canvas& c) {
    DrawGem(c, 50, 52, 30, {0.55f, 0.35f, 0.75f});
}

void Ingots(Canvas& c) {
    for (int i = 0; i < 3; ++i) {
        const float x = i == 2 ? 50.0f : 32.0f + static_cast<float>(i) * 36;
        const float y = i == 2 ? 50.0f : 70.0f;
        c.Draw(Poly({{x - 16, y + 8}, {x - 11, y - 8}, {x + 11, y - 8}, {x + 16, y + 8}}),
               pal::kIron, 2);
        c.Fill(Poly({{x - 9, y - 6}, {x + 9, y - 6}, {x + 7, y - 2}, {x - 7, y - 2}}), pal::kSteel,
               0.8f);
    }
}

void Logs(Canvas& c) {
    for (int i = 0; i < 3; ++i) {
        const float y = 70 - static_cast<float>(i) * 16;
        const float x = i == 2 ? 50.0f : 50.0f;
        const float w = i == 2 ? 24.0f : 36.0f;
        for (int k = 0; k < (i == 2 ? 1 : 2); ++k) {
            const float lx = i == 2 ? x : x - 16 + static_cast<float>(k) * 32;
            c.Draw(Rect(lx - w / 2, y - 7, lx + w / 2, y + 7, 7), pal::kWood, 2);
            c.Draw(Circle(lx + w / 2 - 6, y, 6), pal::kSand, 1.6f);
            c.Outline(Circle(lx + w / 2 - 6, y, 3), 1, pal::kWoodDark, 0.8f);
        }
    }
}

void Stones(Canvas& c, bool cut) {
    if (cut) {
        c.Draw(Rect(18, 56, 50, 80, 1), pal::kStone, 2);
        c.Draw(Rect(50, 56, 82, 80, 1), pal::kStone * 0.9f, 2);
        c.Draw(Rect(34, 32, 66, 56, 1), pal::kStone * 1.05f, 2);
    } else {
        c.Draw(Poly({{14, 80}, {22, 54}, {42, 44}, {58, 56}, {62, 80}}), pal::kStone, 2);
        c.Draw(Poly({{50, 80}, {58, 40}, {76, 30}, {88, 50}, {86, 80}}), pal::kStone * 0.9f, 2);
        c.Hatch(Poly({{50, 80}, {58, 40}, {76, 30}, {88, 50}, {86, 80}}), 3, 60, 0.8f, kInk, 0.4f,
                0.5f);
    }
}

void Trader(Canvas& c) {
    // A laden cart.
    c.Draw(Rect(16, 42, 76, 66, 2), pal::kWood, 2);
    c.Draw(Ellipse(46, 42, 28, 16), pal::kParchmentDark, 2);
    c.Draw(Rect(40, 30, 52, 42, 2), pal::kCloth, 1.5f);
    c.Draw(Circle(30, 72, 10), pal::kWoodDark, 2);
    c.Draw(Circle(64, 72, 10), pal::kWoodDark, 2);
    c.Draw(Segment(76, 58, 92, 64, 1.5f), pal::kWoodDark, 1);
    DrawCoin(c, 82, 36, 8);
}

void Dungeon(Canvas& c) {
    c.Draw(Poly({{8, 86}, {20, 40}, {50, 18}, {80, 40}, {92, 86}}), pal::kStone, 2.5f);
    c.Hatch(Poly({{8, 86}, {20, 40}, {50, 18}, {80, 40}, {92, 86}}), 3, 65, 0.8f, kInk, 0.4f, 0.5f);
    c.Draw(Union(Rect(32, 54, 68, 86), Circle(50, 54, 18)), pal::kBlack, 2);
    c.Fill(Circle(42, 56, 2.5f), pal::kFire);
    c.Fill(Circle(58, 56, 2.5f), pal::kFire);
    c.Glow(Circle(42, 56, 2), 6, pal::kFire, 0.5f);
    c.Glow(Circle(58, 56, 2), 6, pal::kFire, 0.5f);
}

void EventMark(Canvas& c) {
    c.Draw(Rect(26, 20, 74, 82, 4), pal::kParchment, 2);
    for (int i = 0; i < 5; ++i)
        c.Outline(
            Segment(33, 32 + static_cast<float>(i) * 9, 67, 32 + static_cast<float>(i) * 9, 0.1f),
            1.5f, kInk, 0.6f);
    c.Draw(Circle(62, 74, 9), pal::kBlood, 1.5f);
}

void ThemeMark(Canvas& c) {
    std::vector<Pt> star;
    for (int i = 0; i < 16; ++i) {
        const float a = -kPi / 2 + static_cast<float>(i) * kPi / 8;
        const float r = i % 2 ? 14.0f : 38.0f;
        star.push_back({50 + r * std::cos(a), 50 + r * std::sin(a)});
    }
    c.Glow(Circle(50, 50, 16), 30, pal::kGold, 0.5f);
    c.Draw(Poly(star), pal::kGold, 2);
    c.Draw(Circle(50, 50, 9), pal::kBlood, 1.5f);
}

}  // namespace

void AddIconPainters(PainterTable& t) {
    auto icon = [](std::function<void(Canvas&)> f, Rgb tint = pal::kParchment, float amount = 0) {
        return Painter{36, 36, [f, tint, amount](Canvas& c) { Painted(c, f, tint, amount); }, true};
    };
    t["d2_icon_theme"] = icon(ThemeMark);
    t["d2_icon_event"] = icon(EventMark);
    t["d2_icon_village"] = icon([](Canvas& c) { Village(c, pal::kBlood * 0.9f, pal::kParchment); });
    const char* owners[] = {"blue", "green", "red", "cyan"};
    for (int lord = 1; lord <= 4; ++lord) {
        t[std::string("d2_icon_village_") + owners[lord - 1]] =
            icon([lord](Canvas& c) { Village(c, LordColour(lord), LordColour(lord)); },
                 LordColour(lord), 0.25f);
    }
    t["d2_icon_village_grey"] =
        icon([](Canvas& c) { Village(c, pal::kStoneDark, pal::kStone); }, pal::kStoneDark, 0.35f);
    t["d2_icon_wood"] = icon(Logs);
    t["d2_icon_iron"] = icon(Ingots);
    t["d2_icon_trader"] = icon(Trader);
    t["d2_icon_dungeon"] = icon(Dungeon);
    t["d2_icon_stone"] = icon([](Canvas& c) { Stones(c, false); });
    t["d2_icon_stone2"] = icon([](Canvas& c) { Stones(c, true); });
    t["d2_icon_crystal"] = icon(Crystal);

    const auto& colours = state::LordColours();
    for (int lord = 1; lord <= 4; ++lord) {
        const std::string colour = colours[static_cast<std::size_t>(lord - 1)];
        t["army_" + colour] = {50, 50, [lord](Canvas& c) { Army(c, lord, false); }, true};
        t["army_" + colour + "_sm"] = {35, 35, [lord](Canvas& c) { Army(c, lord, true); }, true};
        t["castle_" + colour + "_sm"] = {35, 35, [lord](Canvas& c) { CastleMarker(c, lord); },
                                         true};
        t["factionlogo_" + colour] = {100, 100, [lord](Canvas& c) { FactionLogo(c, lord); }, true};
    }
    for (int q = 0; q <= 4; ++q) {
        t["hourglass_" + std::to_string(q * 25) + "of100_sm"] = {
            30, 40, [q](Canvas& c) { Hourglass(c, q); }, true};
    }
    // The health vessel holds a blue liquid (the tutorial calls it the blue vessel).
    const Rgb healthBlue{0.14f, 0.3f, 0.78f};
    for (int n = 0; n <= 9; ++n) {
        t["health" + std::to_string(n)] = {
            40, 100,
            [n, healthBlue](Canvas& c) { Gauge(c, static_cast<float>(n) / 9.0f, healthBlue); },
            true};
    }
    for (int n = 1; n <= 10; ++n) {
        const std::string key = std::string("xp") + (n < 10 ? "0" : "") + std::to_string(n);
        t[key] = {40, 100,
                  [n](Canvas& c) {
                      Gauge(c, static_cast<float>(n) / 10.0f, {0.85f, 0.66f, 0.2f});
                  },
                  true};
    }
    t["b3_sm"] = {40, 40, Seal, true};

    auto status = [](std::function<void(Canvas&)> f) {
        return Painter{32, 32, [f](Canvas& c) { Painted(c, f); }, true};
    };
    t["status_gold"] = status([](Canvas& c) {
        Rng rng(5);
        DrawCoinHeap(c, 50, 80, 70, 5, rng);
    });
    t["status_honor"] = status([](Canvas& c) {
        c.Draw(ShieldShape(50, 16, 56, 68), pal::kSea, 2);
        c.Draw(Poly({{50, 30},
                     {56, 46},
                     {72, 46},
                     {59, 56},
                     {64, 72},
                     {50, 62},
                     {36, 72},
                     {41, 56},
                     {28, 46},
                     {44, 46}}),
               pal::kGold, 1.5f);
    });
    t["status_wood"] = status(Logs);
    t["status_iron"] = status(Ingots);
    t["status_stone"] = status([](Canvas& c) { Stones(c, true); });
    t["status_gems"] = status(Crystal);
    t["status_level"] = status([](Canvas& c) {
        c.Draw(Poly({{20, 30}, {32, 58}, {50, 26}, {68, 58}, {80, 30}, {76, 76}, {24, 76}}),
               pal::kGold, 2);
    });
    t["status_soldiers"] = status([](Canvas& c) { DrawSword(c, 24, 80, 76, 20, 8); });
    t["status_fast"] = status([](Canvas& c) {
        c.Draw(Ellipse(50, 56, 30, 16), pal::kStoneDark, 2);
        c.Draw(Rect(24, 60, 32, 86), pal::kStoneDark, 1.5f);
        c.Draw(Rect(66, 60, 74, 86), pal::kStoneDark, 1.5f);
        c.Draw(Curve({74, 50}, {92, 58}, {86, 84}, 5, 2), pal::kStoneDark, 1.5f);
    });
    t["status_archers"] = status([](Canvas& c) { DrawBow(c, 58, 50, 70, true); });
    t["status_siege"] = status([](Canvas& c) {
        c.Draw(Rect(20, 40, 80, 56, 8), pal::kIron * 0.7f, 2);
        c.Draw(Circle(40, 66, 14), pal::kWood, 2);
    });
}

}  // namespace gendata
