// The drawing surface every form is painted on: a software canvas of the game's size. The
// window backend scales it to the window; the headless backend keeps it offscreen.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/image.h"

struct SDL_Surface;
typedef struct _TTF_Font TTF_Font;

namespace platform {

class Fonts {
  public:
    Fonts();
    ~Fonts();
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;
    // The UI font at a pixel size (cached); null only if no font file could be opened.
    TTF_Font* Get(int size, bool bold);

  private:
    std::string regularPath_, boldPath_;
    std::map<std::pair<int, bool>, TTF_Font*> fonts_;
};

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void Resize(int width, int height);
    int Width() const;
    int Height() const;
    SDL_Surface* Surface() const { return surface_; }

    // Drawing is clipped to the current clip rectangle (the parent's area).
    void SetClip(const Rect& clip);
    const Rect& Clip() const { return clip_; }

    void Fill(const Rect& r, Color c);
    void Frame(const Rect& r, Color c, int thickness = 1);
    // Draws an image into r: stretched, or at its own size at r's top-left corner.
    void DrawImage(const Image& image, const Rect& r, bool stretch, bool colorKey = false,
                   bool greyed = false);
    // Draws text inside r; returns the height used.
    int DrawText(const std::string& text, const Rect& r, int size, bool bold, Color color,
                 Align align, bool wrap, bool vcenter);
    int TextWidth(const std::string& text, int size, bool bold);
    // Whether DrawText would show all of the text inside r: every line within its width and all
    // lines within its height.
    bool TextFits(const std::string& text, const Rect& r, int size, bool bold, bool wrap);

    Fonts& GetFonts() { return fonts_; }
    // The canvas as an image (for screenshots).
    ImagePtr Snapshot() const;

  private:
    std::vector<std::string> WrapLines(const std::string& text, int width, int size, bool bold);
    SDL_Surface* surface_ = nullptr;
    Rect clip_;
    Fonts fonts_;
};

}  // namespace platform
