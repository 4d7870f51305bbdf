#include "platform/canvas.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace platform {

namespace {

// Finds a font file through fontconfig (null when it has no match).
std::string MatchFont(const char* pattern) {
    std::string result;
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (!pat) return result;
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult res;
    FcPattern* match = FcFontMatch(nullptr, pat, &res);
    if (match) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
            result = reinterpret_cast<const char*>(file);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return result;
}

SDL_Rect ToSdl(const Rect& r) {
    return SDL_Rect{r.x, r.y, r.w, r.h};
}

Rect Intersect(const Rect& a, const Rect& b) {
    int x1 = std::max(a.x, b.x), y1 = std::max(a.y, b.y);
    int x2 = std::min(a.x + a.w, b.x + b.w), y2 = std::min(a.y + a.h, b.y + b.h);
    if (x2 <= x1 || y2 <= y1) return Rect{x1, y1, 0, 0};
    return Rect{x1, y1, x2 - x1, y2 - y1};
}

}  // namespace

Fonts::Fonts() {
    if (!TTF_WasInit()) TTF_Init();
    if (FcInit()) {
        regularPath_ = MatchFont("DejaVu Sans:style=Book");
        boldPath_ = MatchFont("DejaVu Sans:style=Bold");
        FcFini();  // the two file names are all the game needs of it
    }
    if (regularPath_.empty()) regularPath_ = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (boldPath_.empty()) boldPath_ = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}

Fonts::~Fonts() {
    for (auto& [key, font] : fonts_) {
        if (font) TTF_CloseFont(font);
    }
}

TTF_Font* Fonts::Get(int size, bool bold) {
    size = std::clamp(size, 6, 96);
    auto key = std::make_pair(size, bold);
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    TTF_Font* font = TTF_OpenFont((bold ? boldPath_ : regularPath_).c_str(), size);
    if (!font && bold) font = TTF_OpenFont(regularPath_.c_str(), size);
    fonts_[key] = font;
    return font;
}

Canvas::Canvas(int width, int height) {
    Resize(width, height);
}

Canvas::~Canvas() {
    if (surface_) SDL_FreeSurface(surface_);
}

void Canvas::Resize(int width, int height) {
    if (surface_ && surface_->w == width && surface_->h == height) return;
    if (surface_) SDL_FreeSurface(surface_);
    surface_ = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    // Copied onto the screen as it is: a pixel whose alpha the text left below 255 must not let
    // what the screen showed before shine through.
    if (surface_) SDL_SetSurfaceBlendMode(surface_, SDL_BLENDMODE_NONE);
    clip_ = Rect{0, 0, width, height};
}

int Canvas::Width() const {
    return surface_ ? surface_->w : 0;
}
int Canvas::Height() const {
    return surface_ ? surface_->h : 0;
}

void Canvas::SetClip(const Rect& clip) {
    clip_ = Intersect(clip, Rect{0, 0, Width(), Height()});
}

void Canvas::Fill(const Rect& r, Color c) {
    Rect area = Intersect(r, clip_);
    if (area.w <= 0 || area.h <= 0 || c.a == 0) return;
    SDL_Rect dst = ToSdl(area);
    if (c.a == 255) {
        SDL_FillRect(surface_, &dst, SDL_MapRGBA(surface_->format, c.r, c.g, c.b, 255));
        return;
    }
    // The canvas is ARGB8888: a see-through colour is blended into it in place.
    if (SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) != 0) return;
    const std::uint32_t alpha = c.a, keep = 255 - c.a;
    const std::uint32_t red = c.r * alpha, green = c.g * alpha, blue = c.b * alpha;
    for (int y = area.y; y < area.y + area.h; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface_->pixels) +
                                             static_cast<std::ptrdiff_t>(y) * surface_->pitch);
        for (int x = area.x; x < area.x + area.w; ++x) {
            const std::uint32_t p = row[x];
            const std::uint32_t pr = (((p >> 16) & 0xFF) * keep + red) / 255;
            const std::uint32_t pg = (((p >> 8) & 0xFF) * keep + green) / 255;
            const std::uint32_t pb = ((p & 0xFF) * keep + blue) / 255;
            row[x] = 0xFF000000u | (pr << 16) | (pg << 8) | pb;
        }
    }
    if (SDL_MUSTLOCK(surface_)) SDL_UnlockSurface(surface_);
}

void Canvas::Frame(const Rect& r, Color c, int t) {
    Fill(Rect{r.x, r.y, r.w, t}, c);
    Fill(Rect{r.x, r.y + r.h - t, r.w, t}, c);
    Fill(Rect{r.x, r.y, t, r.h}, c);
    Fill(Rect{r.x + r.w - t, r.y, t, r.h}, c);
}

