#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "gfx/Bitmap.h"

#include <functional>
#include <vector>

namespace tavrik::skingen {

struct TPointF {
    float x = 0;
    float y = 0;
};

// A box in pixel space: the pixel (x, y) covers [x, x + 1) x [y, y + 1).
struct TBoxF {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;

    static TBoxF Of(const TRect& r) { return {float(r.Left), float(r.Top), float(r.Right), float(r.Bottom)}; }
    TBoxF Inset(float d) const { return {left + d, top + d, right - d, bottom - d}; }
    float Width() const { return right - left; }
    float Height() const { return bottom - top; }
    float CenterX() const { return (left + right) / 2; }
    float CenterY() const { return (top + bottom) / 2; }
};

// What a shape is filled with: a flat colour or a vertical gradient from top to bottom.
struct TFill {
    TColor top = clBlack;
    TColor bottom = clBlack;
    float y0 = 0;
    float y1 = 0;

    static TFill Solid(TColor c) { return {c, c, 0, 1}; }
    static TFill Vertical(TColor top, TColor bottom, float y0, float y1) { return {top, bottom, y0, y1}; }
};

// A floating-point RGB canvas with anti-aliased shapes, enough to draw skin artwork: rounded
// boxes, frames, thick lines with round caps, circles and polygons. Coverage comes from the
// signed distance at the pixel centre, which gives one pixel of smooth edge.
class TPainter {
public:
    TPainter(int width, int height, TColor background);

    int Width() const { return width_; }
    int Height() const { return height_; }

    void FillRect(const TRect& r, TColor c);
    void FillRect(const TRect& r, const TFill& fill);
    void RoundBox(const TBoxF& box, float radius, const TFill& fill, float alpha = 1);
    // A frame of the given width inside the box's edge.
    void RoundFrame(const TBoxF& box, float radius, float width, TColor c, float alpha = 1);
    void Line(TPointF a, TPointF b, float width, TColor c, float alpha = 1);
    void Polyline(const std::vector<TPointF>& points, float width, TColor c);
    void Circle(TPointF centre, float radius, TColor c, float alpha = 1);
    void Ring(TPointF centre, float radius, float width, TColor c);
    void Polygon(const std::vector<TPointF>& points, TColor c);
    // Covers one whole pixel with the colour at the given strength.
    void Plot(int x, int y, TColor c, float alpha = 1) { Cover(x, y, alpha, c); }
    // Copies a part of another canvas here, pixel for pixel.
    void Copy(const TPainter& source, const TRect& from, TPoint to);

    TColor Pixel(int x, int y) const;
    TBitmap ToBitmap() const; // 24-bit

private:
    struct TRgb {
        float r, g, b;
    };
    void Cover(int x, int y, float coverage, TColor c);
    void CoverShape(const TBoxF& bounds, const std::function<float(float, float)>& coverage,
                    const std::function<TColor(float, float)>& colour);
    static TColor FillColour(const TFill& fill, float y);

    int width_;
    int height_;
    std::vector<TRgb> pixels_;
};

TColor Blend(TColor a, TColor b, float t); // t = 0 gives a

} // namespace tavrik::skingen
