#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "wsys/FrameMetrics.h"
#include "wsys/Painter.h"
#include "wsys/ScrollBars.h"
#include "wsys/WinConstants.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

namespace {

void Fill(TCanvas& c, const TRect& r, TColor color)
{
    c.Brush().Color = color;
    c.FillRect(r);
}

void Edge(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight)
{
    Fill(c, {r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
    Fill(c, {r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
    Fill(c, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    Fill(c, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}

// A raised button face, or a flat one in its shadow frame while pressed.
void ButtonFace(TCanvas& c, const TRect& r, bool pressed)
{
    if (r.IsEmpty()) return;
    Fill(c, r, clBtnFace);
    if (pressed) {
        Edge(c, r, clBtnShadow, clBtnShadow);
        return;
    }
    Edge(c, r, cl3DLight, cl3DDkShadow);
    if (r.Width() > 2 && r.Height() > 2) Edge(c, r.Inflate(-1, -1), clBtnHighlight, clBtnShadow);
}

enum class TArrow { Up, Down, Left, Right };

// A filled triangle pointing `dir`, its rows (or columns) 2n-1, 2n-3, ..., 1 pixels long.
void Triangle(TCanvas& c, const TRect& r, TArrow dir, TPoint shift, TColor color)
{
    int n = std::max(1, (std::min(r.Width(), r.Height()) - 4) / 3);
    int cx = r.Left + r.Width() / 2 + shift.x, cy = r.Top + r.Height() / 2 + shift.y;
    c.Brush().Color = color;
    for (int k = 0; k < n; ++k) {
        int half = (dir == TArrow::Up || dir == TArrow::Left) ? k : n - 1 - k;
        int line = (dir == TArrow::Up || dir == TArrow::Down) ? cy - n / 2 + k : cx - n / 2 + k;
        if (dir == TArrow::Up || dir == TArrow::Down) c.FillRect({cx - half, line, cx + half + 1, line + 1});
        else c.FillRect({line, cy - half, line + 1, cy + half + 1});
    }
}

void ArrowButton(TCanvas& c, const TRect& r, TArrow dir, bool pressed, bool enabled)
{
    if (r.IsEmpty()) return;
    ButtonFace(c, r, pressed);
    TPoint shift = pressed ? TPoint{1, 1} : TPoint{0, 0};
    if (enabled) {
        Triangle(c, r, dir, shift, clBtnText);
    } else {
        Triangle(c, r, dir, {1, 1}, clBtnHighlight); // engraved, as disabled glyphs look
        Triangle(c, r, dir, {0, 0}, clBtnShadow);
    }
}

TRect Between(const TScrollBarLayout& l, int from, int to)
{
    return l.vertical ? TRect{l.track.Left, from, l.track.Right, to} : TRect{from, l.track.Top, to, l.track.Bottom};
}

} // namespace

void PaintScrollBar(TCanvas& c, const TScrollBarLayout& l, const TScrollBarState& s, bool enabled)
{
    bool scrollable = enabled && s.Span() > 0;
    bool upOn = scrollable && !(s.disabledArrows & ESB_DISABLE_LTUP);
    bool downOn = scrollable && !(s.disabledArrows & ESB_DISABLE_RTDN);
    ArrowButton(c, l.lineUp, l.vertical ? TArrow::Up : TArrow::Left, s.pressedPart == spLineUp, upOn);
    ArrowButton(c, l.lineDown, l.vertical ? TArrow::Down : TArrow::Right, s.pressedPart == spLineDown, downOn);
    Fill(c, l.track, clScrollBar);
    if (l.thumb.IsEmpty()) return;
    int trackStart = l.vertical ? l.track.Top : l.track.Left;
    int trackEnd = l.vertical ? l.track.Bottom : l.track.Right;
    int thumbEnd = l.vertical ? l.thumb.Bottom : l.thumb.Right;
    if (s.pressedPart == spPageUp) Fill(c, Between(l, trackStart, l.ThumbStart()), cl3DDkShadow);
    if (s.pressedPart == spPageDown) Fill(c, Between(l, thumbEnd, trackEnd), cl3DDkShadow);
    ButtonFace(c, l.thumb, false);
}

bool IsVerticalScrollBar(const TWindow* w, int bar)
{
    return bar == SB_VERT || (bar == SB_CTL && (w->style & SBS_VERT));
}

TRect ScrollBarArea(const TWindow* w, int bar)
{
    if (bar == SB_CTL) return Bounds(0, 0, w->client.Width(), w->client.Height());
    TFrameScrollBars bars = FrameScrollBars(w->style, w->exStyle, {w->Width(), w->Height()}, w->client);
    return bar == SB_VERT ? bars.vertical : bars.horizontal;
}

TScrollBarLayout ScrollBarLayoutOf(const TWindow* w, int bar)
{
    return LayoutScrollBar(ScrollBarArea(w, bar), IsVerticalScrollBar(w, bar), w->scrollBars[bar],
                           TWindowSystem::IsEnabled(w));
}

void RedrawScrollBar(TWindowSystem& ws, TWindow* w, int bar)
{
    if (!TWindowSystem::IsVisible(w)) return;
    TRect area = ScrollBarArea(w, bar);
    if (area.IsEmpty()) return;
    HDC dc = ws.Painter().GetDC(w, bar != SB_CTL);
    if (!dc) return;
    PaintScrollBar(*dc, ScrollBarLayoutOf(w, bar), w->scrollBars[bar], TWindowSystem::IsEnabled(w));
    ws.Painter().ReleaseDC(dc);
}

void PaintFrameScrollBars(TWindowSystem& ws, TWindow* w)
{
    if (!(w->style & (WS_VSCROLL | WS_HSCROLL))) return;
    RedrawScrollBar(ws, w, SB_VERT);
    RedrawScrollBar(ws, w, SB_HORZ);
    TRect corner = FrameScrollBars(w->style, w->exStyle, {w->Width(), w->Height()}, w->client).corner;
    if (corner.IsEmpty() || !TWindowSystem::IsVisible(w)) return;
    HDC dc = ws.Painter().GetDC(w, true);
    if (!dc) return;
    Fill(*dc, corner, clBtnFace);
    ws.Painter().ReleaseDC(dc);
}

} // namespace tavrik
