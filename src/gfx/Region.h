#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrik {

// A set of pixels kept as a list of rectangles in canonical banded form:
//
//   band 0:  [====]   [==]        rectangles of one band share Top and Bottom,
//   band 1:  [=========]  [=]     are sorted by Left and neither overlap nor touch;
//   band 2:     [==]              bands are sorted by Top and do not overlap, and two
//                                 touching bands never hold the same x spans.
//
// The canonical form makes equal sets compare equal, lets point tests and clipping use
// binary search, and keeps the algebra linear in the number of rectangles.
class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& rect);
    // The union of any rectangles, in any order, overlapping or not; empty ones are ignored.
    static TRegion FromRects(std::span<const TRect> rects);

    bool IsEmpty() const { return rects_.empty(); }
    const std::vector<TRect>& Rects() const { return rects_; }
    size_t RectCount() const { return rects_.size(); }
    TRect BoundingBox() const { return bounds_; }

    bool Contains(TPoint p) const;
    // Whether every pixel of the rectangle belongs to the region (false for an empty rectangle).
    bool Contains(const TRect& rect) const;
    bool Intersects(const TRect& rect) const;

    // The rectangles that overlap the given one, already cut to it, in banded order.
    template <typename F>
    void ForEachClipped(const TRect& rect, F&& visit) const;

    TRegion Union(const TRegion& other) const;
    TRegion Intersect(const TRegion& other) const;
    TRegion Subtract(const TRegion& other) const;
    TRegion Xor(const TRegion& other) const;
    TRegion Intersect(const TRect& rect) const;
    TRegion Offset(int32_t dx, int32_t dy) const;

    TRegion operator|(const TRegion& o) const { return Union(o); }
    TRegion operator&(const TRegion& o) const { return Intersect(o); }
    TRegion operator-(const TRegion& o) const { return Subtract(o); }
    TRegion operator^(const TRegion& o) const { return Xor(o); }
    TRegion& operator|=(const TRegion& o) { return *this = Union(o); }
    TRegion& operator&=(const TRegion& o) { return *this = Intersect(o); }
    TRegion& operator-=(const TRegion& o) { return *this = Subtract(o); }
    TRegion& operator^=(const TRegion& o) { return *this = Xor(o); }

    // The region data block handed to window systems: a 32-byte header (header size 32,
    // kind 1, rectangle count, 0, bounding box) followed by 16 bytes per rectangle, all
    // little-endian 32-bit integers.
    std::vector<uint8_t> ToRegionData() const;
    // Reads such a block; the rectangles may come in any order. Nothing for a block that is
    // truncated or whose header does not describe a rectangle list.
    static std::optional<TRegion> FromRegionData(std::span<const uint8_t> data);

    friend bool operator==(const TRegion& a, const TRegion& b) { return a.rects_ == b.rects_; }

private:
    friend class TRegionBuilder;

    // Index of the first rectangle whose band ends below y.
    size_t FirstBandBelow(int32_t y) const;
    // One past the last rectangle of the band that starts at index i.
    size_t BandEnd(size_t i) const;
    void UpdateBounds();

    std::vector<TRect> rects_;
    TRect bounds_;
};

template <typename F>
void TRegion::ForEachClipped(const TRect& rect, F&& visit) const
{
    if (rect.IsEmpty() || rects_.empty()) return;
    if (rects_.size() == 1) {
        TRect r = IntersectRect(rects_[0], rect);
        if (!r.IsEmpty()) visit(r);
        return;
    }
    for (size_t i = FirstBandBelow(rect.Top); i < rects_.size() && rects_[i].Top < rect.Bottom; ++i) {
        const TRect& r = rects_[i];
        if (r.Right <= rect.Left || r.Left >= rect.Right) continue;
        visit(TRect{std::max(r.Left, rect.Left), std::max(r.Top, rect.Top), std::min(r.Right, rect.Right),
                    std::min(r.Bottom, rect.Bottom)});
    }
}

} // namespace tavrik
