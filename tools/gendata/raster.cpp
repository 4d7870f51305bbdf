#include "raster.h"

#include <algorithm>
#include <cmath>

namespace gendata {

Image::Image(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

std::vector<std::uint8_t> Image::ToRgb8() const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 3);
    auto to8 = [](float v) {
        return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    };
    for (const Rgb& p : pixels_) {
        out.push_back(to8(p.r));
        out.push_back(to8(p.g));
        out.push_back(to8(p.b));
    }
    return out;
}

Image Image::Crop(int x, int y, int w, int h) const {
    Image out(w, h);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            out.At(i, j) = At(std::clamp(x + i, 0, width_ - 1), std::clamp(y + j, 0, height_ - 1));
        }
    }
    return out;
}

Image Image::Resized(int w, int h) const {
    Image out(w, h);
    const float sx = static_cast<float>(width_) / static_cast<float>(w);
    const float sy = static_cast<float>(height_) / static_cast<float>(h);
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (sx >= 1.0f && sy >= 1.0f) {
                // Average the source pixels the target pixel covers.
                const int x0 = static_cast<int>(static_cast<float>(i) * sx);
                const int y0 = static_cast<int>(static_cast<float>(j) * sy);
                const int x1 = std::max(x0 + 1, static_cast<int>(static_cast<float>(i + 1) * sx));
                const int y1 = std::max(y0 + 1, static_cast<int>(static_cast<float>(j + 1) * sy));
                Rgb sum;
                int n = 0;
                for (int y = y0; y < std::min(y1, height_); ++y) {
                    for (int x = x0; x < std::min(x1, width_); ++x) {
                        sum = sum + At(x, y);
                        ++n;
                    }
                }
                out.At(i, j) = sum * (1.0f / static_cast<float>(std::max(n, 1)));
            } else {
                const float fx = std::max(0.0f, (static_cast<float>(i) + 0.5f) * sx - 0.5f);
                const float fy = std::max(0.0f, (static_cast<float>(j) + 0.5f) * sy - 0.5f);
                const int x0 = std::min(static_cast<int>(fx), width_ - 1);
                const int y0 = std::min(static_cast<int>(fy), height_ - 1);
                const int x1 = std::min(x0 + 1, width_ - 1);
                const int y1 = std::min(y0 + 1, height_ - 1);
                const float tx = fx - static_cast<float>(x0);
                const float ty = fy - static_cast<float>(y0);
                out.At(i, j) =
                    Mix(Mix(At(x0, y0), At(x1, y0), tx), Mix(At(x0, y1), At(x1, y1), tx), ty);
            }
        }
    }
    return out;
}

void Image::Paste(const Image& other, int x, int y) {
    for (int j = 0; j < other.Height(); ++j) {
        for (int i = 0; i < other.Width(); ++i) {
            const int tx = x + i;
            const int ty = y + j;
            if (tx >= 0 && ty >= 0 && tx < width_ && ty < height_) At(tx, ty) = other.At(i, j);
        }
    }
}

void Desaturate(Image& img, float amount) {
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            Rgb& p = img.At(x, y);
            const float l = Luma(p) * 0.9f + 0.06f;
            p = Mix(p, Rgb{l, l, l * 0.97f}, amount);
        }
    }
}

void HitTint(Image& img) {
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            Rgb& p = img.At(x, y);
            const float l = Luma(p);
            p = Mix(p, Rgb{0.35f + 0.75f * l, 0.05f + 0.25f * l, 0.04f + 0.2f * l}, 0.7f);
        }
    }
}

void LordMark(Image& img, Rgb colour) {
    const int w = img.Width();
    const int h = img.Height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            Rgb& p = img.At(x, y);
            p = Mix(p, Rgb{1.0f, 0.98f, 0.9f}, 0.28f);
            const int edge = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
            if (edge < 3) {
                p = Mix(p, colour, edge == 0 ? 0.95f : (edge == 1 ? 0.85f : 0.45f));
            } else if (edge < 6) {
                p = Mix(p, colour, 0.12f);
            }
        }
    }
}

void GoldenGlow(Image& img) {
    const float cx = static_cast<float>(img.Width()) / 2;
    const float cy = static_cast<float>(img.Height()) / 2;
    const float r = std::max(cx, cy);
    const Rgb gold{1.0f, 0.82f, 0.35f};
    for (int y = 0; y < img.Height(); ++y) {
        for (int x = 0; x < img.Width(); ++x) {
            Rgb& p = img.At(x, y);
            const float d = std::hypot(static_cast<float>(x) - cx, static_cast<float>(y) - cy) / r;
            p = Mix(p, p * gold * 1.25f, 0.55f);
            p = p + gold * (0.18f * std::max(0.0f, 1.0f - d));
        }
    }
    const int w = img.Width();
    const int h = img.Height();
    const int band = std::max(2, w / 40);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int edge = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
            if (edge < band)
                img.At(x, y) = Mix(Rgb{0.55f, 0.38f, 0.1f}, gold, edge == 0 ? 0.2f : 0.9f);
        }
    }
}

void InkFrame(Image& img, int width) {
    const int w = img.Width();
    const int h = img.Height();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int edge = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
            if (edge < width) {
                img.At(x, y) = Mix(img.At(x, y), Rgb{0.18f, 0.11f, 0.06f}, 0.9f);
            } else if (edge < width + 2) {
                img.At(x, y) = Mix(img.At(x, y), Rgb{0.18f, 0.11f, 0.06f}, 0.25f);
            }
        }
    }
}

}  // namespace gendata
