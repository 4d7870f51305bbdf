#include <memory>

#include "platform/backend.h"

namespace platform {

namespace {

// No window and no input: the canvas stays offscreen. The application's idle hook (a script
// or a test) supplies whatever the player would do.
class HeadlessBackend final : public Backend {
  public:
    HeadlessBackend(int w, int h) : width_(w), height_(h) {}
    bool Init(std::string&) override { return true; }
    void DesktopSize(int& w, int& h) override {
        w = width_;
        h = height_;
    }
    bool ShowCanvas(int, int, bool) override { return true; }
    void Present(Canvas&, const Rect&) override {}
    void Wait(int, std::vector<InputEvent>&) override {}
    void Wake() override {}

  private:
    int width_, height_;
};

}  // namespace

std::unique_ptr<Backend> MakeHeadlessBackend(int desktopWidth, int desktopHeight) {
    return std::make_unique<HeadlessBackend>(desktopWidth, desktopHeight);
}

}  // namespace platform
