#include "gfx/SmoothIconPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrik {

namespace {

double Dot(TVec2 a, TVec2 b) { return a.x * b.x + a.y * b.y; }
TVec2 Sub(TVec2 a, TVec2 b) { return {a.x - b.x, a.y - b.y}; }
double Length(TVec2 v) { return std::sqrt(Dot(v, v)); }

double SegmentDistance(TVec2 p, TVec2 a, TVec2 b)
{
    TVec2 pa = Sub(p, a), ba = Sub(b, a);
    double len2 = Dot(ba, ba);
    double h = len2 > 0 ? std::clamp(Dot(pa, ba) / len2, 0.0, 1.0) : 0.0;
    return Length({pa.x - ba.x * h, pa.y - ba.y * h});
}

} // namespace

namespace shapes {

TDistanceShape Circle(TVec2 centre, double radius)
{
    return [=](TVec2 p) { return Length(Sub(p, centre)) - radius; };
}

TDistanceShape Capsule(TVec2 a, TVec2 b, double halfWidth)
{
    return [=](TVec2 p) { return SegmentDistance(p, a, b) - halfWidth; };
}

TDistanceShape RoundedBox(TVec2 topLeft, TVec2 bottomRight, double radius)
{
    TVec2 centre{(topLeft.x + bottomRight.x) / 2, (topLeft.y + bottomRight.y) / 2};
    TVec2 half{(bottomRight.x - topLeft.x) / 2, (bottomRight.y - topLeft.y) / 2};
    return [=](TVec2 p) {
        TVec2 q{std::abs(p.x - centre.x) - half.x + radius, std::abs(p.y - centre.y) - half.y + radius};
        return Length({std::max(q.x, 0.0), std::max(q.y, 0.0)}) + std::min(std::max(q.x, q.y), 0.0) - radius;
    };
}

TDistanceShape Polygon(std::vector<TVec2> points, double radius)
{
    return [points = std::move(points), radius](TVec2 p) {
        double distance = 1e30;
        bool inside = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            distance = std::min(distance, SegmentDistance(p, points[i], points[j]));
            const TVec2 &a = points[i], &b = points[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
        }
        return (inside ? -distance : distance) - radius;
    };
}

TDistanceShape Arc(TVec2 centre, double radius, double from, double to, double halfWidth)
{
    TVec2 start{centre.x + radius * std::cos(from), centre.y - radius * std::sin(from)};
    TVec2 end{centre.x + radius * std::cos(to), centre.y - radius * std::sin(to)};
    return [=](TVec2 p) {
        TVec2 d = Sub(p, centre);
        double angle = std::atan2(-d.y, d.x);
        double sweep = std::fmod(to - from + 4 * std::numbers::pi, 2 * std::numbers::pi);
        double along = std::fmod(angle - from + 4 * std::numbers::pi, 2 * std::numbers::pi);
        double distance = along <= sweep ? std::abs(Length(d) - radius)
                                         : std::min(Length(Sub(p, start)), Length(Sub(p, end)));
        return distance - halfWidth;
    };
}

TDistanceShape Union(std::vector<TDistanceShape> parts)
{
    return [parts = std::move(parts)](TVec2 p) {
        double d = 1e30;
        for (const TDistanceShape& s : parts) d = std::min(d, s(p));
        return d;
    };
}

TDistanceShape Intersection(TDistanceShape a, TDistanceShape b)
{
    return [a = std::move(a), b = std::move(b)](TVec2 p) { return std::max(a(p), b(p)); };
}

} // namespace shapes

TSmoothIconPainter::TSmoothIconPainter(int size) : size_(size), pixels_(size_t(size) * size_t(size)) {}

void TSmoothIconPainter::Fill(const TDistanceShape& shape, TColor top, TColor bottom, double y0, double y1,
                              double opacity)
{
    for (int y = 0; y < size_; ++y) {
        double t = y1 > y0 ? std::clamp((y + 0.5 - y0) / (y1 - y0), 0.0, 1.0) : 0.0;
        auto channel = [t](uint8_t a, uint8_t b) { return (a + (b - a) * t) / 255.0; };
        double r = channel(GetRValue(top), GetRValue(bottom)), g = channel(GetGValue(top), GetGValue(bottom)),
               b = channel(GetBValue(top), GetBValue(bottom));
        for (int x = 0; x < size_; ++x) {
            double coverage = std::clamp(0.5 - shape({x + 0.5, y + 0.5}), 0.0, 1.0) * opacity;
            if (coverage <= 0) continue;
            TPixel& p = pixels_[size_t(y) * size_t(size_) + size_t(x)];
            p.r = r * coverage + p.r * (1 - coverage);
            p.g = g * coverage + p.g * (1 - coverage);
            p.b = b * coverage + p.b * (1 - coverage);
            p.a = coverage + p.a * (1 - coverage);
        }
    }
}

TBitmap TSmoothIconPainter::ToBitmap() const
{
    TBitmap bitmap(size_, size_, TPixelFormat::pf32bit);
    for (int y = 0; y < size_; ++y) {
        uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < size_; ++x) {
            const TPixel& p = pixels_[size_t(y) * size_t(size_) + size_t(x)];
            auto straight = [&](double v) { return uint8_t(std::lround(p.a > 0 ? std::clamp(v / p.a, 0.0, 1.0) * 255 : 0)); };
            row[4 * x] = straight(p.b);
            row[4 * x + 1] = straight(p.g);
            row[4 * x + 2] = straight(p.r);
            row[4 * x + 3] = uint8_t(std::lround(std::clamp(p.a, 0.0, 1.0) * 255));
        }
    }
    return bitmap;
}

} // namespace tavrik
