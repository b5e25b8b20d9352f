#include "wsys/FrameMetrics.h"

#include "wsys/ScrollBarLayout.h"
#include "wsys/SystemInfo.h"
#include "wsys/WinConstants.h"

#include <algorithm>

namespace tavrik {

namespace {

int BorderWidth(DWORD style, DWORD exStyle)
{
    if (style & WS_THICKFRAME) return SystemMetric(SM_CXFRAME);
    if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return SystemMetric(SM_CXDLGFRAME);
    if (style & WS_BORDER) return SystemMetric(SM_CXBORDER);
    return 0;
}

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

} // namespace

TRect FrameInsets(DWORD style, DWORD exStyle)
{
    int b = BorderWidth(style, exStyle);
    int edge = ((exStyle & WS_EX_CLIENTEDGE) ? SystemMetric(SM_CXEDGE) : 0) + ((exStyle & WS_EX_STATICEDGE) ? 1 : 0);
    int caption = HasCaption(style) ? SystemMetric(SM_CYCAPTION) : 0;
    return {b + edge, b + caption + edge, b + edge, b + edge};
}

TRect DefaultClientRect(DWORD style, DWORD exStyle, const TRect& windowRect)
{
    TRect in = FrameInsets(style, exStyle);
    TRect r{windowRect.Left + in.Left, windowRect.Top + in.Top, windowRect.Right - in.Right,
            windowRect.Bottom - in.Bottom};
    // The bars of WS_VSCROLL and WS_HSCROLL take their strips off the client area.
    if (style & WS_VSCROLL) r.Right -= SystemMetric(SM_CXVSCROLL);
    if (style & WS_HSCROLL) r.Bottom -= SystemMetric(SM_CYHSCROLL);
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

int DefaultHitTest(DWORD style, DWORD exStyle, TSize size, const TRect& client, TPoint p)
{
    if (!Bounds(0, 0, size.cx, size.cy).Contains(p)) return HTNOWHERE;
    if (client.Contains(p)) return HTCLIENT;
    TFrameScrollBars bars = FrameScrollBars(style, exStyle, size, client);
    if (bars.vertical.Contains(p)) return HTVSCROLL;
    if (bars.horizontal.Contains(p)) return HTHSCROLL;
    int b = BorderWidth(style, exStyle);
    if ((style & WS_THICKFRAME) && !(style & (WS_MAXIMIZE | WS_MINIMIZE))) {
        // Corners reach along each edge as far as a caption button is wide.
        int corner = b + SystemMetric(SM_CXSIZE);
        bool left = p.x < b, right = p.x >= size.cx - b, top = p.y < b, bottom = p.y >= size.cy - b;
        bool nearLeft = p.x < corner, nearRight = p.x >= size.cx - corner;
        bool nearTop = p.y < corner, nearBottom = p.y >= size.cy - corner;
        if (top) return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
        if (bottom) return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
        if (left) return nearTop ? HTTOPLEFT : nearBottom ? HTBOTTOMLEFT : HTLEFT;
        if (right) return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
    }
    if (HasCaption(style) && p.y >= b && p.y < b + SystemMetric(SM_CYCAPTION) && p.x >= b && p.x < size.cx - b)
        return HTCAPTION;
    return HTBORDER;
}

} // namespace tavrik
