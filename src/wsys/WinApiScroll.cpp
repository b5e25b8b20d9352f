#include "wsys/Painter.h"
#include "wsys/ScrollBars.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

namespace {

TWindowSystem& Ws() { return TWindowSystem::Current(); }

TScrollBarState* BarOf(TWindow* w, int bar)
{
    if (!w || bar < SB_HORZ || bar > SB_CTL) return nullptr;
    return &w->scrollBars[bar];
}

DWORD StyleOf(int bar) { return bar == SB_VERT ? WS_VSCROLL : bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL | WS_HSCROLL; }

// A frame bar shows while it has something to scroll; with SIF_DISABLENOSCROLL it stays and
// is disabled instead. A control only changes its enabled look.
void FollowRange(HWND hwnd, TScrollBarState& s, int bar, UINT mask)
{
    bool scrollable = s.Span() > 0;
    if (mask & SIF_DISABLENOSCROLL) {
        s.disabledArrows = scrollable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
        if (bar != SB_CTL) ShowScrollBar(hwnd, bar, true);
    } else if (bar != SB_CTL) {
        ShowScrollBar(hwnd, bar, scrollable);
    }
}

} // namespace

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, bool redraw)
{
    TWindow* w = Ws().Find(hwnd);
    TScrollBarState* s = BarOf(w, bar);
    if (!s || !info) return 0;
    if (info->fMask & SIF_RANGE) {
        s->min = info->nMin;
        s->max = std::max(info->nMax, info->nMin);
    }
    if (info->fMask & SIF_PAGE) s->page = info->nPage;
    // A page larger than the whole range means the whole range.
    s->page = UINT(std::min<int64_t>(s->page, int64_t(s->max) - s->min + 1));
    if (info->fMask & SIF_POS) s->pos = info->nPos;
    s->pos = s->Clamp(s->pos);
    int pos = s->pos;
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) FollowRange(hwnd, *s, bar, info->fMask);
    if (redraw && (w = Ws().Find(hwnd))) RedrawScrollBar(Ws(), w, bar);
    return pos;
}

bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info)
{
    TScrollBarState* s = BarOf(Ws().Find(hwnd), bar);
    if (!s || !info) return false;
    if (info->fMask & SIF_RANGE) info->nMin = s->min, info->nMax = s->max;
    if (info->fMask & SIF_PAGE) info->nPage = s->page;
    if (info->fMask & SIF_POS) info->nPos = s->pos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s->tracking ? s->trackPos : s->pos;
    return true;
}

int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw)
{
    TScrollBarState* s = BarOf(Ws().Find(hwnd), bar);
    if (!s) return 0;
    int old = s->pos;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, pos, 0};
    SetScrollInfo(hwnd, bar, &info, redraw);
    return old;
}

int GetScrollPos(HWND hwnd, int bar)
{
    TScrollBarState* s = BarOf(Ws().Find(hwnd), bar);
    return s ? s->pos : 0;
}

bool SetScrollRange(HWND hwnd, int bar, int min, int max, bool redraw)
{
    if (!BarOf(Ws().Find(hwnd), bar)) return false;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE, min, max, 0, 0, 0};
    SetScrollInfo(hwnd, bar, &info, redraw);
    return true;
}

bool GetScrollRange(HWND hwnd, int bar, int* min, int* max)
{
    TScrollBarState* s = BarOf(Ws().Find(hwnd), bar);
    if (!s) return false;
    if (min) *min = s->min;
    if (max) *max = s->max;
    return true;
}

bool ShowScrollBar(HWND hwnd, int bar, bool show)
{
    TWindow* w = Ws().Find(hwnd);
    if (!w) return false;
    if (bar == SB_CTL) {
        ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
        return true;
    }
    if (bar < SB_HORZ || bar > SB_BOTH) return false;
    DWORD style = show ? (w->style | StyleOf(bar)) : (w->style & ~StyleOf(bar));
    if (style == w->style) return true;
    w->style = style;
    Ws().SetWindowPos(w, nullptr, 0, 0, 0, 0,
                      SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if ((w = Ws().Find(hwnd))) Ws().Painter().Redraw(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return true;
}

bool EnableScrollBar(HWND hwnd, int bar, UINT arrows)
{
    TWindow* w = Ws().Find(hwnd);
    if (!w || bar < SB_HORZ || bar > SB_BOTH) return false;
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT, SB_CTL}) {
        if (b != bar && !(bar == SB_BOTH && b != SB_CTL)) continue;
        TScrollBarState& s = w->scrollBars[b];
        if (s.disabledArrows == (arrows & ESB_DISABLE_BOTH)) continue;
        s.disabledArrows = arrows & ESB_DISABLE_BOTH;
        changed = true;
        RedrawScrollBar(Ws(), w, b);
    }
    return changed;
}

bool GetScrollBarInfo(HWND hwnd, LONG_PTR object, SCROLLBARINFO* info)
{
    TWindow* w = Ws().Find(hwnd);
    int bar = object == OBJID_HSCROLL ? SB_HORZ : object == OBJID_VSCROLL ? SB_VERT : object == OBJID_CLIENT ? SB_CTL : -1;
    if (!w || bar < 0 || !info) return false;
    const TScrollBarState& s = w->scrollBars[bar];
    TScrollBarLayout l = ScrollBarLayoutOf(w, bar);
    TPoint o = bar == SB_CTL ? TWindowSystem::ClientScreenOrigin(w) : TWindowSystem::WindowScreenOrigin(w);
    *info = SCROLLBARINFO{};
    info->rcScrollBar = l.bar.Offset(o.x, o.y);
    int start = l.vertical ? l.bar.Top : l.bar.Left;
    info->dxyLineButton = l.vertical ? l.lineUp.Height() : l.lineUp.Width();
    if (!l.thumb.IsEmpty()) {
        info->xyThumbTop = l.ThumbStart() - start;
        info->xyThumbBottom = info->xyThumbTop + l.thumbLength;
    }
    bool shown = bar == SB_CTL ? TWindowSystem::IsVisible(w) : !l.bar.IsEmpty();
    bool usable = TWindowSystem::IsEnabled(w) && s.Span() > 0 && (s.disabledArrows & ESB_DISABLE_BOTH) != ESB_DISABLE_BOTH;
    info->rgstate[0] = (shown ? 0 : STATE_SYSTEM_INVISIBLE) | (usable ? 0 : STATE_SYSTEM_UNAVAILABLE);
    for (int part = spLineUp; part <= spLineDown; ++part) {
        if (!usable) info->rgstate[part] |= STATE_SYSTEM_UNAVAILABLE;
        if (s.pressedPart == part) info->rgstate[part] |= STATE_SYSTEM_PRESSED;
    }
    if (l.thumb.IsEmpty()) info->rgstate[spThumb] |= STATE_SYSTEM_INVISIBLE;
    return true;
}

} // namespace tavrik
