#pragma once

#include <algorithm>
#include <cstdint>

namespace tavrik {

struct TPoint {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int32_t cx = 0;
    int32_t cy = 0;

    friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive: a rectangle (0, 0, 2, 2) covers four pixels.
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const { return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom; }
    bool Contains(const TRect& r) const
    {
        return r.Left >= Left && r.Top >= Top && r.Right <= Right && r.Bottom <= Bottom;
    }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }

    TRect Offset(int32_t dx, int32_t dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    TRect Inflate(int32_t dx, int32_t dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }

    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int32_t x, int32_t y) { return {x, y}; }
inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return {left, top, left + width, top + height};
}

// The common part of two rectangles; an empty result is normalised to (0, 0, 0, 0).
inline TRect IntersectRect(const TRect& a, const TRect& b)
{
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

// The smallest rectangle holding both; an empty operand does not count.
inline TRect UnionRect(const TRect& a, const TRect& b)
{
    if (a.IsEmpty()) return b.IsEmpty() ? TRect{} : b;
    if (b.IsEmpty()) return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
            std::max(a.Bottom, b.Bottom)};
}

inline bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }

} // namespace tavrik