void Canvas::DrawImage(const Image& image, const Rect& r, bool stretch, bool colorKey,
                       bool greyed) {
    SDL_Surface* src = image.Surface();
    if (!src || r.w <= 0 || r.h <= 0) return;
    SDL_Rect clip = ToSdl(clip_);
    SDL_SetClipRect(surface_, &clip);
    SDL_Surface* use = src;
    SDL_Surface* tmp = nullptr;
    if (colorKey || greyed) {
        tmp = SDL_ConvertSurfaceFormat(src, SDL_PIXELFORMAT_ARGB8888, 0);
        if (tmp) {
            use = tmp;
            if (greyed) {
                auto* px = static_cast<std::uint32_t*>(tmp->pixels);
                const int count = tmp->pitch / 4 * tmp->h;
                for (int i = 0; i < count; ++i) {
                    std::uint32_t p = px[i];
                    int rr = (p >> 16) & 0xFF, gg = (p >> 8) & 0xFF, bb = p & 0xFF;
                    int y = (rr * 30 + gg * 59 + bb * 11) / 100;
                    y = (y + 128) / 2;
                    px[i] = (p & 0xFF000000u) | (y << 16) | (y << 8) | y;
                }
            }
            if (colorKey) SDL_SetColorKey(tmp, SDL_TRUE, SDL_MapRGB(tmp->format, 255, 0, 255));
        }
    }
    SDL_SetSurfaceBlendMode(use, SDL_BLENDMODE_NONE);
    if (colorKey) SDL_SetSurfaceBlendMode(use, SDL_BLENDMODE_BLEND);
    if (stretch && (use->w != r.w || use->h != r.h)) {
        SDL_Rect dst = ToSdl(r);
        SDL_BlitScaled(use, nullptr, surface_, &dst);
    } else {
        SDL_Rect dst{r.x, r.y, std::min(use->w, r.w), std::min(use->h, r.h)};
        SDL_Rect part{0, 0, dst.w, dst.h};
        SDL_BlitSurface(use, &part, surface_, &dst);
    }
    if (tmp) SDL_FreeSurface(tmp);
    SDL_SetClipRect(surface_, nullptr);
}

int Canvas::TextWidth(const std::string& text, int size, bool bold) {
    TTF_Font* font = fonts_.Get(size, bold);
    int w = 0, h = 0;
    if (font && !text.empty()) TTF_SizeUTF8(font, text.c_str(), &w, &h);
    return w;
}

std::vector<std::string> Canvas::WrapLines(const std::string& text, int width, int size,
                                           bool bold) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t nl = text.find('\n', start);
        std::string paragraph =
            text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        std::string line;
        size_t pos = 0;
        while (pos < paragraph.size()) {
            size_t space = paragraph.find(' ', pos);
            std::string word =
                paragraph.substr(pos, space == std::string::npos ? std::string::npos : space - pos);
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && TextWidth(candidate, size, bold) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            if (space == std::string::npos) break;
            pos = space + 1;
        }
        lines.push_back(line);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return lines;
}

int Canvas::DrawText(const std::string& text, const Rect& r, int size, bool bold, Color color,
                     Align align, bool wrap, bool vcenter) {
    TTF_Font* font = fonts_.Get(size, bold);
    if (!font || text.empty()) return 0;
    std::vector<std::string> lines;
    if (wrap) {
        lines = WrapLines(text, r.w, size, bold);
    } else {
        lines.push_back(text);
    }
    const int lineHeight = TTF_FontLineSkip(font);
    const int total = lineHeight * static_cast<int>(lines.size());
    int y = r.y;
    if (vcenter) y = r.y + (r.h - total) / 2;
    Rect clip = Intersect(r, clip_);
    SDL_Rect sdlClip = ToSdl(clip);
    SDL_SetClipRect(surface_, &sdlClip);
    for (const auto& line : lines) {
        if (!line.empty()) {
            SDL_Surface* rendered = TTF_RenderUTF8_Blended(
                font, line.c_str(), SDL_Color{color.r, color.g, color.b, color.a});
            if (rendered) {
                int x = r.x;
                if (align == Align::Center) x = r.x + (r.w - rendered->w) / 2;
                if (align == Align::Right) x = r.x + r.w - rendered->w;
                SDL_Rect dst{x, y, rendered->w, rendered->h};
                SDL_BlitSurface(rendered, nullptr, surface_, &dst);
                SDL_FreeSurface(rendered);
            }
        }
        y += lineHeight;
    }
    SDL_SetClipRect(surface_, nullptr);
    return total;
}

bool Canvas::TextFits(const std::string& text, const Rect& r, int size, bool bold, bool wrap) {
    TTF_Font* font = fonts_.Get(size, bold);
    if (!font || text.empty()) return true;
    const std::vector<std::string> lines =
        wrap ? WrapLines(text, r.w, size, bold) : std::vector<std::string>{text};
    for (const auto& line : lines) {
        if (TextWidth(line, size, bold) > r.w) return false;
    }
    return TTF_FontLineSkip(font) * static_cast<int>(lines.size()) <= r.h;
}

ImagePtr Canvas::Snapshot() const {
    SDL_Surface* copy = SDL_ConvertSurfaceFormat(surface_, SDL_PIXELFORMAT_ARGB8888, 0);
    if (!copy) return nullptr;
    return std::make_shared<Image>(copy);
}

}  // namespace platform
