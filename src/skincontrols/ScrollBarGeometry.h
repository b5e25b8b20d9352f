#pragma once

#include "core/Geometry.h"

#include <cstdint>

namespace tavrik {

// The range of a scroll bar. With a page size the position stops where the last page begins,
// Max - PageSize + 1; without one it runs to Max. Nothing keeps Min <= Max: a position is
// pulled below the upper end first and then above Min, so a reversed range holds only Min.
struct TbsScrollRange {
    int Min = 0;
    int Max = 100;
    int Position = 0;
    int PageSize = 0; // 0: the thumb keeps its own length

    // The highest position: Max, or Max - PageSize + 1 with a page size.
    int64_t Last() const;
    int Clamp(int64_t position) const;
};

// The parts of a scroll bar, in the order they are hit-tested.
enum TbsScrollPart : int { bspNone = -1, bspThumb = 0, bspIncrease = 1, bspDecrease = 2 };

// Where the parts of a scroll bar stand for its range and size. The description is that of a
// horizontal bar (decrease button left, increase button right); a vertical bar is the same
// with x and y, width and height swapped.
//
//   [<][ track .......[thumb]..................... ][>]
//        TrackStart ---- centre of the thumb ---- TrackEnd
//
// The thumb's centre stands at TrackStart + Offset, Offset the position's share of the way
// from TrackStart to TrackEnd, which lie half a thumb inside the track.
struct TbsScrollBarLayout {
    TRect Parts[3]; // by TbsScrollPart
    TRect Track;
    int TrackStart = 0;
    int TrackEnd = 0;
    int Offset = 0;

    const TRect& Thumb() const { return Parts[bspThumb]; }
    // The first part holding the point (rectangles without their right and bottom edges), or bspNone.
    TbsScrollPart PartAt(TPoint p) const;
    // Whether the point lies on the track before (or after) the thumb, along the bar.
    bool BeforeThumb(TPoint p, bool vertical) const;
    bool AfterThumb(TPoint p, bool vertical) const;
};

// What the layout is made of: the arrow buttons, the track and the size of the thumb as the
// skin (or the plain look) gives them, before the thumb is placed.
struct TbsScrollBarFrame {
    TRect Increase;
    TRect Decrease;
    TRect Track;
    TSize Thumb;  // the thumb's own size; its length grows with the page size
    bool Bound = false; // a skinned thumb is centred across the track, a plain one fills it
};

// The plain look of a bar of the given size: 17-pixel arrow buttons inside a one-pixel border
// and a 16 x 16 thumb. A horizontal bar that meets a vertical one (both) leaves the corner
// square of cornerWidth at its right end.
TbsScrollBarFrame PlainScrollBarFrame(TSize size, bool vertical, bool both, int cornerWidth);

TbsScrollBarLayout LayoutSkinScrollBar(const TbsScrollBarFrame& frame, bool vertical, const TbsScrollRange& range);

// The position for the thumb's centre at `offset` from TrackStart; offsets beyond either end
// give the first or the last position.
int ScrollPositionAt(int offset, const TbsScrollBarLayout& layout, const TbsScrollRange& range);

} // namespace tavrik
