// Pictures in the making: floating-point RGB pixels and the whole-picture adjustments that
// turn one painting into its variants (greyed, hit-red, lord-marked, golden, framed).
#pragma once

#include <cstdint>
#include <vector>

namespace gendata {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

inline Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Rgb operator-(Rgb a, Rgb b) {
    return {a.r - b.r, a.g - b.g, a.b - b.b};
}
inline Rgb operator*(Rgb a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Rgb operator*(Rgb a, Rgb b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Rgb Mix(Rgb a, Rgb b, float t) {
    return a + (b - a) * t;
}
inline float Luma(Rgb c) {
    return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b;
}

class Image {
  public:
    Image() = default;
    Image(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    const Rgb& At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    // 8-bit RGB rows, top to bottom, clamped.
    std::vector<std::uint8_t> ToRgb8() const;

    // A copy of the rectangle (x, y, w, h); used to cut the quarters of the mountain.
    Image Crop(int x, int y, int w, int h) const;
    // Box-filtered down or bilinear up to the given size.
    Image Resized(int w, int h) const;
    // Pastes another picture with its top-left corner at (x, y).
    void Paste(const Image& other, int x, int y);

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// Variants of a finished picture.
void Desaturate(Image& img, float amount = 0.85f);  // greyed "_g" (disabled, equipped)
void HitTint(Image& img);                           // red "_r" / "_red" (being hit)
void LordMark(Image& img, Rgb colour);              // lighter with a rim in the lord's colour
void GoldenGlow(Image& img);                        // theme sheet "_y": warm gold light, frame
void InkFrame(Image& img, int width);               // a painted ink border round a picture

}  // namespace gendata
