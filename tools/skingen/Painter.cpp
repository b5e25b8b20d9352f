#include "Painter.h"

#include <algorithm>
#include <cmath>

namespace tavrik::skingen {

namespace {

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

// Signed distance from p to a box with rounded corners (negative inside).
float RoundBoxDistance(float px, float py, const TBoxF& box, float radius)
{
    float hx = box.Width() / 2, hy = box.Height() / 2;
    radius = std::min({radius, hx, hy});
    float qx = std::fabs(px - box.CenterX()) - (hx - radius);
    float qy = std::fabs(py - box.CenterY()) - (hy - radius);
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SegmentDistance(float px, float py, TPointF a, TPointF b)
{
    float dx = b.x - a.x, dy = b.y - a.y;
    float lengthSquared = dx * dx + dy * dy;
    float t = lengthSquared > 0 ? Clamp01(((px - a.x) * dx + (py - a.y) * dy) / lengthSquared) : 0;
    return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

bool InsidePolygon(float px, float py, const std::vector<TPointF>& points)
{
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const TPointF& a = points[i];
        const TPointF& b = points[j];
        if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

} // namespace

TColor Blend(TColor a, TColor b, float t)
{
    auto mix = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * t)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TPainter::TPainter(int width, int height, TColor background)
    : width_(width), height_(height),
      pixels_(size_t(width) * size_t(height),
              TRgb{float(GetRValue(background)), float(GetGValue(background)), float(GetBValue(background))})
{
}

void TPainter::Cover(int x, int y, float coverage, TColor c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
    coverage = std::min(coverage, 1.0f);
    TRgb& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
    p.r += (GetRValue(c) - p.r) * coverage;
    p.g += (GetGValue(c) - p.g) * coverage;
    p.b += (GetBValue(c) - p.b) * coverage;
}

TColor TPainter::FillColour(const TFill& fill, float y)
{
    if (fill.top == fill.bottom || fill.y1 <= fill.y0) return fill.top;
    return Blend(fill.top, fill.bottom, Clamp01((y - fill.y0) / (fill.y1 - fill.y0)));
}

void TPainter::CoverShape(const TBoxF& bounds, const std::function<float(float, float)>& coverage,
                          const std::function<TColor(float, float)>& colour)
{
    int x0 = std::max(0, int(std::floor(bounds.left)) - 1), x1 = std::min(width_, int(std::ceil(bounds.right)) + 1);
    int y0 = std::max(0, int(std::floor(bounds.top)) - 1), y1 = std::min(height_, int(std::ceil(bounds.bottom)) + 1);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            float cx = float(x) + 0.5f, cy = float(y) + 0.5f;
            Cover(x, y, coverage(cx, cy), colour(cx, cy));
        }
}

void TPainter::FillRect(const TRect& r, TColor c)
{
    FillRect(r, TFill::Solid(c));
}

void TPainter::FillRect(const TRect& r, const TFill& fill)
{
    for (int y = std::max(0, r.Top); y < std::min(height_, r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(width_, r.Right); ++x) Cover(x, y, 1, FillColour(fill, float(y) + 0.5f));
}

void TPainter::RoundBox(const TBoxF& box, float radius, const TFill& fill, float alpha)
{
    CoverShape(
        box, [&](float x, float y) { return alpha * Clamp01(0.5f - RoundBoxDistance(x, y, box, radius)); },
        [&](float, float y) { return FillColour(fill, y); });
}

void TPainter::RoundFrame(const TBoxF& box, float radius, float width, TColor c, float alpha)
{
    TBoxF inner = box.Inset(width);
    float innerRadius = std::max(0.0f, radius - width);
    CoverShape(
        box,
        [&](float x, float y) {
            float outer = Clamp01(0.5f - RoundBoxDistance(x, y, box, radius));
            float hole = Clamp01(0.5f - RoundBoxDistance(x, y, inner, innerRadius));
            return alpha * std::max(0.0f, outer - hole);
        },
        [&](float, float) { return c; });
}

void TPainter::Line(TPointF a, TPointF b, float width, TColor c, float alpha)
{
    float half = width / 2;
    TBoxF bounds{std::min(a.x, b.x) - half, std::min(a.y, b.y) - half, std::max(a.x, b.x) + half,
                 std::max(a.y, b.y) + half};
    CoverShape(
        bounds, [&](float x, float y) { return alpha * Clamp01(0.5f - (SegmentDistance(x, y, a, b) - half)); },
        [&](float, float) { return c; });
}

void TPainter::Polyline(const std::vector<TPointF>& points, float width, TColor c)
{
    if (points.size() < 2) return;
    float half = width / 2;
    TBoxF bounds{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const TPointF& p : points) {
        bounds.left = std::min(bounds.left, p.x - half);
        bounds.top = std::min(bounds.top, p.y - half);
        bounds.right = std::max(bounds.right, p.x + half);
        bounds.bottom = std::max(bounds.bottom, p.y + half);
    }
    // One shape, so that the joints are not covered twice.
    CoverShape(
        bounds,
        [&](float x, float y) {
            float d = 1e9f;
            for (size_t i = 1; i < points.size(); ++i) d = std::min(d, SegmentDistance(x, y, points[i - 1], points[i]));
            return Clamp01(0.5f - (d - half));
        },
        [&](float, float) { return c; });
}

void TPainter::Circle(TPointF centre, float radius, TColor c, float alpha)
{
    TBoxF bounds{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
    CoverShape(
        bounds,
        [&](float x, float y) { return alpha * Clamp01(0.5f - (std::hypot(x - centre.x, y - centre.y) - radius)); },
        [&](float, float) { return c; });
}

void TPainter::Ring(TPointF centre, float radius, float width, TColor c)
{
    TBoxF bounds{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
    CoverShape(
        bounds,
        [&](float x, float y) {
            float d = std::hypot(x - centre.x, y - centre.y);
            return std::max(0.0f, Clamp01(0.5f - (d - radius)) - Clamp01(0.5f - (d - radius + width)));
        },
        [&](float, float) { return c; });
}

void TPainter::Polygon(const std::vector<TPointF>& points, TColor c)
{
    TBoxF bounds{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const TPointF& p : points) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    constexpr int kSamples = 4;
    CoverShape(
        bounds,
        [&](float x, float y) {
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx)
                    inside += InsidePolygon(x - 0.5f + (float(sx) + 0.5f) / kSamples,
                                            y - 0.5f + (float(sy) + 0.5f) / kSamples, points);
            return float(inside) / (kSamples * kSamples);
        },
        [&](float, float) { return c; });
}

void TPainter::Copy(const TPainter& source, const TRect& from, TPoint to)
{
    for (int y = 0; y < from.Height(); ++y)
        for (int x = 0; x < from.Width(); ++x) {
            int sx = from.Left + x, sy = from.Top + y, dx = to.x + x, dy = to.y + y;
            if (sx < 0 || sy < 0 || sx >= source.width_ || sy >= source.height_) continue;
            if (dx < 0 || dy < 0 || dx >= width_ || dy >= height_) continue;
            pixels_[size_t(dy) * size_t(width_) + size_t(dx)] = source.pixels_[size_t(sy) * size_t(source.width_) + size_t(sx)];
        }
}

TColor TPainter::Pixel(int x, int y) const
{
    const TRgb& p = pixels_[size_t(y) * size_t(width_) + size_t(x)];
    auto channel = [](float v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
    return RGB(channel(p.r), channel(p.g), channel(p.b));
}

TBitmap TPainter::ToBitmap() const
{
    TBitmap b(width_, height_, TPixelFormat::pf24bit);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) b.SetPixel(x, y, Pixel(x, y));
    return b;
}

} // namespace tavrik::skingen
