#include "skincontrols/ScrollBarGeometry.h"

#include "core/Rounding.h"

#include <algorithm>

namespace tavrik {

namespace {

TRect Transposed(const TRect& r) { return {r.Top, r.Left, r.Bottom, r.Right}; }
TSize Transposed(TSize s) { return {s.cy, s.cx}; }

TbsScrollBarFrame Transposed(const TbsScrollBarFrame& f)
{
    return {Transposed(f.Increase), Transposed(f.Decrease), Transposed(f.Track), Transposed(f.Thumb), f.Bound};
}

TbsScrollBarLayout Transposed(const TbsScrollBarLayout& l)
{
    TbsScrollBarLayout t = l;
    for (TRect& part : t.Parts) part = Transposed(part);
    t.Track = Transposed(l.Track);
    return t;
}

// The thumb's share of the way along the track, 0 to 1.
double ThumbShare(const TbsScrollRange& range, bool vertical)
{
    double share;
    if (range.PageSize == 0) {
        share = range.Max == range.Min ? 0.0 : (double(range.Position) - range.Min) / (double(range.Max) - range.Min);
    } else {
        // A page at least as large as the range shows all of it: the thumb rests at the end a
        // horizontal bar scrolls toward, at the top of a vertical one.
        double way = double(range.Max) - range.PageSize + 1 - range.Min;
        share = way > 0 ? (double(range.Position) - range.Min) / way : vertical ? 0.0 : 1.0;
    }
    return std::clamp(share, 0.0, 1.0);
}

int ThumbLength(const TbsScrollBarFrame& frame, const TbsScrollRange& range)
{
    if (range.PageSize == 0) return frame.Thumb.cx;
    const double values = double(range.Max) - range.Min + 1;
    const int track = frame.Track.Width();
    int64_t length = values == 0 ? 0 : Round(track * double(range.PageSize) / values);
    // Never longer than its track, where a page larger than the range would take it.
    length = std::min<int64_t>(length, track);
    return int(std::max<int64_t>(length, frame.Thumb.cx));
}

TbsScrollBarLayout LayoutHorizontal(const TbsScrollBarFrame& frame, bool vertical, const TbsScrollRange& range)
{
    TbsScrollBarLayout layout;
    layout.Track = frame.Track;
    layout.Parts[bspIncrease] = frame.Increase;
    layout.Parts[bspDecrease] = frame.Decrease;
    const int half = ThumbLength(frame, range) / 2;
    layout.TrackStart = frame.Track.Left + half;
    layout.TrackEnd = frame.Track.Right - half;
    layout.Offset = int(Round((layout.TrackEnd - layout.TrackStart) * ThumbShare(range, vertical)));
    const int centre = layout.TrackStart + layout.Offset;
    if (frame.Bound) {
        const int top = frame.Track.Top + frame.Track.Height() / 2 - frame.Thumb.cy / 2;
        layout.Parts[bspThumb] = {centre - half, top, centre + half, top + frame.Thumb.cy};
    } else {
        layout.Parts[bspThumb] = {centre - half, frame.Track.Top, centre + half, frame.Track.Bottom};
    }
    return layout;
}

} // namespace

int64_t TbsScrollRange::Last() const { return PageSize == 0 ? Max : int64_t(Max) - PageSize + 1; }

int TbsScrollRange::Clamp(int64_t position) const { return int(std::max<int64_t>(Min, std::min(position, Last()))); }

TbsScrollPart TbsScrollBarLayout::PartAt(TPoint p) const
{
    for (int part = bspThumb; part <= bspDecrease; ++part)
        if (Parts[part].Contains(p)) return TbsScrollPart(part);
    return bspNone;
}

bool TbsScrollBarLayout::BeforeThumb(TPoint p, bool vertical) const { return (vertical ? p.y < Thumb().Top : p.x < Thumb().Left); }

bool TbsScrollBarLayout::AfterThumb(TPoint p, bool vertical) const
{
    return vertical ? p.y >= Thumb().Bottom : p.x >= Thumb().Right;
}

TbsScrollBarFrame PlainScrollBarFrame(TSize size, bool vertical, bool both, int cornerWidth)
{
    if (vertical) return Transposed(PlainScrollBarFrame(Transposed(size), false, false, 0));
    const int w = both ? size.cx - cornerWidth : size.cx;
    const int h = size.cy;
    return {{w - 17, 1, w - 1, h - 1}, {1, 1, 17, h - 1}, {17, 1, w - 17, h - 1}, {16, 16}, false};
}

TbsScrollBarLayout LayoutSkinScrollBar(const TbsScrollBarFrame& frame, bool vertical, const TbsScrollRange& range)
{
    if (vertical) return Transposed(LayoutHorizontal(Transposed(frame), true, range));
    return LayoutHorizontal(frame, false, range);
}

int ScrollPositionAt(int offset, const TbsScrollBarLayout& layout, const TbsScrollRange& range)
{
    const int way = layout.TrackEnd - layout.TrackStart;
    const double share = way > 0 ? std::clamp(double(offset) / way, 0.0, 1.0) : 0.0;
    const double values = range.PageSize == 0 ? double(range.Max) - range.Min
                                               : double(range.Max) - range.Min - range.PageSize + 1;
    return range.Clamp(range.Min + Round(values * share));
}

} // namespace tavrik
