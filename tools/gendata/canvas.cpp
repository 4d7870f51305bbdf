#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace gendata {

namespace {

constexpr float kBig = 1e6f;

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by, float* along) {
    const float dx = bx - ax;
    const float dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0f;
    t = Clamp01(t);
    if (along) *along = t;
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

Box BoxOf(const std::vector<Pt>& pts, float margin) {
    Box b{kBig, kBig, -kBig, -kBig};
    for (const Pt& p : pts) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return {b.x0 - margin, b.y0 - margin, b.x1 + margin, b.y1 + margin};
}

Box Merge(const Box& a, const Box& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

}  // namespace

Shape Circle(float cx, float cy, float r) {
    return {{cx - r, cy - r, cx + r, cy + r},
            [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; }};
}

Shape Ellipse(float cx, float cy, float rx, float ry) {
    const float m = std::min(rx, ry);
    return {{cx - rx, cy - ry, cx + rx, cy + ry}, [=](float x, float y) {
                const float u = (x - cx) / rx;
                const float v = (y - cy) / ry;
                return (std::sqrt(u * u + v * v) - 1.0f) * m;
            }};
}

Shape Rect(float x0, float y0, float x1, float y1, float round) {
    const float cx = (x0 + x1) / 2;
    const float cy = (y0 + y1) / 2;
    const float hx = (x1 - x0) / 2 - round;
    const float hy = (y1 - y0) / 2 - round;
    return {{x0, y0, x1, y1}, [=](float x, float y) {
                const float qx = std::abs(x - cx) - hx;
                const float qy = std::abs(y - cy) - hy;
                const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
                return outside + std::min(std::max(qx, qy), 0.0f) - round;
            }};
}

Shape Segment(float ax, float ay, float bx, float by, float r) {
    return {
        {std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r},
        [=](float x, float y) { return SegmentDistance(x, y, ax, ay, bx, by, nullptr) - r; }};
}

Shape Poly(std::vector<Pt> pts) {
    const Box box = BoxOf(pts, 0);
    return {box, [pts = std::move(pts)](float x, float y) {
                float d = kBig;
                bool inside = false;
                const std::size_t n = pts.size();
                for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                    const Pt& a = pts[i];
                    const Pt& b = pts[j];
                    d = std::min(d, SegmentDistance(x, y, a.x, a.y, b.x, b.y, nullptr));
                    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                        inside = !inside;
                    }
                }
                return inside ? -d : d;
            }};
}

Shape Stroke(std::vector<Pt> pts, float r0, float r1) {
    const Box box = BoxOf(pts, std::max(r0, r1));
    // Cumulative length so the radius tapers along the whole line.
    std::vector<float> at(pts.size(), 0.0f);
    for (std::size_t i = 1; i < pts.size(); ++i) {
        at[i] = at[i - 1] + std::hypot(pts[i].x - pts[i - 1].x, pts[i].y - pts[i - 1].y);
    }
    const float total = std::max(at.back(), 1e-4f);
    return {box, [=](float x, float y) {
                float best = kBig;
                for (std::size_t i = 1; i < pts.size(); ++i) {
                    float t = 0;
                    const float d =
                        SegmentDistance(x, y, pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, &t);
                    const float s = (at[i - 1] + t * (at[i] - at[i - 1])) / total;
                    best = std::min(best, d - (r0 + (r1 - r0) * s));
                }
                return best;
            }};
}

Shape Curve(Pt a, Pt b, Pt c, float r0, float r1, int steps) {
    std::vector<Pt> pts;
    for (int i = 0; i <= steps; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(steps);
        const float u = 1 - t;
        pts.push_back({u * u * a.x + 2 * u * t * b.x + t * t * c.x,
                       u * u * a.y + 2 * u * t * b.y + t * t * c.y});
    }
    return Stroke(std::move(pts), r0, r1);
}

Shape Union(Shape a, Shape b) {
    return {Merge(a.box, b.box), [fa = std::move(a.sdf), fb = std::move(b.sdf)](float x, float y) {
                return std::min(fa(x, y), fb(x, y));
            }};
}

Shape Subtract(Shape a, Shape b) {
    return {a.box, [fa = std::move(a.sdf), fb = std::move(b.sdf)](float x, float y) {
                return std::max(fa(x, y), -fb(x, y));
            }};
}

Shape Intersect(Shape a, Shape b) {
    const Box box{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0),
                  std::min(a.box.x1, b.box.x1), std::min(a.box.y1, b.box.y1)};
    return {box, [fa = std::move(a.sdf), fb = std::move(b.sdf)](float x, float y) {
                return std::max(fa(x, y), fb(x, y));
            }};
}

Shape Grow(Shape a, float by) {
    return {{a.box.x0 - by, a.box.y0 - by, a.box.x1 + by, a.box.y1 + by},
            [f = std::move(a.sdf), by](float x, float y) { return f(x, y) - by; }};
}

