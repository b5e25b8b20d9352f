#pragma once

#include "gfx/Bitmap.h"

#include <initializer_list>
#include <vector>

namespace tavrik {

// Draws flat, outlined artwork into a square bitmap. Coordinates are given on a 32 x 32
// design grid and scaled to the bitmap, so one drawing serves 16 and 32 pixel icons; outlines
// and lines stay one pixel wide at every size, which keeps small icons crisp.
//
// A shape is collected in a mask first and painted in one go: pixels of the mask with a
// neighbour outside it become the outline, the rest the fill. Rectangles are [x0, x1) x
// [y0, y1) in design units and never vanish: a rectangle of positive size keeps at least one
// pixel after scaling.
class TCrispIconPainter {
public:
    static constexpr int kDesignSize = 32;

    struct TDesignPoint {
        double x, y;
    };

    class TShape {
    public:
        TShape& AddRect(int x0, int y0, int x1, int y1);
        // Fills the pixels whose centres lie inside the polygon (even-odd rule).
        TShape& AddPolygon(std::initializer_list<TDesignPoint> points);

    private:
        friend class TCrispIconPainter;
        explicit TShape(int size) : size_(size), inside_(size_t(size) * size, false) {}
        bool Inside(int x, int y) const;
        int size_;
        std::vector<bool> inside_;
    };

    explicit TCrispIconPainter(TBitmap& bitmap);

    TShape NewShape() const { return TShape(size_); }
    // Fill shaded from top to bottom over the shape's height; outline clNone draws none.
    void Paint(const TShape& shape, TColor top, TColor bottom, TColor outline);
    void Paint(const TShape& shape, TColor fill, TColor outline) { Paint(shape, fill, fill, outline); }
    void FillRect(int x0, int y0, int x1, int y1, TColor color);
    void Line(int x0, int y0, int x1, int y1, TColor color);

    int Scaled(double designUnits) const;

private:
    TBitmap& bitmap_;
    int size_;
};

} // namespace tavrik
