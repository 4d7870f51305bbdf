// Button icons of the battle panel, the duel, the dungeon and the strategic screen, the
// tutorial pointers and the honor picture.
#include <cmath>

#include "catalog.h"
#include "motifs.h"

namespace gendata {

namespace {

constexpr float kPi = 3.14159265f;

void Arrow(Canvas& c, std::vector<Pt> path, Rgb colour, float w) {
    c.Draw(Stroke(path, w, w), colour, 1.6f);
    const Pt a = path[path.size() - 2];
    const Pt b = path.back();
    const float ang = std::atan2(b.y - a.y, b.x - a.x);
    const float l = w * 3.2f;
    auto P = [&](float da, float r) {
        return Pt{b.x + r * std::cos(ang + da), b.y + r * std::sin(ang + da)};
    };
    c.Draw(Poly({P(0, l * 0.8f), P(2.3f, l), P(-2.3f, l)}), colour, 1.6f);
}

void Button(Canvas& c, Rgb tint, bool selected) {
    Parchment(c, 0.25f);
    if (selected) {
        c.Glow(Rect(6, 6, 94, 94, 10), 10, pal::kGold, 0.55f);
        c.Outline(Rect(4, 4, 96, 96, 10), 5, pal::kGold, 0.95f);
    } else {
        c.Fill(Rect(0, 0, 100, 100), tint, 0.12f);
        c.Outline(Rect(4, 4, 96, 96, 10), 3, kInk, 0.85f);
    }
}

using Fn = std::function<void(Canvas&)>;

Painter Icon(Fn f, Rgb tint = pal::kParchment, bool selected = false) {
    return {64, 64, [f, tint, selected](Canvas& c) {
                Button(c, tint, selected);
                f(c);
            }};
}

void Charge(Canvas& c) {
    DrawSword(c, 18, 82, 70, 30, 9);
    Arrow(c, {{30, 40}, {56, 24}, {84, 20}}, pal::kBlood, 3.5f);
}

void Flank(Canvas& c) {
    Arrow(c, {{18, 80}, {20, 40}, {42, 20}, {70, 28}}, pal::kBlood, 3.5f);
    Arrow(c, {{82, 80}, {80, 52}, {66, 44}}, pal::kBlood * 0.8f, 3);
    c.Draw(Rect(40, 56, 62, 78, 3), pal::kStoneDark, 1.5f);
}

void Hold(Canvas& c) {
    Shape sh = ShieldShape(50, 16, 60, 70);
    c.Draw(sh, pal::kSea, 2.5f);
    c.Outline(Grow(sh, -5), 2, pal::kGold, 0.9f);
    c.Draw(Rect(46, 26, 54, 74), pal::kGold, 1);
    c.Draw(Rect(30, 40, 70, 48), pal::kGold, 1);
}

void Retreat(Canvas& c) {
    c.Draw(Poly({{58, 20}, {80, 20}, {80, 46}, {68, 38}, {58, 46}}), pal::kWhite, 1.5f);
    c.Draw(Segment(58, 20, 58, 84, 1.5f), pal::kWood, 1);
    Arrow(c, {{50, 70}, {34, 70}, {18, 62}}, pal::kBlood, 3.5f);
}

void Divine(Canvas& c) {
    for (int i = 0; i < 9; ++i) {
        const float a = kPi * (0.15f + 0.7f * static_cast<float>(i) / 8.0f);
        c.Fill(Segment(50, 20, 50 + 70 * std::cos(a), 20 + 70 * std::sin(a), 2.5f), pal::kGold,
               0.55f);
    }
    c.Glow(Circle(50, 20, 10), 20, pal::kWhite, 0.7f);
    c.Draw(Union(Rect(44, 40, 56, 84, 2), Rect(32, 52, 68, 62, 2)), pal::kGold, 1.5f);
}

void Empty(Canvas& c) {
    c.Outline(Circle(50, 50, 24), 3, kInk, 0.35f);
    c.Outline(Segment(34, 66, 66, 34, 0.1f), 3, kInk, 0.35f);
}

void Exit(Canvas& c) {
    c.Draw(Rect(30, 16, 70, 86), pal::kStoneDark, 2);
    c.Draw(Union(Rect(36, 40, 64, 86), Circle(50, 40, 14)), Mix(pal::kGold, pal::kWhite, 0.4f),
           1.5f);
    Arrow(c, {{46, 70}, {60, 56}, {74, 50}}, pal::kLeaf, 3);
}

void Help(Canvas& c) {
    c.Draw(Circle(50, 50, 32), pal::kSea, 2.5f);
    c.Draw(
        Stroke({{38, 38}, {42, 28}, {54, 26}, {62, 34}, {58, 44}, {50, 50}, {50, 58}}, 4.5f, 4.5f),
        pal::kWhite, 1.4f);
    c.Draw(Circle(50, 70, 4.5f), pal::kWhite, 1.4f);
}

void Search(Canvas& c) {
    c.Draw(Segment(58, 58, 82, 82, 5), pal::kWoodDark, 1.5f);
    c.Draw(Circle(42, 42, 22), Mix(pal::kSea, pal::kWhite, 0.6f), 1.0f);
    c.Outline(Circle(42, 42, 22), 5, pal::kGoldDark, 0.95f);
    c.Fill(Ellipse(34, 34, 7, 4), pal::kWhite, 0.6f);
}

void Thrust(Canvas& c) {
    c.Draw(Segment(14, 50, 60, 50, 3), pal::kWood, 1.2f);
    c.Draw(Poly({{60, 42}, {88, 50}, {60, 58}}), pal::kSteel, 1.5f);
    for (int i = 0; i < 3; ++i)
        c.Outline(
            Segment(20, 36 + static_cast<float>(i) * 14, 44, 36 + static_cast<float>(i) * 14, 0.1f),
            1.5f, kInk, 0.5f);
}

void Slash(Canvas& c) {
    DrawSword(c, 22, 80, 72, 22, 8);
    c.Outline(Curve({20, 30}, {56, 30}, {80, 70}, 0.1f, 0.1f), 3, pal::kWhite, 0.8f);
}

void Smash(Canvas& c) {
    c.Draw(Segment(26, 78, 62, 38, 3), pal::kWood, 1.2f);
    c.Draw(Circle(66, 34, 15), pal::kIron, 2);
    for (int i = 0; i < 8; ++i) {
        const float a = static_cast<float>(i) * kPi / 4;
        c.Draw(Poly({{66 + 13 * std::cos(a - 0.3f), 34 + 13 * std::sin(a - 0.3f)},
                     {66 + 22 * std::cos(a), 34 + 22 * std::sin(a)},
                     {66 + 13 * std::cos(a + 0.3f), 34 + 13 * std::sin(a + 0.3f)}}),
               pal::kSteel, 1);
    }
}

void Strike(Canvas& c) {
    c.Glow(Circle(50, 50, 20), 30, pal::kFire, 0.5f);
    c.Draw(Poly({{58, 10}, {30, 54}, {48, 54}, {38, 90}, {72, 42}, {54, 42}, {64, 10}}), pal::kGold,
           1.8f);
}

void Heal(Canvas& c) {
    c.Glow(Circle(50, 50, 24), 20, pal::kLeaf, 0.5f);
    c.Draw(Union(Rect(40, 22, 60, 78, 3), Rect(22, 40, 78, 60, 3)), pal::kLeaf, 2);
}

void Pause(Canvas& c) {
    c.Draw(Rect(30, 24, 44, 76, 3), pal::kWoodDark, 1.5f);
    c.Draw(Rect(56, 24, 70, 76, 3), pal::kWoodDark, 1.5f);
}

void Move(Canvas& c) {
    for (int i = 0; i < 4; ++i) {
        const float x = 24 + static_cast<float>(i) * 16;
        const float y = 78 - static_cast<float>(i) * 16;
        c.Draw(Ellipse(x + (i % 2 ? 5.0f : -5.0f), y, 5, 8), pal::kWoodDark, 1.2f);
    }
    Arrow(c, {{56, 30}, {72, 22}, {84, 18}}, pal::kBlood, 2.5f);
}

void Transfer(Canvas& c) {
    c.Glow(Ellipse(50, 54, 30, 36), 14, pal::kPurple, 0.5f);
    c.Draw(Ellipse(50, 54, 26, 34), Mix(pal::kPurple, pal::kSea, 0.4f), 2.5f);
    c.Outline(Ellipse(50, 54, 18, 25), 2, pal::kWhite, 0.6f);
    c.Outline(Ellipse(50, 54, 9, 14), 2, pal::kWhite, 0.6f);
    DrawCastle(c, 50, 66, 30, pal::kGold);
}

void BuyTroops(Canvas& c) {
    Person p;
    p.cx = 42;
    p.headY = 36;
    p.scale = 0.9f;
    p.armour = true;
    p.head = Person::Head::Helm;
    p.weapon = Person::Weapon::Spear;
    DrawPerson(c, p);
    DrawCoin(c, 76, 78, 12);
    DrawCoin(c, 70, 70, 12);
}

void CastleUpgrade(Canvas& c, bool gold) {
    DrawCastle(c, 46, 88, 72, gold ? pal::kGold : pal::kBlood,
               gold ? Mix(pal::kGold, pal::kStone, 0.4f) : pal::kStone);
    c.Draw(Segment(70, 30, 88, 12, 2.5f), pal::kWood, 1);
    c.Draw(Rect(80, 6, 96, 16, 2), pal::kIron, 1.4f);
}

// A hand pointing left or right, or an eye looking that way.
void Pointer(Canvas& c, bool click, bool left) {
    Parchment(c, 0.2f);
    const float d = left ? -1.0f : 1.0f;
    auto X = [&](float u) { return 50 + d * (u - 50); };
    if (click) {
        Shape hand = Union(Union(Rect(std::min(X(40), X(70)), 40, std::max(X(40), X(70)), 66, 8),
                                 Rect(std::min(X(70), X(94)), 42, std::max(X(70), X(94)), 52, 5)),
                           Rect(std::min(X(30), X(44)), 44, std::max(X(30), X(44)), 66, 4));
        c.Draw(hand, pal::kSkin, 2.2f);
        for (int i = 0; i < 3; ++i)
            c.Outline(Segment(X(52), 56 + static_cast<float>(i) * 4, X(70),
                              56 + static_cast<float>(i) * 4, 0.1f),
                      1, kInk, 0.5f);
        c.Draw(Rect(std::min(X(14), X(30)), 38, std::max(X(14), X(30)), 72, 3), pal::kBlood, 1.8f);
        for (int i = 0; i < 3; ++i) {
            const float a = -0.6f + 0.6f * static_cast<float>(i);
            c.Outline(Segment(X(98), 47, X(98 + 8 * std::cos(a)), 47 + 8 * std::sin(a), 0.1f), 1.6f,
                      pal::kGoldDark, 0.9f);
        }
    } else {
        c.Draw(Ellipse(50, 34, 38, 22), pal::kWhite, 2.4f);
        c.Draw(Circle(X(62), 34, 13), pal::kSea, 1.5f);
        c.Fill(Circle(X(62), 34, 5.5f), pal::kBlack);
        c.Fill(Circle(X(58), 30, 2.5f), pal::kWhite, 0.8f);
        Arrow(c, {{X(26), 66}, {X(58), 66}, {X(88), 66}}, pal::kBlood, 2.5f);
    }
}

// The hand or the eye of Pointer turned to point up (standing below what it points at) or down
// (standing above it), on a picture as tall as the other is wide.
void PointerTurned(Canvas& c, bool click, bool up) {
    Parchment(c, 0.2f);
    // Pointer's units (100 x 75, pointing towards larger u) onto this canvas (100 x 133).
    constexpr float k = 4.0f / 3.0f;
    auto P = [&](float u, float v) { return Pt{v * k, up ? 100 * k - u * k : u * k}; };
    auto Box = [&](float u0, float v0, float u1, float v1, float round) {
        const Pt a = P(u0, v0), b = P(u1, v1);
        return Rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y),
                    round * k);
    };
    auto Line = [&](float u0, float v0, float u1, float v1, float r) {
        const Pt a = P(u0, v0), b = P(u1, v1);
        return Segment(a.x, a.y, b.x, b.y, r * k);
    };
    if (click) {
        Shape hand =
            Union(Union(Box(40, 40, 70, 66, 8), Box(70, 42, 94, 52, 5)), Box(30, 44, 44, 66, 4));
        c.Draw(hand, pal::kSkin, 2.2f);
        for (int i = 0; i < 3; ++i) {
            const float v = 56 + static_cast<float>(i) * 4;
            c.Outline(Line(52, v, 70, v, 0.1f), 1, kInk, 0.5f);
        }
        c.Draw(Box(14, 38, 30, 72, 3), pal::kBlood, 1.8f);
        for (int i = 0; i < 3; ++i) {
            const float a = -0.6f + 0.6f * static_cast<float>(i);
            c.Outline(Line(98, 47, 98 + 8 * std::cos(a), 47 + 8 * std::sin(a), 0.1f), 1.6f,
                      pal::kGoldDark, 0.9f);
        }
    } else {
        const Pt eye = P(50, 34), pupil = P(62, 34), light = P(58, 30);
        c.Draw(Ellipse(eye.x, eye.y, 22 * k, 38 * k), pal::kWhite, 2.4f);
        c.Draw(Circle(pupil.x, pupil.y, 13 * k), pal::kSea, 1.5f);
        c.Fill(Circle(pupil.x, pupil.y, 5.5f * k), pal::kBlack);
        c.Fill(Circle(light.x, light.y, 2.5f * k), pal::kWhite, 0.8f);
        Arrow(c, {P(26, 66), P(58, 66), P(88, 66)}, pal::kBlood, 2.5f * k);
    }
}

}  // namespace

