#include "screens/pointer_spot.h"

#include <string>

namespace screens {

namespace {

// How far apart the spots tried above and below the middle lie.
constexpr int kSpotStep = 4;
// The sizes a pointer may take, in eighths of its own.
constexpr int kSizesInEighths[] = {8, 6, 4, 3};

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Holds(const platform::Control& outer, const platform::Control& inner) {
    for (const platform::Control* c = &inner; c != nullptr; c = c->Parent()) {
        if (c == &outer) return true;
    }
    return false;
}

void Collect(const platform::Control& control, const platform::Control* target,
             const platform::Control& pointer, std::vector<platform::Rect>& out) {
    for (const auto& child : control.Children()) {
        if (!child->Visible() || child.get() == &pointer) continue;
        const bool related =
            target != nullptr && (Holds(*child, *target) || Holds(*target, *child));
        if (!related && PlayerReadsOrClicks(*child)) out.push_back(child->ScreenBounds());
        Collect(*child, target, pointer, out);
    }
}

}  // namespace

bool PlayerReadsOrClicks(const platform::Control& control) {
    const std::string kind = control.Kind();
    if (kind == "SpeedButton" || kind == "Edit" || kind == "RadioButton" || kind == "ComboBox" ||
        kind == "ProgressBar")
        return true;
    if (kind == "Label") return !control.Caption().empty();
    if (kind == "Picture") return control.HitTestable();
    return false;
}

std::vector<platform::Rect> PointerObstacles(const platform::Control& window,
                                             const platform::Control* target,
                                             const platform::Control& pointer) {
    std::vector<platform::Rect> out;
    Collect(window, target, pointer, out);
    return out;
}

std::optional<PointerSpot> FreePointerSpot(const platform::Rect& area, int pointerW, int pointerH,
                                           int windowW, int windowH,
                                           const std::vector<platform::Rect>& obstacles) {
    const auto free = [&](const platform::Rect& spot) {
        if (spot.x < 0 || spot.y < 0 || spot.x + spot.w > windowW || spot.y + spot.h > windowH)
            return false;
        for (const platform::Rect& o : obstacles) {
            if (Overlap(spot, o)) return false;
        }
        return true;
    };
    // Along one axis: the pointer's start from the middle outwards, as long as the pointer and
    // the area still share a row (or a column).
    const auto along = [](int start, int length, int size) {
        std::vector<int> starts;
        const int middle = start + length / 2 - size / 2;
        const int lowest = start - size + 1, highest = start + length - 1;
        for (int offset = 0; middle - offset >= lowest || middle + offset <= highest;
             offset += kSpotStep) {
            if (middle + offset <= highest && middle + offset >= lowest)
                starts.push_back(middle + offset);
            if (offset > 0 && middle - offset >= lowest && middle - offset <= highest)
                starts.push_back(middle - offset);
        }
        return starts;
    };
    // Full size first; smaller where crowded controls leave no room for it.
    for (const int eighths : kSizesInEighths) {
        const int w = pointerW * eighths / 8, h = pointerH * eighths / 8;
        for (const int y : along(area.y, area.h, h)) {
            for (const PointerSide side : {PointerSide::right, PointerSide::left}) {
                const int x = side == PointerSide::right ? area.x + area.w : area.x - w;
                const platform::Rect spot{x, y, w, h};
                if (free(spot)) return PointerSpot{spot, side};
            }
        }
        // Turned: as wide as the other is tall.
        for (const int x : along(area.x, area.w, h)) {
            for (const PointerSide side : {PointerSide::below, PointerSide::above}) {
                const int y = side == PointerSide::below ? area.y + area.h : area.y - w;
                const platform::Rect spot{x, y, h, w};
                if (free(spot)) return PointerSpot{spot, side};
            }
        }
    }
    return std::nullopt;
}

}  // namespace screens
