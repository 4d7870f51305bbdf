// The pieces the scene and landscape painters share.
#include "scenery.h"

#include "motifs.h"

namespace gendata {

void Frame(Canvas& c) {
    c.Outline(Rect(1.5f, 1.5f, c.W() - 1.5f, c.H() - 1.5f, 2), 3, kInk, 0.9f);
}

void Mountains(Canvas& c, float base, float height, Rgb colour, int count, std::uint32_t seed) {
    Rng rng(seed);
    std::vector<Pt> ridge = {{-5, base + 5}};
    for (int i = 0; i <= count * 2; ++i) {
        const float x = -5 + static_cast<float>(i) * (c.W() + 10) / static_cast<float>(count * 2);
        const float y =
            base - (i % 2 ? height * rng.Range(0.6f, 1.0f) : height * rng.Range(0.1f, 0.35f));
        ridge.push_back({x, y});
    }
    ridge.push_back({c.W() + 5, base + 5});
    Shape m = Poly(ridge);
    c.Draw(m, colour, 0.8f);
    c.Hatch(m, 2.0f, 65, 0.4f, kInk, 0.3f, 0.55f);
}

void Hills(Canvas& c, float base, Rgb colour, std::uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < 3; ++i) {
        const float x = rng.Range(0, c.W());
        c.Draw(Ellipse(x, base + 6, rng.Range(25, 45), rng.Range(8, 14)),
               colour * (0.9f + 0.1f * static_cast<float>(i)), 0.8f);
    }
}

void Moon(Canvas& c, float x, float y, float r) {
    c.Glow(Circle(x, y, r), r * 2.5f, {0.9f, 0.9f, 0.8f}, 0.4f);
    c.Draw(Circle(x, y, r), {0.95f, 0.93f, 0.82f}, 0.6f);
}

void Stars(Canvas& c, float below, std::uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < 40; ++i)
        c.Fill(Circle(rng.Range(2, c.W() - 2), rng.Range(2, below), rng.Range(0.3f, 0.7f)),
               pal::kWhite, 0.8f);
}

void Tent(Canvas& c, float x, float base, float s, Rgb cloth, Rgb flag) {
    c.Draw(Poly({{x - s, base}, {x, base - s * 1.2f}, {x + s, base}}), cloth, 0.8f);
    c.Fill(Poly({{x - s * 0.2f, base}, {x, base - s * 0.7f}, {x + s * 0.2f, base}}), pal::kBlack,
           0.8f);
    DrawBanner(c, x, base - s * 1.2f, s * 0.8f, flag);
}

void Tombstone(Canvas& c, float x, float base, float s) {
    c.Draw(Union(Rect(x - s, base - s * 1.6f, x + s, base), Circle(x, base - s * 1.6f, s)),
           pal::kStone * 0.8f, 0.8f);
    c.Outline(Segment(x, base - s * 2.1f, x, base - s * 0.8f, 0.1f), 0.6f, kInk, 0.6f);
    c.Outline(Segment(x - s * 0.5f, base - s * 1.6f, x + s * 0.5f, base - s * 1.6f, 0.1f), 0.6f,
              kInk, 0.6f);
}

void Soldier(Canvas& c, float x, float headY, float s, Rgb colour, bool flipSword) {
    Person p;
    p.cx = x;
    p.headY = headY;
    p.scale = s;
    p.standing = true;
    p.armour = true;
    p.head = Person::Head::Helm;
    p.tunic = colour;
    p.shield = true;
    p.shieldColour = colour;
    p.weapon = flipSword ? Person::Weapon::Spear : Person::Weapon::Sword;
    DrawPerson(c, p);
}

void VillageScene(Canvas& c) {
    Parchment(c);
    Sky(c, kDay, kHaze, 55);
    Hills(c, 58, pal::kGrass * 0.9f, 9);
    Ground(c, pal::kGrass, 60);
    const Rgb roofs[] = {pal::kBlood * 0.9f, pal::kWood, {0.55f, 0.45f, 0.3f}};
    for (int i = 0; i < 5; ++i) {
        const float x = 14 + static_cast<float>(i) * 18;
        const float base = 84 - static_cast<float>(i % 2) * 12;
        const float s = i % 2 ? 8.0f : 10.0f;
        c.Draw(Rect(x - s, base - s * 1.3f, x + s, base), pal::kParchment, 0.8f);
        c.Outline(Segment(x - s, base - s * 0.6f, x + s, base - s * 0.6f, 0.1f), 0.6f,
                  pal::kWoodDark, 0.7f);
        c.Draw(Poly({{x - s * 1.3f, base - s * 1.2f},
                     {x, base - s * 2.6f},
                     {x + s * 1.3f, base - s * 1.2f}}),
               roofs[i % 3], 0.8f);
        c.Draw(Rect(x - 2, base - 6, x + 2, base), pal::kWoodDark, 0.5f);
    }
    c.Draw(Rect(46, 30, 54, 56), pal::kStone, 0.8f);
    c.Draw(Poly({{44, 30}, {50, 16}, {56, 30}}), pal::kBlood * 0.8f, 0.8f);
    Frame(c);
}

void ArenaScene(Canvas& c) {
    Parchment(c);
    Sky(c, {0.55f, 0.65f, 0.8f}, {0.95f, 0.88f, 0.7f}, 50);
    Ground(c, pal::kSand, 70);
    Shape wall = Intersect(Ellipse(50, 80, 48, 50), Rect(0, 30, 100, 80));
    c.Draw(wall, pal::kSand * 0.9f, 1.2f);
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i < 9; ++i) {
            const float x = 10 + static_cast<float>(i) * 10;
            const float y = 40 + static_cast<float>(row) * 11;
            c.Draw(Union(Rect(x - 3, y, x + 3, y + 8), Circle(x, y, 3)), pal::kBlack * 2, 0.5f);
        }
    }
    c.Fill(Ellipse(50, 86, 40, 10), pal::kSand, 1.0f);
    Soldier(c, 38, 68, 0.2f, pal::kBlood, false);
    Soldier(c, 62, 68, 0.2f, LordColour(1), true);
    for (int i = 0; i < 5; ++i)
        DrawBanner(c, 10 + static_cast<float>(i) * 20, 36, 10, i % 2 ? pal::kBlood : pal::kGold);
    Frame(c);
}

// A 4:3 picture painted on the square 100 x 100 layout of the scenes: the square is painted
// at full width and its middle three quarters kept.
Painter Wide(std::function<void(Canvas&)> f) {
    return {320, 240, [f](Canvas& c) {
                Image& img = c.Img();
                Image square(img.Width(), img.Width());
                Canvas s(square, 100);
                s.seed = c.seed;
                f(s);
                img.Paste(
                    square.Crop(0, (img.Width() - img.Height()) / 2, img.Width(), img.Height()), 0,
                    0);
                Frame(c);
            }};
}

}  // namespace gendata
