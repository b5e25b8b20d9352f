#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace tavrik {

struct TVec2 {
    double x = 0;
    double y = 0;
};

// A shape as a signed distance in pixels: negative inside, positive outside.
using TDistanceShape = std::function<double(TVec2)>;

namespace shapes {
TDistanceShape Circle(TVec2 centre, double radius);
// A stroke of the given half width around the segment from a to b, with round ends.
TDistanceShape Capsule(TVec2 a, TVec2 b, double halfWidth);
TDistanceShape RoundedBox(TVec2 topLeft, TVec2 bottomRight, double radius);
// The polygon (any winding), grown by radius, which rounds its corners.
TDistanceShape Polygon(std::vector<TVec2> points, double radius = 0);
// A stroke along the circle arc from angle `from` to angle `to` (radians, counter-clockwise
// on screen, 0 pointing right), with round ends.
TDistanceShape Arc(TVec2 centre, double radius, double from, double to, double halfWidth);
TDistanceShape Union(std::vector<TDistanceShape> parts);
TDistanceShape Intersection(TDistanceShape a, TDistanceShape b);
} // namespace shapes

// Paints anti-aliased flat artwork: each layer covers a pixel by the shape's distance at its
// centre, which gives smooth one-pixel edges at any size.
class TSmoothIconPainter {
public:
    explicit TSmoothIconPainter(int size);

    int Size() const { return size_; }
    // A colour that runs from `top` at y0 to `bottom` at y1.
    void Fill(const TDistanceShape& shape, TColor top, TColor bottom, double y0, double y1, double opacity = 1);
    void Fill(const TDistanceShape& shape, TColor color, double opacity = 1)
    {
        Fill(shape, color, color, 0, 1, opacity);
    }

    // A 32-bit bitmap with straight alpha in the fourth byte.
    TBitmap ToBitmap() const;

private:
    struct TPixel {
        double r = 0, g = 0, b = 0, a = 0; // premultiplied
    };
    int size_;
    std::vector<TPixel> pixels_;
};

} // namespace tavrik
