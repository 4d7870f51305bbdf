// Dungeon rooms: the room window shows a chamber in perspective ("<picture>.jpg"); the board
// tile shows the same room from above ("<picture>_sm.jpg", 80 x 75).
#include <cmath>

#include "catalog.h"
#include "motifs.h"

namespace gendata {

namespace {

enum class Room {
    Cave,
    CorridorNS,
    CorridorEW,
    Straw,
    Resting,
    StairsUp,
    StairsDown,
    Bones,
    Junk,
    Guard,
    Storage,
    Black
};

void Skull(Canvas& c, float x, float y, float r) {
    c.Draw(Union(Circle(x, y, r), Rect(x - r * 0.6f, y, x + r * 0.6f, y + r * 1.1f, r * 0.2f)),
           pal::kBone, std::max(0.5f, r * 0.12f));
    c.Fill(Circle(x - r * 0.4f, y + r * 0.1f, r * 0.28f), pal::kBlack);
    c.Fill(Circle(x + r * 0.4f, y + r * 0.1f, r * 0.28f), pal::kBlack);
}

void Bone(Canvas& c, float x0, float y0, float x1, float y1, float r) {
    c.Draw(Union(Segment(x0, y0, x1, y1, r * 0.4f),
                 Union(Circle(x0, y0, r * 0.7f), Circle(x1, y1, r * 0.7f))),
           pal::kBone, std::max(0.5f, r * 0.2f));
}

void Crate(Canvas& c, float x, float y, float s) {
    c.Draw(Rect(x - s, y - s, x + s, y + s, s * 0.1f), pal::kWood, std::max(0.6f, s * 0.1f));
    c.Outline(Segment(x - s, y - s, x + s, y + s, 0.1f), std::max(0.5f, s * 0.08f), pal::kWoodDark,
              0.9f);
    c.Outline(Segment(x - s, y + s, x + s, y - s, 0.1f), std::max(0.5f, s * 0.08f), pal::kWoodDark,
              0.9f);
}

void Barrel(Canvas& c, float x, float y, float s) {
    c.Draw(Ellipse(x, y, s * 0.8f, s), pal::kWood, std::max(0.6f, s * 0.1f));
    c.Outline(Segment(x - s * 0.8f, y - s * 0.45f, x + s * 0.8f, y - s * 0.45f, 0.1f),
              std::max(0.5f, s * 0.1f), pal::kIron, 0.9f);
    c.Outline(Segment(x - s * 0.8f, y + s * 0.45f, x + s * 0.8f, y + s * 0.45f, 0.1f),
              std::max(0.5f, s * 0.1f), pal::kIron, 0.9f);
}

void Straw(Canvas& c, float x, float y, float w, float h) {
    c.Draw(Ellipse(x, y, w, h), {0.85f, 0.72f, 0.35f}, 0.8f);
    Rng rng(static_cast<std::uint32_t>(x * 10 + y));
    for (int i = 0; i < 14; ++i) {
        const float a = rng.Range(-w, w);
        const float b = rng.Range(-h, h) * 0.6f;
        c.Outline(Segment(x + a, y + b, x + a + rng.Range(-3, 3), y + b + rng.Range(-2, 2), 0.1f),
                  0.6f, pal::kGoldDark, 0.8f);
    }
}

void Torch(Canvas& c, float x, float y) {
    c.Glow(Circle(x, y - 4, 3), 22, pal::kFire, 0.35f);
    c.Draw(Rect(x - 1.2f, y - 2, x + 1.2f, y + 8), pal::kWoodDark, 0.6f);
    c.Fill(Poly({{x - 2.5f, y - 2}, {x, y - 10}, {x + 2.5f, y - 2}}), {1.0f, 0.8f, 0.3f});
}

void Steps(Canvas& c, float x0, float y0, float x1, float y1, int n, bool down) {
    for (int i = 0; i < n; ++i) {
        const float t0 = static_cast<float>(i) / static_cast<float>(n);
        const float t1 = static_cast<float>(i + 1) / static_cast<float>(n);
        const float shade = down ? 1.0f - t0 * 0.85f : 0.5f + t0 * 0.5f;
        c.Draw(Rect(x0, y0 + (y1 - y0) * t0, x1, y0 + (y1 - y0) * t1), pal::kStone * shade, 0.6f);
    }
}

// The room window: back wall, side walls and floor in perspective.
void Chamber(Canvas& c, Room room) {
    const float h = c.H();
    DungeonWall(c, 50, 30);
    const bool cave = room == Room::Cave || room == Room::Straw;
    const Rgb floor = cave ? Rgb{0.36f, 0.32f, 0.26f} : pal::kStoneDark * 0.9f;
    Shape floorShape = Poly({{22, 62}, {78, 62}, {100, h}, {0, h}});
    c.Fill(floorShape, floor, 0.95f);
    for (int i = 1; i < 6; ++i) {
        const float y = 62 + (h - 62) * static_cast<float>(i * i) / 36.0f;
        const float k = (y - 62) / (h - 62);
        c.Outline(Segment(22 - 22 * k, y, 78 + 22 * k, y, 0.1f), 0.6f, kInk, 0.4f);
    }
    for (int i = 0; i <= 6; ++i) {
        const float x = 22 + static_cast<float>(i) * 56 / 6;
        c.Outline(Segment(x, 62, (x - 50) * 2.6f + 50, h, 0.1f), 0.6f, kInk, 0.35f);
    }
    c.Fill(Poly({{0, 0}, {22, 14}, {22, 62}, {0, h}}), kInk, 0.45f);
    c.Fill(Poly({{100, 0}, {78, 14}, {78, 62}, {100, h}}), kInk, 0.45f);
    c.Outline(Poly({{22, 14}, {78, 14}, {78, 62}, {22, 62}}), 0.8f, kInk, 0.6f);
    if (cave) {
        c.Fill(Rect(0, 0, 100, h), Rgb{0.3f, 0.36f, 0.22f}, 0.18f);
        for (int i = 0; i < 7; ++i)
            c.Draw(Poly({{8 + static_cast<float>(i) * 14, 0},
                         {14 + static_cast<float>(i) * 14, 12 + static_cast<float>(i % 3) * 5},
                         {20 + static_cast<float>(i) * 14, 0}}),
                   pal::kStoneDark, 0.6f);
    }
    if (room != Room::Black) Torch(c, 30, 34);
    switch (room) {
        case Room::Cave:
            c.Fill(Ellipse(60, 80, 14, 4), pal::kSea * 0.6f, 0.8f);
            for (int i = 0; i < 3; ++i)
                c.Draw(Poly({{70 + static_cast<float>(i) * 8, 90},
                             {74 + static_cast<float>(i) * 8, 76},
                             {80 + static_cast<float>(i) * 8, 90}}),
                       pal::kStone, 0.8f);
            c.Fill(Ellipse(40, 40, 12, 6), pal::kLeaf, 0.35f);
            break;
        case Room::CorridorNS:
            c.Fill(Rect(38, 20, 62, 62), pal::kBlack, 0.9f);
            c.Fill(Poly({{38, 62}, {62, 62}, {80, h}, {20, h}}), floor * 1.1f, 0.5f);
            break;
        case Room::CorridorEW:
            c.Fill(Rect(0, 30, 22, 70), pal::kBlack, 0.75f);
            c.Fill(Rect(78, 30, 100, 70), pal::kBlack, 0.75f);
            break;
        case Room::Straw:
            Straw(c, 55, 80, 24, 8);
            break;
        case Room::Resting:
            Straw(c, 34, 82, 18, 6);
            c.Draw(Rect(60, 70, 86, 76, 1), pal::kWood, 0.8f);
            c.Draw(Rect(62, 76, 65, 88), pal::kWood, 0.6f);
            c.Draw(Rect(81, 76, 84, 88), pal::kWood, 0.6f);
            c.Glow(Circle(50, 88, 3), 14, pal::kFire, 0.5f);
            c.Fill(Poly({{45, 90}, {50, 78}, {55, 90}}), pal::kFire);
            break;
        case Room::StairsUp:
            Steps(c, 38, 22, 62, 62, 7, false);
            break;
        case Room::StairsDown:
            c.Fill(Poly({{30, 70}, {70, 70}, {78, 96}, {22, 96}}), pal::kBlack, 0.9f);
            Steps(c, 32, 72, 68, 96, 5, true);
            break;
        case Room::Bones:
            Skull(c, 40, 78, 5);
            Skull(c, 66, 86, 4);
            Bone(c, 20, 88, 34, 82, 2.5f);
            Bone(c, 50, 90, 62, 78, 2.5f);
            Bone(c, 72, 74, 86, 80, 2);
            break;
        case Room::Junk:
            Crate(c, 30, 80, 8);
            Barrel(c, 70, 80, 8);
            c.Draw(Poly({{44, 92}, {58, 84}, {62, 90}, {48, 96}}), pal::kWoodDark, 0.6f);
            c.Fill(Ellipse(52, 76, 8, 3), Rgb{0.4f, 0.45f, 0.2f}, 0.7f);
            break;
        case Room::Guard:
            c.Draw(Rect(58, 66, 88, 72, 1), pal::kWood, 0.8f);
            c.Draw(Rect(60, 72, 63, 86), pal::kWood, 0.6f);
            c.Draw(Rect(83, 72, 86, 86), pal::kWood, 0.6f);
            for (int i = 0; i < 3; ++i)
                c.Draw(Segment(40 + static_cast<float>(i) * 6, 30, 40 + static_cast<float>(i) * 6,
                               58, 0.8f),
                       pal::kWood, 0.4f);
            c.Draw(Poly({{40, 26}, {42, 30}, {38, 30}}), pal::kSteel, 0.4f);
            c.Draw(Circle(72, 64, 3), pal::kIron, 0.6f);
            break;
        case Room::Storage:
            for (int i = 0; i < 2; ++i)
                c.Draw(
                    Rect(56, 30 + static_cast<float>(i) * 14, 76, 33 + static_cast<float>(i) * 14),
                    pal::kWood, 0.6f);
            Barrel(c, 30, 78, 7);
            Barrel(c, 44, 82, 6);
            for (int i = 0; i < 6; ++i)
                c.Outline(Segment(78, 14, 78 - static_cast<float>(i) * 4,
                                  14 + static_cast<float>(6 - i) * 3, 0.1f),
                          0.4f, pal::kWhite, 0.6f);
            c.Outline(Curve({66, 14}, {72, 22}, {78, 26}, 0.1f, 0.1f), 0.4f, pal::kWhite, 0.6f);
            break;
        case Room::Black:
            break;
    }
    if (room == Room::Black) c.Fill(Rect(0, 0, 100, h), pal::kBlack, 0.85f);
    c.Outline(Rect(1.5f, 1.5f, 98.5f, h - 1.5f, 2), 3, kInk, 0.9f);
}

// The board tile: the room from above, with walls all round; corridors are narrow.
void Plan(Canvas& c, Room room) {
    const float w = c.W();
    const float h = c.H();
    c.Fill(Rect(0, 0, w, h), pal::kBlack);
    if (room == Room::Black) {
        c.Each([&](float x, float y, Rgb& p) {
            const float n = Fbm(x * 0.1f, y * 0.1f, 77, 3);
            p = pal::kBlack * (0.7f + 0.6f * n);
        });
        c.Outline(Rect(1, 1, w - 1, h - 1), 1.5f, pal::kStoneDark, 0.6f);
        return;
    }
    Box floor{12, 12, w - 12, h - 12};
    if (room == Room::CorridorNS) floor = {36, 0, w - 36, h};
    if (room == Room::CorridorEW) floor = {0, 34, w, h - 34};
    const bool cave = room == Room::Cave || room == Room::Straw;
    const Rgb stone = cave ? Rgb{0.42f, 0.38f, 0.3f} : pal::kStone * 0.8f;
    const float torchX = (floor.x0 + floor.x1) / 2;
    const float torchY = (floor.y0 + floor.y1) / 2;
    c.Each([&](float x, float y, Rgb& p) {
        if (x < floor.x0 || x > floor.x1 || y < floor.y0 || y > floor.y1) {
            const float n = Fbm(x * 0.12f, y * 0.12f, 91, 3);
            p = pal::kStoneDark * (0.45f + 0.35f * n);
            return;
        }
        const float tile = 12.5f;
        const float fx = std::fmod(x, tile);
        const float fy = std::fmod(y + (static_cast<int>(x / tile) % 2) * 6, tile);
        const float n = Fbm(x * 0.2f, y * 0.2f, 93, 3);
        Rgb col = stone * (0.8f + 0.35f * n);
        if (!cave && (fx < 0.8f || fy < 0.8f)) col = col * 0.6f;
        const float d = std::hypot(x - torchX, y - torchY) / 60.0f;
        p = col * std::clamp(1.15f - d, 0.45f, 1.1f);
    });
    c.Outline(Rect(floor.x0, floor.y0, floor.x1, floor.y1), 1.4f, kInk, 0.8f);
    const float cx = (floor.x0 + floor.x1) / 2;
    const float cy = (floor.y0 + floor.y1) / 2;
    switch (room) {
        case Room::Cave:
            c.Fill(Ellipse(cx + 10, cy + 8, 12, 6), pal::kSea * 0.6f, 0.8f);
            c.Draw(Circle(cx - 18, cy - 14, 5), pal::kStone, 0.8f);
            c.Draw(Circle(cx + 22, cy - 16, 4), pal::kStone, 0.8f);
            break;
        case Room::Straw:
            Straw(c, cx, cy, 18, 12);
            break;
        case Room::Resting:
            Straw(c, cx - 14, cy + 6, 14, 9);
            c.Glow(Circle(cx + 16, cy - 6, 3), 12, pal::kFire, 0.6f);
            c.Fill(Circle(cx + 16, cy - 6, 4), pal::kFire);
            break;
        case Room::StairsUp:
            Steps(c, cx - 16, cy - 22, cx + 16, cy + 22, 6, false);
            break;
        case Room::StairsDown:
            Steps(c, cx - 16, cy - 22, cx + 16, cy + 22, 6, true);
            break;
        case Room::Bones:
            Skull(c, cx - 12, cy - 6, 5);
            Bone(c, cx + 2, cy + 10, cx + 20, cy + 2, 2.5f);
            Bone(c, cx - 24, cy + 14, cx - 8, cy + 18, 2.5f);
            Skull(c, cx + 16, cy - 14, 4);
            break;
        case Room::Junk:
            Crate(c, cx - 14, cy - 8, 7);
            Barrel(c, cx + 14, cy + 6, 7);
            Crate(c, cx - 2, cy + 14, 5);
            break;
        case Room::Guard:
            c.Draw(Rect(cx - 14, cy - 8, cx + 14, cy + 8, 1), pal::kWood, 0.8f);
            c.Draw(Circle(cx - 20, cy + 14, 4), pal::kWood, 0.6f);
            c.Draw(Circle(cx + 20, cy - 14, 4), pal::kWood, 0.6f);
            DrawSword(c, cx - 8, cy, cx + 10, cy - 2, 3);
            break;
        case Room::Storage:
            for (int i = 0; i < 3; ++i)
                Barrel(c, floor.x0 + 10 + static_cast<float>(i) * 14, floor.y0 + 10, 6);
            Crate(c, cx + 16, cy + 12, 7);
            for (int i = 0; i < 5; ++i)
                c.Outline(Segment(floor.x1, floor.y1, floor.x1 - 14 + static_cast<float>(i) * 3,
                                  floor.y1 - static_cast<float>(5 - i) * 3, 0.1f),
                          0.5f, pal::kWhite, 0.6f);
            break;
        default:
            break;
    }
    Torch(c, floor.x0 + 5, floor.y0 + 10);
}

}  // namespace

void AddRoomPainters(PainterTable& t) {
    struct Entry {
        const char* key;
        Room room;
    };
    const Entry rooms[] = {{"m1_set1_cave", Room::Cave},
                           {"m1_set1_corridornorthsouth", Room::CorridorNS},
                           {"m1_set1_corridoreastwest", Room::CorridorEW},
                           {"m1_set1_straw", Room::Straw},
                           {"m1_set1_restingroom", Room::Resting},
                           {"m1_set1_stairwayup", Room::StairsUp},
                           {"m1_set1_stairwaydown", Room::StairsDown},
                           {"m1_set1_bones", Room::Bones},
                           {"m1_set1_junk", Room::Junk},
                           {"m1_set1_guardpost", Room::Guard},
                           {"m1_set1_formerstorage", Room::Storage},
                           {"blackroom", Room::Black}};
    for (const Entry& e : rooms) {
        const Room room = e.room;
        t[e.key] = {200, 200, [room](Canvas& c) { Chamber(c, room); }};
        t[std::string(e.key) + "_sm"] = {80, 75, [room](Canvas& c) { Plan(c, room); }, false};
    }
}

}  // namespace gendata
