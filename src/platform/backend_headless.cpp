#include <SDL.h>

#include <memory>

#include "platform/backend.h"
#include "platform/canvas.h"
#include "platform/image.h"

namespace platform {

namespace {

// No window and no input: the canvas stays offscreen. The application's idle hook (a script
// or a test) supplies whatever the player would do. With a mirror, every presented area of the
// canvas is copied onto a picture of its own, as a window's surface is: what a window would
// show after the same presents.
class HeadlessBackend final : public Backend {
  public:
    HeadlessBackend(int w, int h, bool mirror) : width_(w), height_(h), mirror_(mirror) {}
    bool Init(std::string&) override { return true; }
    void DesktopSize(int& w, int& h) override {
        w = width_;
        h = height_;
    }
    bool ShowCanvas(int, int, bool) override { return true; }
    void Present(Canvas& canvas, const Rect& changed) override {
        if (!mirror_) return;
        SDL_Surface* source = canvas.Surface();
        if (!source) return;
        if (!shown_ || shown_->Width() != source->w || shown_->Height() != source->h)
            shown_ = Image::Solid(source->w, source->h, 0xFF000000u);
        // Copied the way the window copies the canvas onto its surface.
        SDL_Rect area{changed.x, changed.y, changed.w, changed.h};
        SDL_BlitSurface(source, &area, shown_->Surface(), &area);
    }
    ImagePtr Shown() const override { return shown_; }
    void Wait(int, std::vector<InputEvent>&) override {}
    void Wake() override {}

  private:
    int width_, height_;
    bool mirror_;
    ImagePtr shown_;
};

}  // namespace

std::unique_ptr<Backend> MakeHeadlessBackend(int desktopWidth, int desktopHeight, bool mirror) {
    return std::make_unique<HeadlessBackend>(desktopWidth, desktopHeight, mirror);
}

}  // namespace platform
