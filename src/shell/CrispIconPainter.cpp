#include "shell/CrispIconPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavrik {

namespace {

uint8_t Mix(uint8_t a, uint8_t b, double t) { return uint8_t(std::lround(a + (b - a) * t)); }

TColor Blend(TColor a, TColor b, double t)
{
    return RGB(Mix(GetRValue(a), GetRValue(b), t), Mix(GetGValue(a), GetGValue(b), t),
               Mix(GetBValue(a), GetBValue(b), t));
}

struct TPixelSpan {
    int first, last; // inclusive
};

// The pixels [Scaled(v0), Scaled(v1)) of a design interval, at least one when v1 > v0.
TPixelSpan ScaledSpan(int v0, int v1, int size)
{
    int first = v0 * size / TCrispIconPainter::kDesignSize;
    int end = v1 * size / TCrispIconPainter::kDesignSize;
    if (v1 > v0 && end <= first) end = first + 1;
    return {std::max(first, 0), std::min(end, size) - 1};
}

} // namespace

TCrispIconPainter::TCrispIconPainter(TBitmap& bitmap)
    : bitmap_(bitmap), size_(std::min(bitmap.Width(), bitmap.Height()))
{
}

int TCrispIconPainter::Scaled(double designUnits) const { return int(std::floor(designUnits * size_ / kDesignSize)); }

bool TCrispIconPainter::TShape::Inside(int x, int y) const
{
    return x >= 0 && y >= 0 && x < size_ && y < size_ && inside_[size_t(y) * size_ + x];
}

TCrispIconPainter::TShape& TCrispIconPainter::TShape::AddRect(int x0, int y0, int x1, int y1)
{
    TPixelSpan xs = ScaledSpan(x0, x1, size_), ys = ScaledSpan(y0, y1, size_);
    for (int y = ys.first; y <= ys.last; ++y)
        for (int x = xs.first; x <= xs.last; ++x) inside_[size_t(y) * size_ + x] = true;
    return *this;
}

TCrispIconPainter::TShape& TCrispIconPainter::TShape::AddPolygon(std::initializer_list<TDesignPoint> points)
{
    std::vector<TDesignPoint> p(points);
    double scale = double(size_) / kDesignSize;
    for (int y = 0; y < size_; ++y) {
        double cy = (y + 0.5) / scale;
        std::vector<double> crossings;
        for (size_t i = 0; i < p.size(); ++i) {
            TDesignPoint a = p[i], b = p[(i + 1) % p.size()];
            if ((a.y <= cy) == (b.y <= cy)) continue;
            crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = 0; x < size_; ++x) {
                double cx = (x + 0.5) / scale;
                if (cx >= crossings[i] && cx < crossings[i + 1]) inside_[size_t(y) * size_ + x] = true;
            }
    }
    return *this;
}

void TCrispIconPainter::Paint(const TShape& shape, TColor top, TColor bottom, TColor outline)
{
    int minY = size_, maxY = -1;
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_; ++x)
            if (shape.Inside(x, y)) minY = std::min(minY, y), maxY = std::max(maxY, y);
    for (int y = minY; y <= maxY; ++y) {
        TColor fill = maxY > minY ? Blend(top, bottom, double(y - minY) / (maxY - minY)) : top;
        for (int x = 0; x < size_; ++x) {
            if (!shape.Inside(x, y)) continue;
            bool edge = !shape.Inside(x - 1, y) || !shape.Inside(x + 1, y) || !shape.Inside(x, y - 1) ||
                        !shape.Inside(x, y + 1);
            bitmap_.SetPixel(x, y, edge && outline != clNone ? outline : fill);
        }
    }
}

void TCrispIconPainter::FillRect(int x0, int y0, int x1, int y1, TColor color)
{
    TPixelSpan xs = ScaledSpan(x0, x1, size_), ys = ScaledSpan(y0, y1, size_);
    for (int y = ys.first; y <= ys.last; ++y)
        for (int x = xs.first; x <= xs.last; ++x) bitmap_.SetPixel(x, y, color);
}

void TCrispIconPainter::Line(int x0, int y0, int x1, int y1, TColor color)
{
    int ax = Scaled(x0), ay = Scaled(y0), bx = Scaled(x1), by = Scaled(y1);
    int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        bitmap_.SetPixel(ax, ay, color);
        if (ax == bx && ay == by) break;
        int twice = 2 * error;
        if (twice >= dy) error += dy, ax += sx;
        if (twice <= dx) error += dx, ay += sy;
    }
}

} // namespace tavrik
