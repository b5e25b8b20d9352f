#include "gfx/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

namespace tavrik::raster {

std::vector<TPoint> EllipseOutline(const TRect& bounds)
{
    std::vector<TPoint> points;
    if (bounds.IsEmpty()) return points;
    auto plot = [&](int64_t x, int64_t y) { points.push_back({int32_t(x), int32_t(y)}); };
    // Integer midpoint ellipse through the corners of the inclusive box, walking all four
    // quadrants at once (after A. Zingl, "A Rasterizing Algorithm for Drawing Curves").
    int64_t x0 = bounds.Left, x1 = bounds.Right - 1, y0 = bounds.Top, y1 = bounds.Bottom - 1;
    int64_t a = x1 - x0, b = y1 - y0, b1 = b & 1;
    int64_t dx = 4 * (1 - a) * b * b, dy = 4 * (b1 + 1) * a * a;
    int64_t err = dx + dy + b1 * a * a;
    y0 += (b + 1) / 2;
    y1 = y0 - b1;
    int64_t stepA = 8 * a * a, stepB = 8 * b * b;
    do {
        plot(x1, y0), plot(x0, y0), plot(x0, y1), plot(x1, y1);
        int64_t e2 = 2 * err;
        if (e2 <= dy) ++y0, --y1, err += dy += stepA;
        if (e2 >= dx || 2 * err > dy) ++x0, --x1, err += dx += stepB;
    } while (x0 <= x1);
    // Flat ellipses stop early; finish their tips.
    while (y0 - y1 <= b) {
        plot(x0 - 1, y0), plot(x1 + 1, y0++);
        plot(x0 - 1, y1), plot(x1 + 1, y1--);
    }
    std::erase_if(points, [&](TPoint p) { return !bounds.Contains(p); });
    std::sort(points.begin(), points.end(), [](TPoint p, TPoint q) { return p.y != q.y ? p.y < q.y : p.x < q.x; });
    points.erase(std::unique(points.begin(), points.end()), points.end());
    return points;
}

namespace {

// Per row, the outline's leftmost pixel of the left half and rightmost of the right half,
// plus the innermost ones, which bound the interior.
struct TRowExtent {
    int32_t outerLeft, outerRight, innerLeft, innerRight;
};

std::map<int32_t, TRowExtent> RowExtents(const TRect& bounds)
{
    std::map<int32_t, TRowExtent> rows;
    int64_t twiceCentre = int64_t(bounds.Left) + bounds.Right - 1;
    for (TPoint p : EllipseOutline(bounds)) {
        auto [it, fresh] = rows.try_emplace(p.y, TRowExtent{p.x, p.x, INT32_MIN, INT32_MAX});
        TRowExtent& e = it->second;
        if (!fresh) e.outerLeft = std::min(e.outerLeft, p.x), e.outerRight = std::max(e.outerRight, p.x);
        if (2 * int64_t(p.x) <= twiceCentre) e.innerLeft = std::max(e.innerLeft, p.x);
        if (2 * int64_t(p.x) >= twiceCentre) e.innerRight = std::min(e.innerRight, p.x);
    }
    return rows;
}

} // namespace

std::vector<TSpan> EllipseSpans(const TRect& bounds)
{
    std::vector<TSpan> spans;
    for (const auto& [y, e] : RowExtents(bounds)) spans.push_back({y, e.outerLeft, e.outerRight + 1});
    return spans;
}

std::vector<TSpan> EllipseInteriorSpans(const TRect& bounds)
{
    std::vector<TSpan> spans;
    for (const auto& [y, e] : RowExtents(bounds))
        if (e.innerLeft != INT32_MIN && e.innerRight != INT32_MAX && e.innerLeft + 1 < e.innerRight)
            spans.push_back({y, e.innerLeft + 1, e.innerRight});
    return spans;
}

std::vector<TSpan> PolygonSpans(std::span<const TPoint> points)
{
    std::vector<TSpan> spans;
    if (points.size() < 3) return spans;
    int32_t top = INT32_MAX, bottom = INT32_MIN;
    for (TPoint p : points) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    std::vector<double> crossings;
    for (int32_t y = top; y < bottom; ++y) {
        double centre = y + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            TPoint a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= centre) == (b.y <= centre)) continue;
            crossings.push_back(a.x + (centre - a.y) * (b.x - a.x) / double(b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centre x + 0.5 lies in [from, to).
            auto left = int32_t(std::ceil(crossings[i] - 0.5)), right = int32_t(std::ceil(crossings[i + 1] - 0.5));
            if (left < right) spans.push_back({y, left, right});
        }
    }
    return spans;
}

} // namespace tavrik::raster
