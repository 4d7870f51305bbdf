#include "app_icon.h"

#include <algorithm>
#include <filesystem>

#include "encode.h"
#include "motifs.h"
#include "noise.h"

namespace gendata {

namespace {

constexpr int kPaintedSize = 512;

// The tile and its ink rim; everything outside it is transparent.
Shape Tile() {
    return Rect(4, 4, 96, 96, 16);
}
constexpr float kRim = 3.0f;

void PaintTile(Canvas& c) {
    Parchment(c, 0.35f);
    const Shape shield = ShieldShape(50, 14, 66, 76);
    DrawShadow(c, 53, 90, 28, 3.5f);
    Paint p;
    p.colour = LordColour(1);
    c.Fill(shield, p);
    c.Hatch(shield, 3.0f, 45, 0.6f, kInk, 0.25f, 0.55f);
    c.Outline(Grow(shield, -4), 1.8f, pal::kGold, 0.9f);
    c.Outline(shield, 2.6f, kInk, 0.95f);
    DrawCastle(c, 50, 66, 44, pal::kBlood, pal::kStone);
    c.Outline(Tile(), kRim, kInk, 0.95f);
}

}  // namespace

AppIcon PaintAppIcon(int size) {
    Image colour(kPaintedSize, kPaintedSize, pal::kParchment);
    Canvas canvas(colour);
    canvas.seed = HashText("marchholt");
    PaintTile(canvas);
    Finish(colour, canvas.seed);

    // Coverage of the tile including the outer half of its rim, anti-aliased over one pixel;
    // the colour is weighted by it before reducing so no parchment bleeds into the edge.
    const Shape outer = Grow(Tile(), kRim / 2);
    const float pixelsPerUnit = static_cast<float>(kPaintedSize) / 100.0f;
    Image alpha(kPaintedSize, kPaintedSize);
    for (int y = 0; y < kPaintedSize; ++y) {
        for (int x = 0; x < kPaintedSize; ++x) {
            const float d = outer.sdf((static_cast<float>(x) + 0.5f) / pixelsPerUnit,
                                      (static_cast<float>(y) + 0.5f) / pixelsPerUnit);
            const float a = std::clamp(0.5f - d * pixelsPerUnit, 0.0f, 1.0f);
            alpha.At(x, y) = Rgb{a, a, a};
            colour.At(x, y) = colour.At(x, y) * a;
        }
    }
    AppIcon icon{colour.Resized(size, size), alpha.Resized(size, size)};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float a = icon.alpha.At(x, y).r;
            icon.colour.At(x, y) = a > 0 ? icon.colour.At(x, y) * (1.0f / a) : Rgb{};
        }
    }
    return icon;
}

bool WriteAppIcons(const std::string& dir, std::string& error) {
    for (const int size : kAppIconSizes) {
        const std::string edge = std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(dir) / "hicolor" / (edge + "x" + edge) / "apps";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            error = "cannot make " + folder.string() + ": " + ec.message();
            return false;
        }
        const AppIcon icon = PaintAppIcon(size);
        if (!WritePng(icon.colour, (folder / "marchholt.png").string(), error, &icon.alpha))
            return false;
    }
    return true;
}

}  // namespace gendata
