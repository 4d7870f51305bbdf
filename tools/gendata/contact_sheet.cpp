// Contact sheets: every picture of one kind tiled on a page with its name under it, to look at
// the whole set at a glance; and a sample map put together from the tile rules to check that
// neighbouring tiles meet.
#include <algorithm>
#include <filesystem>

#include "catalog.h"
#include "encode.h"
#include "font.h"
#include "generate.h"
#include "noise.h"
#include "state/asset_names.h"
#include "tile_codes.h"

namespace gendata {

namespace {

constexpr Rgb kSheet{0.16f, 0.15f, 0.14f};
constexpr Rgb kCaption{0.92f, 0.88f, 0.78f};

Image Thumbnail(const Image& img) {
    const int big = std::max(img.Width(), img.Height());
    if (big > 200) {
        const float k = 200.0f / static_cast<float>(big);
        return img.Resized(std::max(1, static_cast<int>(static_cast<float>(img.Width()) * k)),
                           std::max(1, static_cast<int>(static_cast<float>(img.Height()) * k)));
    }
    return img;
}

bool SheetOf(const state::AssetGroup& group, const std::string& path, std::string& error) {
    std::vector<std::pair<std::string, Image>> pictures;
    for (const auto& name : group.names) {
        if (auto job = PictureFor(name)) pictures.emplace_back(name, Thumbnail(job->make()));
    }
    if (pictures.empty()) return true;
    int cellW = 0;
    int cellH = 0;
    for (const auto& [name, img] : pictures) {
        cellW = std::max({cellW, img.Width(), TextWidth(name)});
        cellH = std::max(cellH, img.Height());
    }
    cellW += 10;
    cellH += 16;
    const int columns = std::max(1, std::min(static_cast<int>(pictures.size()), 1800 / cellW));
    const int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
    Image sheet(columns * cellW + 10, rows * cellH + 30, kSheet);
    DrawText(sheet, 8, 8, group.kind + " - " + group.usedBy, kCaption, 2);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const int col = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        const int x = 10 + col * cellW;
        const int y = 30 + row * cellH;
        sheet.Paste(pictures[i].second, x, y);
        DrawText(sheet, x, y + pictures[i].second.Height() + 3, pictures[i].first, kCaption);
    }
    return WritePng(sheet, path, error);
}

// A sample island: land where smooth noise is high, a 2 x 2 mountain, a few features, and the
// marked fields around one army.
bool SampleMap(const std::string& path, std::string& error) {
    constexpr int kW = 14;
    constexpr int kH = 11;
    bool land[kH][kW] = {};
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const float dx = (static_cast<float>(x) - 6.5f) / 6.5f;
            const float dy = (static_cast<float>(y) - 5.0f) / 5.0f;
            const float n = Fbm(static_cast<float>(x) * 0.45f, static_cast<float>(y) * 0.45f, 7, 3);
            land[y][x] = n + 0.55f - 0.5f * (dx * dx + dy * dy) > 0.55f;
        }
    }
    for (int y = 3; y <= 6; ++y) {
        for (int x = 3; x <= 7; ++x)
            land[y][x] = true;
    }
    auto isLand = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= kW || y >= kH) return true;
        return land[y][x];
    };
    Image sheet(kW * 50, kH * 50);
    const int armyX = 6;
    const int armyY = 5;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            int code = tiles::TileCodeFor(isLand(x, y - 1), isLand(x + 1, y), isLand(x, y + 1),
                                          isLand(x - 1, y), land[y][x], x * 7 + y * 3);
            if (x >= 4 && x <= 5 && y >= 3 && y <= 4) code = tiles::MountainCode(x == 5, y == 4);
            if (code >= 200 && code < 300 && (x * 5 + y * 3) % 4 == 0) {
                code = tiles::SpecialCode((x + y) % 8 + 1, (x * 3 + y) % 4);
            }
            const bool marked = std::abs(x - armyX) + std::abs(y - armyY) <= 1;
            auto job = PictureFor(state::TileFileName(marked ? 1 : 0, code));
            if (job) sheet.Paste(job->make(), x * 50, y * 50);
        }
    }
    return WritePng(sheet, path, error);
}

}  // namespace

bool WriteContactSheets(const std::string& dir, std::string& error) {
    std::filesystem::create_directories(dir);
    for (const auto& group : state::AssetGroups()) {
        if (!SheetOf(group, (std::filesystem::path(dir) / (group.kind + ".png")).string(), error)) {
            return false;
        }
    }
    return SampleMap((std::filesystem::path(dir) / "sample_map.png").string(), error);
}

}  // namespace gendata
