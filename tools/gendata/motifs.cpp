#include "motifs.h"

#include <cmath>

namespace gendata {

Shape ShieldShape(float cx, float top, float w, float h) {
    const float hw = w / 2;
    return Poly({{cx - hw, top},
                 {cx + hw, top},
                 {cx + hw, top + h * 0.45f},
                 {cx + hw * 0.75f, top + h * 0.75f},
                 {cx, top + h},
                 {cx - hw * 0.75f, top + h * 0.75f},
                 {cx - hw, top + h * 0.45f}});
}

void DrawShadow(Canvas& c, float cx, float cy, float rx, float ry) {
    c.Fill(Ellipse(cx, cy, rx, ry), kInk, 0.22f);
}

void DrawBanner(Canvas& c, float x, float base, float h, Rgb colour) {
    c.Draw(Rect(x - 0.6f, base - h, x + 0.6f, base), pal::kWoodDark, 0.4f);
    const float top = base - h;
    c.Draw(Poly({{x + 0.5f, top},
                 {x + h * 0.55f, top + h * 0.12f},
                 {x + h * 0.35f, top + h * 0.18f},
                 {x + h * 0.5f, top + h * 0.28f},
                 {x + 0.5f, top + h * 0.3f}}),
           colour, 0.5f);
}

void DrawCastle(Canvas& c, float cx, float base, float size, Rgb banner, Rgb stone) {
    const float s = size / 100.0f;
    auto X = [&](float u) { return cx + (u - 50) * s; };
    auto Y = [&](float v) { return base - v * s; };
    DrawShadow(c, cx + 6 * s, base, 55 * s, 6 * s);
    // Curtain wall with crenels.
    std::vector<Pt> wall = {{X(8), Y(0)}, {X(8), Y(42)}};
    for (int i = 0; i < 8; ++i) {
        const float x0 = 8 + static_cast<float>(i) * 10.5f;
        wall.push_back({X(x0), Y(46)});
        wall.push_back({X(x0 + 5), Y(46)});
        wall.push_back({X(x0 + 5), Y(42)});
        wall.push_back({X(x0 + 10.5f), Y(42)});
    }
    wall.push_back({X(92), Y(0)});
    Shape wallShape = Poly(wall);
    c.Draw(wallShape, stone, 1.0f * s + 0.4f);
    c.Hatch(wallShape, 2.2f * s + 0.6f, 0, 0.35f * s + 0.2f, kInk, 0.25f, 0.0f);
    // Keep and two towers.
    auto tower = [&](float x, float w, float h, bool cone) {
        Shape body = Rect(X(x - w / 2), Y(h), X(x + w / 2), Y(0));
        c.Draw(body, Mix(stone, pal::kWhite, 0.08f), 1.0f * s + 0.4f);
        c.Hatch(body, 2.0f * s + 0.6f, 70, 0.3f * s + 0.2f, kInk, 0.35f, 0.55f);
        if (cone) {
            c.Draw(
                Poly({{X(x - w / 2 - 3), Y(h)}, {X(x), Y(h + w * 1.1f)}, {X(x + w / 2 + 3), Y(h)}}),
                pal::kBlood * 0.85f, 1.0f * s + 0.4f);
            DrawBanner(c, X(x), Y(h + w * 1.1f), 14 * s, banner);
        } else {
            for (int k = 0; k < 3; ++k) {
                const float bx = x - w / 2 + static_cast<float>(k) * w / 2.5f;
                c.Draw(Rect(X(bx), Y(h + 5), X(bx + w / 5), Y(h - 0.5f)), stone, 0.8f * s + 0.3f);
            }
        }
        c.Draw(Rect(X(x - 2), Y(h * 0.7f), X(x + 2), Y(h * 0.7f - 6), 1.5f * s), pal::kBlack, 0.4f);
    };
    tower(16, 16, 62, true);
    tower(84, 16, 62, true);
    tower(50, 26, 78, false);
    DrawBanner(c, X(50), Y(83), 18 * s, banner);
    // Gate.
    Shape gate = Union(Rect(X(42), Y(24), X(58), Y(0)), Circle(X(50), Y(24), 8 * s));
    c.Draw(gate, pal::kWoodDark, 1.0f * s + 0.3f);
    for (int k = 0; k < 4; ++k) {
        const float gx = X(44 + static_cast<float>(k) * 4);
        c.Outline(Segment(gx, Y(28), gx, Y(0), 0.01f), 0.5f * s + 0.2f, kInk, 0.6f);
    }
}

void DrawGem(Canvas& c, float cx, float cy, float r, Rgb colour) {
    Shape gem = Poly({{cx - r, cy - r * 0.2f},
                      {cx - r * 0.55f, cy - r * 0.7f},
                      {cx + r * 0.55f, cy - r * 0.7f},
                      {cx + r, cy - r * 0.2f},
                      {cx, cy + r}});
    c.Glow(gem, r * 0.8f, Mix(colour, pal::kWhite, 0.5f), 0.25f);
    c.Draw(gem, colour, std::max(0.6f, r * 0.08f));
    c.Fill(Poly({{cx - r * 0.55f, cy - r * 0.2f},
                 {cx + r * 0.55f, cy - r * 0.2f},
                 {cx, cy + r * 0.85f}}),
           colour * 0.75f, 0.7f);
    c.Fill(Poly({{cx - r * 0.45f, cy - r * 0.62f},
                 {cx, cy - r * 0.62f},
                 {cx - r * 0.6f, cy - r * 0.22f}}),
           pal::kWhite, 0.6f);
    c.Outline(Segment(cx - r, cy - r * 0.2f, cx + r, cy - r * 0.2f, 0.01f),
              std::max(0.4f, r * 0.05f), kInk, 0.6f);
}

void DrawCoin(Canvas& c, float cx, float cy, float r) {
    c.Draw(Ellipse(cx, cy, r, r * 0.55f), pal::kGold, std::max(0.5f, r * 0.12f));
    c.Outline(Ellipse(cx, cy, r * 0.65f, r * 0.33f), std::max(0.4f, r * 0.07f), pal::kGoldDark,
              0.8f);
    c.Fill(Ellipse(cx - r * 0.35f, cy - r * 0.15f, r * 0.25f, r * 0.1f), pal::kWhite, 0.5f);
}

void DrawCoinHeap(Canvas& c, float cx, float base, float w, int count, Rng& rng) {
    Shape heap =
        Intersect(Ellipse(cx, base, w / 2, w * 0.32f), Rect(cx - w, base - w, cx + w, base));
    DrawShadow(c, cx + w * 0.06f, base, w * 0.55f, w * 0.07f);
    c.Draw(heap, pal::kGold, 0.9f);
    c.Hatch(heap, 1.6f, 35, 0.35f, pal::kGoldDark, 0.6f, 0.5f);
    for (int i = 0; i < count; ++i) {
        const float a = rng.Range(-1, 1);
        const float x = cx + a * w * 0.42f;
        const float top = base - w * 0.32f * std::sqrt(std::max(0.0f, 1 - a * a));
        const float y = rng.Range(top + 2, base - 1);
        DrawCoin(c, x, y, w * 0.07f);
    }
}

void DrawSword(Canvas& c, float x0, float y0, float x1, float y1, float width, Rgb blade) {
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float len = std::hypot(dx, dy);
    const float ux = dx / len;
    const float uy = dy / len;
    const float nx = -uy;
    const float ny = ux;
    auto P = [&](float along, float side) {
        return Pt{x0 + ux * along + nx * side, y0 + uy * along + ny * side};
    };
    const float hilt = len * 0.22f;
    c.Draw(Poly({P(hilt, -width / 2), P(len * 0.9f, -width / 2), P(len, 0),
                 P(len * 0.9f, width / 2), P(hilt, width / 2)}),
           blade, width * 0.18f);
    c.Outline(Segment(P(hilt + 1, 0).x, P(hilt + 1, 0).y, P(len * 0.85f, 0).x, P(len * 0.85f, 0).y,
                      0.01f),
              width * 0.12f, kInk, 0.4f);
    const Pt g0 = P(hilt, -width * 1.8f);
    const Pt g1 = P(hilt, width * 1.8f);
    c.Draw(Segment(g0.x, g0.y, g1.x, g1.y, width * 0.35f), pal::kGoldDark, width * 0.15f);
    const Pt h0 = P(len * 0.05f, 0);
    const Pt h1 = P(hilt, 0);
    c.Draw(Segment(h0.x, h0.y, h1.x, h1.y, width * 0.3f), pal::kWoodDark, width * 0.12f);
    c.Draw(Circle(x0, y0, width * 0.5f), pal::kGold, width * 0.12f);
}

void DrawAxe(Canvas& c, float x0, float y0, float x1, float y1, float width) {
    c.Draw(Segment(x0, y0, x1, y1, width * 0.3f), pal::kWood, width * 0.12f);
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float len = std::hypot(dx, dy);
    const float ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    auto P = [&](float along, float side) {
        return Pt{x0 + ux * along + nx * side, y0 + uy * along + ny * side};
    };
    c.Draw(Poly({P(len * 0.78f, 0), P(len * 0.7f, width * 2.4f), P(len * 0.86f, width * 2.9f),
                 P(len * 1.02f, width * 2.4f), P(len * 0.95f, 0)}),
           pal::kSteel, width * 0.15f);
}

void DrawBow(Canvas& c, float cx, float cy, float h, bool drawn) {
    const float bend = drawn ? h * 0.35f : h * 0.22f;
    c.Draw(
        Curve({cx, cy - h / 2}, {cx - bend * 2, cy}, {cx, cy + h / 2}, h * 0.025f, h * 0.025f, 16),
        pal::kWood, h * 0.012f);
    const float pull = drawn ? h * 0.25f : 0.0f;
    c.Outline(Stroke({{cx, cy - h / 2}, {cx + pull, cy}, {cx, cy + h / 2}}, 0.01f, 0.01f),
              h * 0.008f + 0.3f, kInk, 0.9f);
    if (drawn) {
        c.Draw(Segment(cx + pull, cy, cx - bend * 2.3f, cy, h * 0.01f), pal::kWoodDark, h * 0.006f);
        c.Draw(Poly({{cx - bend * 2.3f - h * 0.06f, cy},
                     {cx - bend * 2.3f, cy - h * 0.025f},
                     {cx - bend * 2.3f, cy + h * 0.025f}}),
               pal::kSteel, h * 0.006f);
    }
}

void DrawStaff(Canvas& c, float x0, float y0, float x1, float y1, Rgb orb) {
    c.Draw(Segment(x0, y0, x1, y1, 1.4f), pal::kWood, 0.6f);
    c.Glow(Circle(x1, y1, 3.5f), 9.0f, orb, 0.45f);
    c.Draw(Circle(x1, y1, 3.5f), Mix(orb, pal::kWhite, 0.3f), 0.6f);
}

void DrawToken(Canvas& c, Rgb tint, float tintAmount) {
    Parchment(c, 0.25f);
    if (tintAmount > 0) c.Fill(Rect(0, 0, c.W(), c.H()), tint, tintAmount);
    c.Outline(Rect(2.5f, 2.5f, c.W() - 2.5f, c.H() - 2.5f, 6), 3.0f, kInk, 0.9f);
}

void DrawPerson(Canvas& c, const Person& p) {
    const float s = p.scale;
    auto X = [&](float u) { return p.cx + u * s; };
    auto Y = [&](float v) { return p.headY + v * s; };
    const float ink = 1.1f * s + 0.2f;
    if (p.cape) {
        c.Draw(Poly({{X(-26), Y(22)},
                     {X(26), Y(22)},
                     {X(38), Y(p.standing ? 85 : 70)},
                     {X(-38), Y(p.standing ? 85 : 70)}}),
               p.capeColour, ink);
    }
    if (p.standing) {
        // Legs and boots.
        c.Draw(Rect(X(-11), Y(55), X(-2), Y(84)), p.tunic * 0.7f, ink);
        c.Draw(Rect(X(2), Y(55), X(11), Y(84)), p.tunic * 0.7f, ink);
        c.Draw(Rect(X(-13), Y(80), X(-1), Y(88), 2 * s), pal::kWoodDark, ink);
        c.Draw(Rect(X(1), Y(80), X(13), Y(88), 2 * s), pal::kWoodDark, ink);
    }
    // Body: shoulders and chest.
    const float bottom = p.standing ? 60.0f : 70.0f;
    Shape body = Poly({{X(-24), Y(bottom)},
                       {X(-27), Y(26)},
                       {X(-18), Y(17)},
                       {X(18), Y(17)},
                       {X(27), Y(26)},
                       {X(24), Y(bottom)}});
    c.Draw(body, p.armour ? pal::kIron : p.tunic, ink);
    if (p.armour) {
        c.Hatch(body, 2.2f * s, 80, 0.45f * s, kInk, 0.35f, 0.5f);
        c.Draw(Ellipse(X(-21), Y(24), 9 * s, 6 * s), pal::kSteel, ink * 0.8f);
        c.Draw(Ellipse(X(21), Y(24), 9 * s, 6 * s), pal::kSteel, ink * 0.8f);
        c.Draw(Rect(X(-4), Y(28), X(4), Y(bottom), 1 * s), p.tunic, ink * 0.6f);
    } else {
        c.Draw(Poly({{X(-7), Y(17)}, {X(7), Y(17)}, {X(0), Y(30)}}), p.trim, ink * 0.6f);
    }
    c.Draw(Rect(X(-24), Y(bottom - 14), X(24), Y(bottom - 9)), pal::kWoodDark, ink * 0.6f);
    c.Draw(Rect(X(-3), Y(bottom - 15), X(3), Y(bottom - 8), 1 * s), pal::kGold, ink * 0.5f);
    // Long hair falls behind the head onto the shoulders, beside the neck and never under the
    // chin (where it would read as a beard).
    if (p.longHair) {
        c.Draw(Union(Ellipse(X(0), Y(-1), 13.5f * s, 14 * s),
                     Union(Rect(X(-14.5f), Y(-2), X(-6.5f), Y(26), 4 * s),
                           Rect(X(6.5f), Y(-2), X(14.5f), Y(26), 4 * s))),
               p.hair, ink);
    }
    // Neck and head.
    c.Draw(Rect(X(-5), Y(8), X(5), Y(19)), p.skin * 0.9f, ink * 0.8f);
    if (p.pointedEars) {
        c.Draw(Poly({{X(-10), Y(-2)}, {X(-18), Y(-10)}, {X(-10), Y(4)}}), p.skin, ink * 0.8f);
        c.Draw(Poly({{X(10), Y(-2)}, {X(18), Y(-10)}, {X(10), Y(4)}}), p.skin, ink * 0.8f);
    }
    Shape head = Ellipse(X(0), Y(0), 10.5f * s, 13 * s);
    c.Draw(head, p.skin, ink);
    // Hair on top of the head.
    if (p.head == Person::Head::Bare || p.head == Person::Head::Circlet ||
        p.head == Person::Head::Crown) {
        c.Draw(
            Intersect(Ellipse(X(0), Y(-3), 11.5f * s, 12 * s), Rect(X(-14), Y(-18), X(14), Y(-5))),
            p.hair, ink * 0.8f);
    }
    // Face.
    const Rgb eye = p.glowingEyes ? pal::kFire : kInk;
    if (p.glowingEyes) {
        c.Glow(Circle(X(-4), Y(0), 1.5f * s), 4 * s, pal::kFire, 0.7f);
        c.Glow(Circle(X(4), Y(0), 1.5f * s), 4 * s, pal::kFire, 0.7f);
    }
    c.Fill(Ellipse(X(-4), Y(0), 1.4f * s, 1.0f * s), eye);
    c.Fill(Ellipse(X(4), Y(0), 1.4f * s, 1.0f * s), eye);
    c.Outline(Segment(X(-6), Y(-3.5f), X(-2), Y(-3), 0.01f), 0.6f * s, p.hair * 0.7f, 0.9f);
    c.Outline(Segment(X(2), Y(-3), X(6), Y(-3.5f), 0.01f), 0.6f * s, p.hair * 0.7f, 0.9f);
    c.Outline(Curve({X(0), Y(1)}, {X(-1.8f), Y(4.5f)}, {X(0.5f), Y(5)}, 0.01f, 0.01f), 0.5f * s,
              kInk, 0.6f);
    c.Fill(Ellipse(X(-6), Y(4), 2 * s, 1.2f * s), pal::kBlood, 0.15f);
    c.Fill(Ellipse(X(6), Y(4), 2 * s, 1.2f * s), pal::kBlood, 0.15f);
    if (p.beard) {
        c.Draw(Poly({{X(-10), Y(2)},
                     {X(-8), Y(13)},
                     {X(0), Y(20)},
                     {X(8), Y(13)},
                     {X(10), Y(2)},
                     {X(5), Y(7)},
                     {X(-5), Y(7)}}),
               p.beardColour, ink * 0.8f);
        c.Outline(Curve({X(-4), Y(9)}, {X(0), Y(8)}, {X(4), Y(9)}, 0.01f, 0.01f), 0.6f * s, kInk,
                  0.7f);
    } else if (p.lady) {
        c.Fill(Ellipse(X(0), Y(8.2f), 2.6f * s, 1.1f * s), pal::kBlood * 1.2f, 0.85f);
        for (float side : {-1.0f, 1.0f}) {
            c.Outline(Segment(X(side * 4.6f), Y(-1), X(side * 6.4f), Y(-2.4f), 0.01f), 0.5f * s,
                      kInk, 0.8f);
        }
    } else {
        c.Outline(Curve({X(-3), Y(8)}, {X(0), Y(9)}, {X(3), Y(8)}, 0.01f, 0.01f), 0.6f * s, kInk,
                  0.7f);
    }
    switch (p.head) {
        case Person::Head::Helm:
        case Person::Head::HornedHelm: {
            Shape helm = Intersect(Ellipse(X(0), Y(-2), 12.5f * s, 14 * s),
                                   Rect(X(-14), Y(-17), X(14), Y(-1)));
            c.Draw(helm, pal::kSteel, ink);
            c.Draw(Rect(X(-1.5f), Y(-2), X(1.5f), Y(5)), pal::kSteel, ink * 0.6f);
            c.Outline(Segment(X(-12), Y(-5), X(12), Y(-5), 0.01f), 0.8f * s, kInk, 0.6f);
            if (p.head == Person::Head::HornedHelm) {
                c.Draw(
                    Curve({X(-11), Y(-8)}, {X(-22), Y(-12)}, {X(-20), Y(-26)}, 2.5f * s, 0.5f * s),
                    pal::kBone, ink * 0.7f);
                c.Draw(Curve({X(11), Y(-8)}, {X(22), Y(-12)}, {X(20), Y(-26)}, 2.5f * s, 0.5f * s),
                       pal::kBone, ink * 0.7f);
            } else {
                c.Draw(Curve({X(0), Y(-16)}, {X(6), Y(-24)}, {X(14), Y(-20)}, 2.0f * s, 0.8f * s),
                       p.trim, ink * 0.6f);
            }
            break;
        }
        case Person::Head::Hood: {
            Shape hood = Subtract(Ellipse(X(0), Y(-1), 15 * s, 17 * s),
                                  Ellipse(X(0), Y(3), 9.5f * s, 11 * s));
            c.Draw(Intersect(hood, Rect(X(-16), Y(-19), X(16), Y(16))), p.capeColour, ink);
            break;
        }
        case Person::Head::Crown: {
            c.Draw(Poly({{X(-10), Y(-9)},
                         {X(-11), Y(-20)},
                         {X(-5), Y(-14)},
                         {X(0), Y(-22)},
                         {X(5), Y(-14)},
                         {X(11), Y(-20)},
                         {X(10), Y(-9)}}),
                   pal::kGold, ink * 0.8f);
            c.Fill(Circle(X(0), Y(-12), 1.6f * s), pal::kBlood);
            break;
        }
        case Person::Head::Circlet: {
            c.Draw(Rect(X(-10.5f), Y(-9), X(10.5f), Y(-6.5f)), pal::kGold, ink * 0.5f);
            c.Fill(Circle(X(0), Y(-7.7f), 1.4f * s), pal::kSea);
            break;
        }
        case Person::Head::WizardHat: {
            c.Draw(Ellipse(X(0), Y(-9), 17 * s, 4 * s), p.capeColour, ink);
            c.Draw(Poly({{X(-10), Y(-10)}, {X(4), Y(-38)}, {X(10), Y(-10)}}), p.capeColour, ink);
            c.Fill(Circle(X(2), Y(-22), 1.5f * s), pal::kGold);
            break;
        }
        case Person::Head::Veil: {
            c.Draw(Intersect(Ellipse(X(0), Y(-2), 12 * s, 13.5f * s),
                             Rect(X(-14), Y(-17), X(14), Y(-4))),
                   p.capeColour, ink);
            c.Draw(Poly({{X(-12), Y(-6)}, {X(-16), Y(20)}, {X(-10), Y(20)}, {X(-10), Y(-2)}}),
                   p.capeColour, ink * 0.8f);
            c.Draw(Poly({{X(12), Y(-6)}, {X(16), Y(20)}, {X(10), Y(20)}, {X(10), Y(-2)}}),
                   p.capeColour, ink * 0.8f);
            break;
        }
        case Person::Head::Bare:
            break;
    }
    // Arms and what they hold.
    const float handY = p.standing ? 50.0f : 52.0f;
    switch (p.weapon) {
        case Person::Weapon::Sword:
            DrawSword(c, X(24), Y(handY + 4), X(36), Y(-20), 4.5f * s);
            break;
        case Person::Weapon::Axe:
            DrawAxe(c, X(26), Y(handY + 10), X(34), Y(-10), 3.5f * s);
            break;
        case Person::Weapon::Bow:
            DrawBow(c, X(30), Y(25), 60 * s, false);
            break;
        case Person::Weapon::Staff:
            DrawStaff(c, X(28), Y(handY + 20), X(32), Y(-18), pal::kSea);
            break;
        case Person::Weapon::Spear:
            c.Draw(Segment(X(30), Y(handY + 20), X(30), Y(-30), 1.2f * s), pal::kWood, ink * 0.6f);
            c.Draw(Poly({{X(30), Y(-42)}, {X(33), Y(-30)}, {X(27), Y(-30)}}), pal::kSteel,
                   ink * 0.6f);
            break;
        case Person::Weapon::None:
            break;
    }
    if (p.weapon != Person::Weapon::None)
        c.Draw(Circle(X(27), Y(handY), 4.5f * s), p.armour ? pal::kSteel : p.skin, ink * 0.8f);
    if (p.shield) {
        Shape sh = ShieldShape(X(-24), Y(30), 26 * s, 34 * s);
        c.Draw(sh, p.shieldColour, ink);
        c.Outline(Grow(sh, -2.5f * s), 1.0f * s, pal::kGold, 0.9f);
        c.Draw(Circle(X(-24), Y(43), 3 * s), pal::kGold, ink * 0.6f);
    }
}

}  // namespace gendata