Canvas::Canvas(Image& img, float unitsWide)
    : img_(img),
      unitsWide_(unitsWide),
      unitsHigh_(unitsWide * static_cast<float>(img.Height()) / static_cast<float>(img.Width())),
      scale_(static_cast<float>(img.Width()) / unitsWide) {}

template <class F>
void Canvas::Visit(const Box& box, float margin, F&& f) {
    const int x0 = std::max(0, static_cast<int>(std::floor((box.x0 - margin) * scale_)));
    const int y0 = std::max(0, static_cast<int>(std::floor((box.y0 - margin) * scale_)));
    const int x1 =
        std::min(img_.Width() - 1, static_cast<int>(std::ceil((box.x1 + margin) * scale_)));
    const int y1 =
        std::min(img_.Height() - 1, static_cast<int>(std::ceil((box.y1 + margin) * scale_)));
    for (int py = y0; py <= y1; ++py) {
        for (int px = x0; px <= x1; ++px) {
            const float ux = (static_cast<float>(px) + 0.5f) / scale_;
            const float uy = (static_cast<float>(py) + 0.5f) / scale_;
            f(ux, uy, img_.At(px, py));
        }
    }
}

void Canvas::Fill(const Shape& s, const Paint& p) {
    const float aa = PixelUnits();
    const float bw = std::max(s.box.x1 - s.box.x0, 1e-3f);
    const float bh = std::max(s.box.y1 - s.box.y0, 1e-3f);
    const std::uint32_t nseed = seed * 31u + 7u;
    Visit(s.box, aa, [&](float x, float y, Rgb& px) {
        const float d = s.sdf(x, y);
        const float cover = Clamp01(0.5f - d / aa);
        if (cover <= 0) return;
        Rgb c = p.colour;
        const float light = ((x - s.box.x0) / bw + (y - s.box.y0) / bh) * 0.5f;
        c = c * (1.0f + p.shade * (0.45f - light));
        if (p.mottle > 0) {
            const float n = Fbm(x * 0.09f, y * 0.09f, nseed, 3) - 0.5f;
            c = c * (1.0f + p.mottle * 2.0f * n);
        }
        if (p.rim > 0) {
            const float rim = Clamp01(1.0f + d / (aa * 2.5f));
            c = c * (1.0f - p.rim * rim);
        }
        px = Mix(px, c, cover * p.alpha);
    });
}

void Canvas::Fill(const Shape& s, Rgb colour, float alpha) {
    Paint p;
    p.colour = colour;
    p.alpha = alpha;
    p.rim = 0;
    p.mottle = 0;
    p.shade = 0;
    Fill(s, p);
}

void Canvas::Outline(const Shape& s, float width, Rgb colour, float alpha) {
    const float aa = PixelUnits();
    const float half = std::max(width, aa * 0.9f) / 2;
    Visit(s.box, half + aa, [&](float x, float y, Rgb& px) {
        const float d = std::abs(s.sdf(x, y)) - half;
        const float cover = Clamp01(0.5f - d / aa);
        if (cover > 0) px = Mix(px, colour, cover * alpha);
    });
}

void Canvas::Draw(const Shape& s, Rgb colour, float inkWidth) {
    Paint p;
    p.colour = colour;
    Fill(s, p);
    if (inkWidth > 0) Outline(s, inkWidth, kInk, 0.85f);
}

void Canvas::Hatch(const Shape& s, float spacing, float angleDeg, float width, Rgb colour,
                   float alpha, float from) {
    const float aa = PixelUnits();
    const float a = angleDeg * 3.14159265f / 180.0f;
    const float ca = std::cos(a);
    const float sa = std::sin(a);
    const float bw = std::max(s.box.x1 - s.box.x0, 1e-3f);
    const float bh = std::max(s.box.y1 - s.box.y0, 1e-3f);
    const float half = std::max(width, aa) / 2;
    Visit(s.box, 0, [&](float x, float y, Rgb& px) {
        const float inside = Clamp01(0.5f - (s.sdf(x, y) + aa) / aa);
        if (inside <= 0) return;
        const float light = ((x - s.box.x0) / bw + (y - s.box.y0) / bh) * 0.5f;
        if (light < from) return;
        const float t = (x * ca + y * sa) / spacing;
        const float dist = std::abs(t - std::round(t)) * spacing - half;
        const float cover = Clamp01(0.5f - dist / aa) * Clamp01((light - from) * 6.0f);
        if (cover > 0) px = Mix(px, colour, cover * alpha * inside);
    });
}

void Canvas::Glow(const Shape& s, float radius, Rgb colour, float alpha) {
    Visit(s.box, radius, [&](float x, float y, Rgb& px) {
        const float d = s.sdf(x, y);
        const float k = d <= 0 ? 1.0f : Clamp01(1.0f - d / radius);
        if (k > 0) px = Mix(px, colour, k * k * alpha);
    });
}

void Canvas::Each(const std::function<void(float, float, Rgb&)>& f) {
    Visit({0, 0, unitsWide_, unitsHigh_}, 0, f);
}

}  // namespace gendata
