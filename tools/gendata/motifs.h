// Things that appear in many pictures, drawn the same way everywhere: castles, banners,
// shields, coins, gems, swords and people.
#pragma once

#include "canvas.h"
#include "noise.h"
#include "style.h"

namespace gendata {

// A heater shield with its top edge centred at (cx, top).
Shape ShieldShape(float cx, float top, float w, float h);
// A castle standing on `base`, `size` units wide, with banners in `banner` colour.
void DrawCastle(Canvas& c, float cx, float base, float size, Rgb banner, Rgb stone = pal::kStone);
// A pennant on a pole from (x, base) up `h` units.
void DrawBanner(Canvas& c, float x, float base, float h, Rgb colour);
// A cut gem of radius r.
void DrawGem(Canvas& c, float cx, float cy, float r, Rgb colour);
// A heap of gold coins of the given width; `count` coins scattered on it.
void DrawCoinHeap(Canvas& c, float cx, float base, float w, int count, Rng& rng);
void DrawCoin(Canvas& c, float cx, float cy, float r);
// A sword from the pommel (x0, y0) to the point (x1, y1).
void DrawSword(Canvas& c, float x0, float y0, float x1, float y1, float width,
               Rgb blade = pal::kSteel);
void DrawAxe(Canvas& c, float x0, float y0, float x1, float y1, float width);
void DrawBow(Canvas& c, float cx, float cy, float h, bool drawn);
void DrawStaff(Canvas& c, float x0, float y0, float x1, float y1, Rgb orb);
// A soft shadow ellipse on the ground.
void DrawShadow(Canvas& c, float cx, float cy, float rx, float ry);
// A parchment token with an ink border (the ground of small icons).
void DrawToken(Canvas& c, Rgb tint, float tintAmount = 0.0f);

// A person from the waist up (portraits) or standing (scenes).
struct Person {
    float cx = 50, headY = 34, scale = 1;
    Rgb skin = pal::kSkin;
    Rgb hair = pal::kWoodDark;
    Rgb tunic = pal::kCloth;
    Rgb trim = pal::kGold;
    enum class Head {
        Bare,
        Helm,
        Hood,
        Crown,
        WizardHat,
        HornedHelm,
        Circlet,
        Veil
    } head = Head::Bare;
    bool beard = false;
    Rgb beardColour = pal::kWoodDark;
    bool lady = false;  // red lips and lashes
    bool armour = false;
    bool cape = false;
    Rgb capeColour = pal::kBlood;
    bool longHair = false;
    bool pointedEars = false;
    bool glowingEyes = false;
    enum class Weapon { None, Sword, Axe, Bow, Staff, Spear } weapon = Weapon::None;
    bool shield = false;
    Rgb shieldColour = pal::kBlood;
    bool standing = false;  // a whole figure down to the feet at headY + 90 * scale
};
void DrawPerson(Canvas& c, const Person& p);

}  // namespace gendata
