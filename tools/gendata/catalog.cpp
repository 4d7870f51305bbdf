#include "catalog.h"

#include <algorithm>
#include <cctype>

#include "archetypes.h"
#include "noise.h"
#include "platform/text_case.h"
#include "style.h"

namespace gendata {

namespace {

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool StartsWith(const std::string& s, const std::string& start) {
    return s.compare(0, start.size(), start) == 0;
}

const Painter* Find(const std::string& key) {
    const auto& table = Painters();
    const auto it = table.find(key);
    return it == table.end() ? nullptr : &it->second;
}

enum class Variant { None, Grey, Red, Golden };

struct Resolved {
    const Painter* painter = nullptr;
    Variant variant = Variant::None;
    int width = 0;
    int height = 0;
    std::string key;
    bool guessed = false;  // drawn as the archetype its words suggest
};

// The painter of a base name: its own, or the archetype its words suggest.
const Painter* PainterOrArchetype(const std::string& base) {
    if (const Painter* p = Find(base)) return p;
    const Archetype a = GuessArchetype(base);
    if (a.kind == Archetype::Kind::Monster) return Find("monster_" + a.name);
    if (a.kind == Archetype::Kind::Item) return Find("item_" + a.name);
    return nullptr;
}

Resolved Resolve(const std::string& base) {
    if (const Painter* p = Find(base)) return {p, Variant::None, 0, 0, base};
    // A preview picture is the same subject, smaller.
    // "prev_orc" is the preview of the sheet picture "m1_orc".
    if (StartsWith(base, "prev_")) {
        Resolved r = Resolve("m1_" + base.substr(5));
        if (!r.painter || r.guessed) r = Resolve(base.substr(5));
        if (r.painter) {
            r.width = 100;
            r.height = 100;
            return r;
        }
    }
    // Variant suffixes, longest first.
    struct Suffix {
        const char* text;
        Variant variant;
    };
    static const Suffix suffixes[] = {{"_red", Variant::Red},
                                      {"_r", Variant::Red},
                                      {"_g", Variant::Grey},
                                      {"_y", Variant::Golden},
                                      {"g", Variant::Grey}};
    for (const Suffix& s : suffixes) {
        if (!EndsWith(base, s.text)) continue;
        const std::string stem = base.substr(0, base.size() - std::string(s.text).size());
        if (stem.empty()) continue;
        // The bare "g" ending only counts where the stem has a painter of its own
        // ("m2_nomadg", "icon_buytroopsg"), so that names ending in g stay themselves.
        const Painter* p = std::string(s.text) == "g" ? Find(stem) : PainterOrArchetype(stem);
        if (p) return {p, s.variant, 0, 0, stem, Find(stem) == nullptr};
    }
    if (const Painter* p = PainterOrArchetype(base)) return {p, Variant::None, 0, 0, base, true};
    // Nothing suggests a subject: a sealed mystery scroll.
    return {Find("item_scroll"), Variant::None, 0, 0, base, true};
}

}  // namespace

const PainterTable& Painters() {
    static const PainterTable table = [] {
        PainterTable t;
        AddTilePainters(t);
        AddIconPainters(t);
        AddUiPainters(t);
        AddFigurePainters(t);
        AddCreaturePainters(t);
        AddItemPainters(t);
        AddRoomPainters(t);
        AddScenePainters(t);
        AddLandscapePainters(t);
        return t;
    }();
    return table;
}

Image Render(const Painter& painter, std::uint32_t seed, int width, int height) {
    Image img(width > 0 ? width : painter.width, height > 0 ? height : painter.height,
              pal::kParchment);
    Canvas c(img);
    c.seed = seed;
    painter.paint(c);
    if (painter.finish) Finish(img, seed);
    return img;
}

std::optional<PictureJob> PictureFor(const std::string& fileName) {
    const std::string lower = platform::LowerCase(fileName);
    const bool bmp = EndsWith(lower, ".bmp");
    if (!bmp && !EndsWith(lower, ".jpg")) return std::nullopt;
    const std::string base = lower.substr(0, lower.size() - 4);
    const Resolved r = Resolve(base);
    if (!r.painter) return std::nullopt;
    PictureJob job;
    job.bmp = bmp;
    job.guessed = r.guessed;
    // The seed comes from the painted subject, so a variant shows the very same painting.
    const std::uint32_t seed = HashText(r.key);
    job.make = [r, seed]() {
        Image img = Render(*r.painter, seed, r.width, r.height);
        switch (r.variant) {
            case Variant::Grey:
                Desaturate(img);
                break;
            case Variant::Red:
                HitTint(img);
                break;
            case Variant::Golden:
                GoldenGlow(img);
                break;
            case Variant::None:
                break;
        }
        return img;
    };
    return job;
}

}  // namespace gendata
