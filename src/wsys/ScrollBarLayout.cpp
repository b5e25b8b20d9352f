#include "wsys/ScrollBarLayout.h"

#include "core/Rounding.h"
#include "wsys/FrameMetrics.h"
#include "wsys/SystemInfo.h"
#include "wsys/WinConstants.h"

#include <algorithm>
#include <climits>

namespace tavrik {

int TScrollBarState::MaxPos() const
{
    int64_t last = int64_t(max) - std::max<int64_t>(int64_t(page) - 1, 0);
    return int(std::max<int64_t>(last, min));
}

int TScrollBarState::Clamp(int p) const { return std::clamp(p, min, MaxPos()); }

namespace {

// A rectangle from positions along the bar and the bar's extent across it.
TRect Segment(const TRect& bar, bool vertical, int from, int to)
{
    return vertical ? TRect{bar.Left, from, bar.Right, to} : TRect{from, bar.Top, to, bar.Bottom};
}

} // namespace

TScrollBarLayout LayoutScrollBar(const TRect& bar, bool vertical, const TScrollBarState& s, bool enabled)
{
    TScrollBarLayout l;
    l.vertical = vertical;
    l.bar = bar;
    int start = vertical ? bar.Top : bar.Left;
    int length = vertical ? bar.Height() : bar.Width();
    int thickness = vertical ? bar.Width() : bar.Height();
    int arrow = std::min(thickness, length / 2);
    l.lineUp = Segment(bar, vertical, start, start + arrow);
    l.lineDown = Segment(bar, vertical, start + length - arrow, start + length);
    l.track = Segment(bar, vertical, start + arrow, start + length - arrow);
    int trackLength = length - 2 * arrow;

    int range = s.max - s.min;
    if (s.page == 0) l.thumbLength = SystemMetric(vertical ? SM_CYVTHUMB : SM_CXHTHUMB);
    else if (range >= 0) l.thumbLength = std::max(MulDiv(trackLength, int(std::min<UINT>(s.page, INT_MAX)), range + 1), TScrollBarLayout::kMinThumbLength);
    bool arrowsOff = (s.disabledArrows & ESB_DISABLE_BOTH) == ESB_DISABLE_BOTH;
    if (!enabled || arrowsOff || s.Span() <= 0 || l.thumbLength > trackLength) return l;
    l.thumbLength = std::min(l.thumbLength, trackLength);
    int at = s.tracking ? s.trackPos : s.pos;
    int offset = MulDiv(trackLength - l.thumbLength, std::clamp(at, s.min, s.MaxPos()) - s.min, s.Span());
    int thumbStart = start + arrow + offset;
    l.thumb = Segment(bar, vertical, thumbStart, thumbStart + l.thumbLength);
    return l;
}

TScrollPart TScrollBarLayout::PartAt(TPoint p) const
{
    if (!bar.Contains(p)) return spNone;
    if (lineUp.Contains(p)) return spLineUp;
    if (lineDown.Contains(p)) return spLineDown;
    if (thumb.IsEmpty()) return spNone;
    if (thumb.Contains(p)) return spThumb;
    return Along(p) < ThumbStart() ? spPageUp : spPageDown;
}

int TScrollBarLayout::PosFromThumbStart(const TScrollBarState& s, int thumbStart) const
{
    int first = vertical ? track.Top : track.Left;
    int room = (vertical ? track.Height() : track.Width()) - thumbLength;
    if (room <= 0) return s.min;
    int offset = std::clamp(thumbStart - first, 0, room);
    return s.Clamp(s.min + MulDiv(offset, s.Span(), room));
}

TFrameScrollBars FrameScrollBars(DWORD style, DWORD exStyle, TSize windowSize, const TRect& client)
{
    TRect in = FrameInsets(style, exStyle);
    TRect inner{in.Left, in.Top, windowSize.cx - in.Right, windowSize.cy - in.Bottom};
    TFrameScrollBars bars;
    if (style & WS_VSCROLL) {
        int right = std::min(client.Right + SystemMetric(SM_CXVSCROLL), inner.Right);
        if (right > client.Right) bars.vertical = {client.Right, client.Top, right, client.Bottom};
    }
    if (style & WS_HSCROLL) {
        int bottom = std::min(client.Bottom + SystemMetric(SM_CYHSCROLL), inner.Bottom);
        if (bottom > client.Bottom) bars.horizontal = {client.Left, client.Bottom, client.Right, bottom};
    }
    if (!bars.vertical.IsEmpty() && !bars.horizontal.IsEmpty())
        bars.corner = {bars.vertical.Left, bars.horizontal.Top, bars.vertical.Right, bars.horizontal.Bottom};
    return bars;
}

} // namespace tavrik
