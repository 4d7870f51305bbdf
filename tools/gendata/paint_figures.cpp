// People: the four heroes, the allies and opponents of the map events, the hire-screen troops
// and the human monsters.
#include <cmath>

#include "catalog.h"
#include "motifs.h"

namespace gendata {

namespace {

// The ground behind a portrait: a sky over distant hills in the frame of an arch.
void Backdrop(Canvas& c, Rgb sky, Rgb hills) {
    Parchment(c, 0.3f);
    Shape arch = Union(Rect(8, 30, 92, c.H() + 10), Circle(50, 46, 42));
    Image& img = c.Img();
    Image scene(img.Width(), img.Height());
    Canvas s(scene, 100);
    s.seed = c.seed;
    Sky(s, Mix(sky, pal::kWhite, 0.1f), Mix(sky, pal::kWhite, 0.55f), c.H() * 0.62f);
    Ground(s, hills, c.H() * 0.62f);
    s.Fill(Ellipse(25, c.H() * 0.64f, 40, 9), hills * 0.85f, 0.8f);
    // Copy the scene inside the arch only.
    c.Each([&](float x, float y, Rgb& p) {
        const float d = arch.sdf(x, y);
        const float k = std::clamp(0.5f - d / c.PixelUnits(), 0.0f, 1.0f);
        const int px = std::min(img.Width() - 1,
                                static_cast<int>(x / 100.0f * static_cast<float>(img.Width())));
        const int py = std::min(img.Height() - 1,
                                static_cast<int>(y / c.H() * static_cast<float>(img.Height())));
        p = Mix(p, scene.At(px, py), k);
    });
    c.Outline(arch, 1.8f, kInk, 0.8f);
}

Painter Portrait(Person p, Rgb sky, Rgb hills, int w = 100, int h = 100) {
    return {w, h, [p, sky, hills](Canvas& c) {
                Backdrop(c, sky, hills);
                Person q = p;
                q.headY = p.headY * c.H() / 100.0f + (c.H() - 100.0f) * 0.3f;
                DrawPerson(c, q);
            }};
}

Person Hero(int lord) {
    Person p;
    p.tunic = LordColour(lord);
    p.shieldColour = LordColour(lord);
    p.capeColour = LordColour(lord) * 0.7f;
    switch (lord) {
        case 1:
            p.head = Person::Head::Helm;
            p.armour = true;
            p.shield = true;
            p.weapon = Person::Weapon::Sword;
            p.cape = true;
            break;
        case 2:
            p.head = Person::Head::Hood;
            p.capeColour = pal::kLeaf * 0.8f;
            p.beard = true;
            p.beardColour = pal::kWood;
            p.hair = pal::kWood;
            p.weapon = Person::Weapon::Bow;
            break;
        case 3:
            p.head = Person::Head::HornedHelm;
            p.beard = true;
            p.beardColour = {0.7f, 0.3f, 0.12f};
            p.armour = true;
            p.weapon = Person::Weapon::Axe;
            p.cape = true;
            break;
        default:
            p.head = Person::Head::Circlet;
            p.longHair = true;
            p.hair = {0.85f, 0.75f, 0.45f};
            p.weapon = Person::Weapon::Staff;
            p.cape = true;
            break;
    }
    return p;
}

// A row of standing figures (troops).
Painter Troop(Person p, int count, Rgb sky) {
    return {100, 100, [p, count, sky](Canvas& c) {
                Parchment(c);
                Sky(c, Mix(sky, pal::kWhite, 0.1f), Mix(sky, pal::kWhite, 0.6f), 62);
                Ground(c, pal::kGrassDark, 62);
                for (int i = count - 1; i >= 0; --i) {
                    Person q = p;
                    q.standing = true;
                    q.scale = 0.42f;
                    q.cx = 28 + static_cast<float>(i) * 22 + (i % 2) * 4.0f;
                    q.headY = 42 + static_cast<float>(i % 2) * 6;
                    DrawShadow(c, q.cx + 3, q.headY + 37, 9, 2);
                    DrawPerson(c, q);
                }
                c.Outline(Rect(2, 2, 98, c.H() - 2, 3), 2, kInk, 0.8f);
            }};
}

}  // namespace

void AddFigurePainters(PainterTable& t) {
    const Rgb sky{0.55f, 0.68f, 0.82f};
    const Rgb dusk{0.72f, 0.52f, 0.48f};
    const Rgb night{0.25f, 0.25f, 0.42f};
    for (int lord = 1; lord <= 4; ++lord) {
        const std::string key = "hero" + std::to_string(lord);
        t[key] = Portrait(Hero(lord), sky, pal::kGrassDark);
        t[key + "_sm"] = Portrait(Hero(lord), sky, pal::kGrassDark, 50, 46);
    }

    Person knight;
    knight.armour = true;
    knight.head = Person::Head::Helm;
    knight.tunic = pal::kWhite;
    knight.shield = true;
    knight.shieldColour = pal::kWhite;
    knight.weapon = Person::Weapon::Sword;
    knight.cape = true;
    knight.capeColour = pal::kWhite * 0.9f;
    knight.trim = pal::kBlood;
    t["m1_knight"] = Portrait(knight, sky, pal::kGrass, 200, 200);

    Person dwarf;
    dwarf.head = Person::Head::HornedHelm;
    dwarf.beard = true;
    dwarf.beardColour = {0.72f, 0.36f, 0.14f};
    dwarf.armour = true;
    dwarf.tunic = pal::kCloth;
    dwarf.weapon = Person::Weapon::Axe;
    dwarf.scale = 1.05f;
    dwarf.headY = 40;
    t["m1_dwarf"] = Portrait(dwarf, {0.6f, 0.55f, 0.5f}, pal::kStoneDark, 200, 200);

    Person elf;
    elf.longHair = true;
    elf.hair = {0.9f, 0.82f, 0.5f};
    elf.pointedEars = true;
    elf.tunic = pal::kLeaf;
    elf.head = Person::Head::Circlet;
    elf.weapon = Person::Weapon::Bow;
    elf.cape = true;
    elf.capeColour = pal::kPine;
    t["m1_elf"] = Portrait(elf, sky, pal::kPine, 200, 200);

    Person princess;
    princess.longHair = true;
    princess.lady = true;
    princess.hair = {0.55f, 0.3f, 0.14f};
    princess.head = Person::Head::Crown;
    princess.tunic = {0.82f, 0.5f, 0.62f};
    princess.trim = pal::kWhite;
    t["m1_princess"] = Portrait(princess, dusk, pal::kGrassDark, 200, 200);

    Person sorcerer;
    sorcerer.head = Person::Head::WizardHat;
    sorcerer.capeColour = pal::kPurple;
    sorcerer.tunic = pal::kPurple * 0.8f;
    sorcerer.beard = true;
    sorcerer.beardColour = pal::kWhite * 0.9f;
    sorcerer.hair = pal::kWhite * 0.9f;
    sorcerer.weapon = Person::Weapon::Staff;
    sorcerer.glowingEyes = true;
    t["m1_sorcerer"] = Portrait(sorcerer, night, pal::kNight, 200, 200);

    Person settler;
    settler.head = Person::Head::Hood;
    settler.capeColour = pal::kWood;
    settler.tunic = pal::kEarth;
    settler.beard = true;
    settler.weapon = Person::Weapon::Spear;
    t["d2_scoundrel"] = Portrait(settler, dusk, pal::kEarth, 200, 200);

    Person nomad;
    nomad.head = Person::Head::Veil;
    nomad.capeColour = pal::kSand;
    nomad.tunic = {0.7f, 0.5f, 0.3f};
    nomad.weapon = Person::Weapon::Spear;
    nomad.shield = true;
    nomad.shieldColour = pal::kWood;
    t["m2_nomad"] = Troop(nomad, 3, {0.8f, 0.7f, 0.5f});

    Person archer;
    archer.head = Person::Head::Hood;
    archer.capeColour = pal::kLeaf;
    archer.tunic = pal::kWood;
    archer.weapon = Person::Weapon::Bow;
    t["m2_archers"] = Troop(archer, 3, sky);

    Person darkKnight = knight;
    darkKnight.tunic = pal::kBlack;
    darkKnight.capeColour = pal::kBlood * 0.6f;
    darkKnight.shieldColour = pal::kBlack;
    darkKnight.glowingEyes = true;
    t["monster_knight"] = Portrait(darkKnight, night, pal::kStoneDark, 200, 200);

    Person bandit;
    bandit.head = Person::Head::Hood;
    bandit.capeColour = pal::kBlack * 1.5f;
    bandit.tunic = pal::kWoodDark;
    bandit.beard = true;
    bandit.beardColour = pal::kBlack;
    bandit.weapon = Person::Weapon::Sword;
    t["monster_bandit"] = Portrait(bandit, dusk, pal::kEarth, 200, 200);

    Person cultist;
    cultist.head = Person::Head::Hood;
    cultist.capeColour = pal::kBlood * 0.7f;
    cultist.tunic = pal::kBlood * 0.5f;
    cultist.skin = {0.75f, 0.68f, 0.6f};
    cultist.glowingEyes = true;
    cultist.weapon = Person::Weapon::Staff;
    t["monster_cultist"] = Portrait(cultist, night, pal::kNight, 200, 200);

    Person witch;
    witch.head = Person::Head::WizardHat;
    witch.capeColour = pal::kBlack * 1.6f;
    witch.tunic = pal::kPurple * 0.6f;
    witch.skin = {0.62f, 0.72f, 0.5f};
    witch.longHair = true;
    witch.hair = pal::kBlack;
    witch.weapon = Person::Weapon::Staff;
    t["monster_witch"] = Portrait(witch, night, pal::kPine, 200, 200);
}

}  // namespace gendata
