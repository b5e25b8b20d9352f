#include "wsys/Messages.h"
#include "wsys/Painter.h"
#include "wsys/ScrollBars.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

namespace {

int KeyRequest(WPARAM vk)
{
    switch (vk) {
    case VK_UP: case VK_LEFT: return SB_LINEUP;
    case VK_DOWN: case VK_RIGHT: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return -1;
    }
}

bool Usable(const TWindow* w)
{
    const TScrollBarState& s = w->scrollBars[SB_CTL];
    return TWindowSystem::IsEnabled(w) && s.Span() > 0 && (s.disabledArrows & ESB_DISABLE_BOTH) != ESB_DISABLE_BOTH;
}

LRESULT Paint(TWindowSystem& ws, TWindow* w)
{
    PAINTSTRUCT ps;
    if (HDC dc = ws.Painter().BeginPaint(w, ps))
        PaintScrollBar(*dc, ScrollBarLayoutOf(w, SB_CTL), w->scrollBars[SB_CTL], TWindowSystem::IsEnabled(w));
    ws.Painter().EndPaint(w, ps);
    return 0;
}

} // namespace

LRESULT ScrollBarControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    TWindowSystem& ws = TWindowSystem::Current();
    TWindow* w = ws.Find(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_PAINT: return Paint(ws, w);
    case WM_ERASEBKGND: return 1; // the bar covers its whole client area
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        TrackScrollBar(ws, w, SB_CTL, ClientToScreen(hwnd, LParamToPoint(lp)));
        return 0;
    case WM_ENABLE:
    case WM_SIZE:
        InvalidateRect(hwnd, nullptr, false);
        return 0;
    case WM_KEYDOWN:
        if (KeyRequest(wp) >= 0 && Usable(w)) SendScrollRequest(ws, w, SB_CTL, KeyRequest(wp));
        return 0;
    case WM_KEYUP:
        if (KeyRequest(wp) >= 0 && Usable(w)) SendScrollRequest(ws, w, SB_CTL, SB_ENDSCROLL);
        return 0;
    default: return DefWindowProc(hwnd, msg, wp, lp);
    }
}

} // namespace tavrik