void AddUiPainters(PainterTable& t) {
    const Rgb red = pal::kBlood;
    t["m1_action_charge"] = Icon(Charge, red);
    t["m1_action_charge_selected"] = Icon(Charge, red, true);
    t["m1_action_retreat"] = Icon(Retreat, red);
    t["m1_action_retreat_selected"] = Icon(Retreat, red, true);
    t["m1_skill_flank"] = Icon(Flank, red);
    t["m1_action_hold"] = Icon(Hold, pal::kSea);
    t["m1_action_hold_selected"] = Icon(Hold, pal::kSea, true);
    t["m1_action_divine"] = Icon(Divine, pal::kGold);
    t["m1_action_empty"] = Icon(Empty);
    t["m1_action_exit"] = Icon(Exit);
    t["m1_action_help"] = Icon(Help, pal::kSea);
    t["m1_action_searchroom"] = Icon(Search);
    t["m1_action_thrust"] = Icon(Thrust, red);
    t["m1_action_slash"] = Icon(Slash, red);
    t["m1_action_smash"] = Icon(Smash, red);
    t["m1_action_strike"] = Icon(Strike, pal::kGold);
    t["m1_action_heal"] = Icon(Heal, pal::kLeaf);
    t["m1_pause"] = Icon(Pause);
    t["icon_move"] = Icon(Move);
    t["icon_transfer"] = Icon(Transfer, pal::kPurple);
    t["icon_buytroops"] = Icon(BuyTroops);
    t["icon_castleupgrade"] = Icon([](Canvas& c) { CastleUpgrade(c, false); });
    t["icon_castleupgrade_gold"] = Icon([](Canvas& c) { CastleUpgrade(c, true); }, pal::kGold);
    t["tutorialview_left"] = {80, 60, [](Canvas& c) { Pointer(c, false, true); }};
    t["tutorialview_right"] = {80, 60, [](Canvas& c) { Pointer(c, false, false); }};
    t["tutorialclick_left"] = {80, 60, [](Canvas& c) { Pointer(c, true, true); }};
    t["tutorialclick_right"] = {80, 60, [](Canvas& c) { Pointer(c, true, false); }};
    t["tutorialview_up"] = {60, 80, [](Canvas& c) { PointerTurned(c, false, true); }};
    t["tutorialview_down"] = {60, 80, [](Canvas& c) { PointerTurned(c, false, false); }};
    t["tutorialclick_up"] = {60, 80, [](Canvas& c) { PointerTurned(c, true, true); }};
    t["tutorialclick_down"] = {60, 80, [](Canvas& c) { PointerTurned(c, true, false); }};
}

}  // namespace gendata
