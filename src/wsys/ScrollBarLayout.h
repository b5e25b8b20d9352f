#pragma once

#include "wsys/WinTypes.h"

namespace tavrik {

// The state of one scroll bar: a window's horizontal or vertical bar in its frame, or the bar
// of a scroll-bar control.
struct TScrollBarState {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    UINT disabledArrows = 0; // ESB_DISABLE_*

    // While the thumb is dragged it is drawn at trackPos, whatever the owner does with pos.
    bool tracking = false;
    int trackPos = 0;
    int pressedPart = 0; // a TScrollPart held down and drawn pressed (the pointer is on it)

    // The largest position: the last page starts there.
    int MaxPos() const;
    // The positions the thumb can take beyond the first; 0 when there is nothing to scroll.
    int Span() const { return MaxPos() - min; }
    int Clamp(int p) const;
};

enum TScrollPart : int { spNone = 0, spLineUp, spPageUp, spThumb, spPageDown, spLineDown };

// The parts of a bar drawn in a rectangle (any coordinates), for a thumb at `thumbPos`.
//
//   +---+-------------+=======+-----------------+---+
//   | < |   page up   | thumb |    page down    | > |
//   +---+-------------+=======+-----------------+---+
//   arrows as long as the bar is thick (half each when the bar is shorter than two of them);
//   the thumb SM_CXHTHUMB long, or as long as the page is of the range (at least
//   kMinThumbLength) when a page is set; no thumb when the bar is disabled, has nothing to
//   scroll or leaves no room for it.
struct TScrollBarLayout {
    static constexpr int kMinThumbLength = 8;

    bool vertical = false;
    TRect bar, lineUp, lineDown, track, thumb; // thumb empty: none
    int thumbLength = 0;

    TScrollPart PartAt(TPoint p) const;
    // The position that puts the thumb's leading edge at `thumbStart` (along the bar).
    int PosFromThumbStart(const TScrollBarState& s, int thumbStart) const;
    int Along(TPoint p) const { return vertical ? p.y : p.x; }
    int ThumbStart() const { return vertical ? thumb.Top : thumb.Left; }
};

TScrollBarLayout LayoutScrollBar(const TRect& bar, bool vertical, const TScrollBarState& s, bool enabled);

// The bars of a window's frame, in window coordinates, placed along the client area's right
// and bottom edges inside the frame. Empty rectangles for bars the styles do not show.
struct TFrameScrollBars {
    TRect vertical, horizontal, corner;
};
TFrameScrollBars FrameScrollBars(DWORD style, DWORD exStyle, TSize windowSize, const TRect& client);

} // namespace tavrik
