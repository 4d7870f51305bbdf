// A clickable outline drawn over other controls: the inside stays see-through (the dungeon
// board's move frames and the frame around the hero's room).
#pragma once

#include <string>
#include <utility>

#include "platform/canvas.h"
#include "platform/control.h"

namespace screens {

class FrameBox final : public platform::Control {
  public:
    FrameBox(platform::Control* parent, std::string name, platform::Color color, int thickness)
        : Control(parent, std::move(name)), color_(color), thickness_(thickness) {}
    const char* Kind() const override { return "Frame"; }
    void Paint(platform::Canvas& canvas, const platform::Rect& screen) override {
        canvas.Frame(screen, color_, thickness_);
    }

  private:
    platform::Color color_;
    int thickness_;
};

}  // namespace screens
