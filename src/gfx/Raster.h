#pragma once

#include "core/Geometry.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

// Pure rasterisation: which pixels a line, an ellipse or a polygon covers. The canvas turns
// the results into spans and applies its pen and brush to them.
namespace tavrik::raster {

// The same rectangle with left <= right and top <= bottom.
inline TRect Normalized(const TRect& r)
{
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)};
}

// Visits every pixel of the line from a to b, a included and b left out, each exactly once.
template <typename F>
void LinePixels(TPoint a, TPoint b, F&& visit)
{
    int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    TPoint p = a;
    while (p != b) {
        visit(p);
        int e2 = 2 * err;
        if (e2 >= dy) err += dy, p.x += sx;
        if (e2 <= dx) err += dx, p.y += sy;
    }
}

// The one-pixel outline of the ellipse that fills the rectangle (right and bottom
// exclusive), sorted by row and column, without repeats.
std::vector<TPoint> EllipseOutline(const TRect& bounds);

struct TSpan {
    int32_t y;
    int32_t left;
    int32_t right; // exclusive
};

// The rows of a filled ellipse: per row, the pixels from its outline's left pixel to its
// right pixel, both included.
std::vector<TSpan> EllipseSpans(const TRect& bounds);
// The pixels strictly inside the ellipse's one-pixel outline.
std::vector<TSpan> EllipseInteriorSpans(const TRect& bounds);

// The pixels whose centres lie inside the polygon by the even-odd rule.
std::vector<TSpan> PolygonSpans(std::span<const TPoint> points);

} // namespace tavrik::raster
