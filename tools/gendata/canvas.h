// Painting on an Image in picture units: shapes are signed distance functions (negative
// inside), so every edge is anti-aliased and an ink outline is simply the band around zero.
// A canvas maps units to pixels: the picture is `Width()` units wide (100 unless given), so a
// painter draws the same subject at any size.
#pragma once

#include <functional>
#include <vector>

#include "raster.h"

namespace gendata {

struct Pt {
    float x = 0, y = 0;
};

struct Box {
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// A region: its signed distance in units and a box that holds it.
struct Shape {
    Box box;
    std::function<float(float, float)> sdf;
};

Shape Circle(float cx, float cy, float r);
Shape Ellipse(float cx, float cy, float rx, float ry);
// An axis-aligned rectangle with rounded corners of radius `round`.
Shape Rect(float x0, float y0, float x1, float y1, float round = 0);
// A thick segment with round caps, radius r.
Shape Segment(float ax, float ay, float bx, float by, float r);
// A closed polygon (any winding).
Shape Poly(std::vector<Pt> points);
// A thick open line through the points, radius r (tapering from r0 to r1 along its length).
Shape Stroke(std::vector<Pt> points, float r0, float r1);
// A quadratic curve from a to c bending towards b, as a stroke.
Shape Curve(Pt a, Pt b, Pt c, float r0, float r1, int steps = 12);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
// Grows (positive) or shrinks a shape.
Shape Grow(Shape a, float by);

// How a fill looks: a watercolour wash that is darker at its rim and slightly mottled, lit from
// the top left.
struct Paint {
    Paint() = default;
    explicit Paint(Rgb c) : colour(c) {}
    Rgb colour;
    float alpha = 1.0f;
    float rim = 0.22f;     // darkening within a couple of pixels of the edge
    float mottle = 0.07f;  // low-frequency brightness variation
    float shade = 0.28f;   // top-left light to bottom-right shadow across the shape's box
};

class Canvas {
  public:
    explicit Canvas(Image& img, float unitsWide = 100.0f);

    float W() const { return unitsWide_; }
    float H() const { return unitsHigh_; }
    float PixelUnits() const { return 1.0f / scale_; }
    Image& Img() { return img_; }

    void Fill(const Shape& s, const Paint& p);
    void Fill(const Shape& s, Rgb colour, float alpha = 1.0f);
    // An ink line along the outline, `width` units wide (at least about one pixel).
    void Outline(const Shape& s, float width, Rgb colour, float alpha = 1.0f);
    // Fill, then the ink outline: the ordinary way to put a thing on the page.
    void Draw(const Shape& s, Rgb colour, float inkWidth = 1.2f);
    // Parallel ink hatching inside the shape, only where the shade coordinate (0 top-left of
    // the box to 1 bottom-right) is above `from`.
    void Hatch(const Shape& s, float spacing, float angleDeg, float width, Rgb colour,
               float alpha = 0.5f, float from = 0.45f);
    // A soft glow of colour around and inside the shape, fading over `radius` units.
    void Glow(const Shape& s, float radius, Rgb colour, float alpha);
    // Calls f(unitX, unitY, pixel) for every pixel.
    void Each(const std::function<void(float, float, Rgb&)>& f);

    std::uint32_t seed = 1;

  private:
    template <class F>
    void Visit(const Box& box, float margin, F&& f);

    Image& img_;
    float unitsWide_;
    float unitsHigh_;
    float scale_;  // pixels per unit
};

// The ink colour of the whole game.
inline constexpr Rgb kInk{0.19f, 0.12f, 0.07f};

}  // namespace gendata
