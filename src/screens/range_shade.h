// The shade over the strategic map's fields that lie beyond the castle range: a see-through
// dark layer over the field pictures that takes no clicks, so the fields under it answer as
// before.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "platform/canvas.h"
#include "platform/control.h"

namespace screens {

class RangeShade final : public platform::Control {
  public:
    static constexpr int kColumns = 12, kRows = 11;
    using Mask = std::array<std::array<bool, kRows + 1>, kColumns + 1>;  // [x][y], from 1

    RangeShade(platform::Control* parent, std::string name, int tile)
        : Control(parent, std::move(name)), tile_(tile) {}
    const char* Kind() const override { return "Shade"; }

    void SetMask(const Mask& mask) {
        if (mask == mask_) return;
        mask_ = mask;
        Invalidate();
    }
    bool Shaded(int x, int y) const {
        return x >= 1 && x <= kColumns && y >= 1 && y <= kRows && mask_[x][y];
    }
    void Paint(platform::Canvas& canvas, const platform::Rect& screen) override {
        for (int x = 1; x <= kColumns; ++x) {
            for (int y = 1; y <= kRows; ++y) {
                if (!mask_[x][y]) continue;
                canvas.Fill(platform::Rect{screen.x + (x - 1) * tile_, screen.y + (y - 1) * tile_,
                                           tile_, tile_},
                            kShade);
            }
        }
    }

  private:
    static constexpr platform::Color kShade{0, 0, 0, 110};
    int tile_;
    Mask mask_{};
};

}  // namespace screens
