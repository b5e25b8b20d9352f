#pragma once

#include "wsys/ScrollBarLayout.h"
#include "wsys/WinTypes.h"

namespace tavrik {

class TWindowSystem;
struct TWindow;

// Internal to the window system: the scroll bars of windows (SB_HORZ, SB_VERT in the frame)
// and of scroll-bar controls (SB_CTL, the control's whole client area).

bool IsVerticalScrollBar(const TWindow* w, int bar);
// The bar's rectangle: window coordinates for a frame bar (empty while the style hides it),
// client coordinates for SB_CTL.
TRect ScrollBarArea(const TWindow* w, int bar);
TScrollBarLayout ScrollBarLayoutOf(const TWindow* w, int bar);
// Paints one bar now (the frame bars also paint the corner square between them).
void RedrawScrollBar(TWindowSystem& ws, TWindow* w, int bar);
void PaintFrameScrollBars(TWindowSystem& ws, TWindow* w);
void PaintScrollBar(TCanvas& canvas, const TScrollBarLayout& layout, const TScrollBarState& s, bool enabled);

// Sends a WM_HSCROLL/WM_VSCROLL request of the bar: to the window for a frame bar, to the
// control's parent (lParam the control) for SB_CTL.
void SendScrollRequest(TWindowSystem& ws, TWindow* w, int bar, int request, int pos = 0);

// The loop that follows the left button pressed on a bar until it is released: arrows and
// the track repeat their request while held, the thumb is dragged. Requests go as
// WM_HSCROLL/WM_VSCROLL to the window (frame bars) or to the control's parent (SB_CTL, lParam
// the control).
//
//   press on    | at once          | held (500 ms, then every 50 ms) | release
//   ------------+------------------+---------------------------------+------------------------
//   arrow       | SB_LINEUP/DOWN   | repeated while the pointer is   | SB_ENDSCROLL
//               |                  | on the arrow                    |
//   track       | SB_PAGEUP/DOWN   | repeated while the pointer is   | SB_ENDSCROLL
//               |                  | still before/after the thumb    |
//   thumb       | -                | SB_THUMBTRACK per position the  | SB_THUMBPOSITION,
//               |                  | pointer drags it to             | SB_ENDSCROLL
void TrackScrollBar(TWindowSystem& ws, TWindow* w, int bar, TPoint screen);


} // namespace tavrik
