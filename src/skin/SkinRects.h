#pragma once

#include "core/Geometry.h"

namespace tavrik {

// Rectangle tests shared by the skinned elements. Unlike TRect::Contains, RectContainsPoint
// counts the right and bottom edges as inside: hit tests on skin points use it.

inline int RectWidth(const TRect& r) { return r.Right - r.Left; }
inline int RectHeight(const TRect& r) { return r.Bottom - r.Top; }
inline bool IsNullRect(const TRect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }
// A skin point with either coordinate 0 counts as not given.
inline bool IsNullPoint(TPoint p) { return p.x == 0 || p.y == 0; }

inline bool RectContainsPoint(const TRect& r, TPoint p)
{
    return p.x >= r.Left && p.x <= r.Right && p.y >= r.Top && p.y <= r.Bottom;
}

// Both corners of a in b with b's right and bottom excluded, so no rectangle lies inside itself.
inline bool RectInsideRect(const TRect& a, const TRect& b)
{
    return b.Contains(a.TopLeft()) && b.Contains(a.BottomRight());
}

} // namespace tavrik
