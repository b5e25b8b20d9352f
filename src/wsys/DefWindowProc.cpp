#include "wsys/FrameMetrics.h"
#include "wsys/Messages.h"
#include "wsys/Painter.h"
#include "wsys/ScrollBars.h"
#include "wsys/SizeMoveLoop.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <algorithm>
#include <cstring>

namespace tavrik {

namespace {

bool HasCaption(const TWindow* w) { return (w->style & WS_CAPTION) == WS_CAPTION; }

LRESULT NcCalcSize(TWindow* w, WPARAM wp, LPARAM lp)
{
    TRect* r = wp ? &LParamToPtr<NCCALCSIZE_PARAMS>(lp)->rgrc[0] : LParamToPtr<TRect>(lp);
    *r = DefaultClientRect(w->style, w->exStyle, *r);
    return 0;
}

LRESULT NcHitTest(TWindow* w, LPARAM lp)
{
    TPoint origin = TWindowSystem::WindowScreenOrigin(w);
    TPoint p = LParamToPoint(lp);
    return DefaultHitTest(w->style, w->exStyle, {w->rect.Width(), w->rect.Height()}, w->client,
                          {p.x - origin.x, p.y - origin.y});
}

HCURSOR CursorForHit(int hit)
{
    switch (hit) {
    case HTLEFT: case HTRIGHT: return LoadCursor(IDC_SIZEWE);
    case HTTOP: case HTBOTTOM: return LoadCursor(IDC_SIZENS);
    case HTTOPLEFT: case HTBOTTOMRIGHT: return LoadCursor(IDC_SIZENWSE);
    case HTTOPRIGHT: case HTBOTTOMLEFT: return LoadCursor(IDC_SIZENESW);
    default: return LoadCursor(IDC_ARROW);
    }
}

LRESULT SetCursorDefault(TWindowSystem& ws, TWindow* w, WPARAM wp, LPARAM lp)
{
    // Parents decide first, so a container can show one cursor over all its children.
    if (w->parent && ws.Send(w->parent, WM_SETCURSOR, wp, lp)) return 1;
    if (HandleFromValue(wp) != w->handle) return 0;
    int hit = int16_t(LOWORD(uint64_t(lp)));
    UINT mouseMsg = HIWORD(uint64_t(lp));
    if (hit == HTERROR) {
        bool press = mouseMsg == WM_LBUTTONDOWN || mouseMsg == WM_RBUTTONDOWN || mouseMsg == WM_MBUTTONDOWN;
        if (press) {
            // A click on a window disabled by a modal one brings the modal one forward.
            MessageBeep(MB_OK);
            TWindow* top = TWindowSystem::Root(w);
            if (top->lastActivePopup && ws.CanActivate(top->lastActivePopup))
                ws.Activate(top->lastActivePopup, WA_ACTIVE, false);
        }
        ws.Input().SetCursor(LoadCursor(IDC_ARROW));
        return 1;
    }
    if (hit == HTCLIENT) {
        if (w->cls->cursor) ws.Input().SetCursor(w->cls->cursor);
        return w->cls->cursor ? 1 : 0;
    }
    ws.Input().SetCursor(CursorForHit(hit));
    return 1;
}

LRESULT SysCommand(TWindowSystem& ws, TWindow* w, WPARAM wp, LPARAM lp)
{
    switch (wp & 0xFFF0) {
    case SC_CLOSE: return ws.Send(w, WM_CLOSE, 0, 0);
    case SC_MINIMIZE: ws.Show(w, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ws.Show(w, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ws.Show(w, SW_RESTORE); return 0;
    case SC_MOVE: TSizeMoveLoop(ws, w, 0, LParamToPoint(lp)).Run(); return 0;
    case SC_SIZE: TSizeMoveLoop(ws, w, int(wp & 0x000F), LParamToPoint(lp)).Run(); return 0;
    case SC_VSCROLL: TrackScrollBar(ws, w, SB_VERT, LParamToPoint(lp)); return 0;
    case SC_HSCROLL: TrackScrollBar(ws, w, SB_HORZ, LParamToPoint(lp)); return 0;
    default: return 0;
    }
}

LRESULT NcButtonDown(TWindowSystem& ws, TWindow* w, WPARAM hit, LPARAM lp)
{
    if (hit == WPARAM(HTCAPTION)) return ws.Send(w, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lp);
    if (hit >= WPARAM(HTLEFT) && hit <= WPARAM(HTBOTTOMRIGHT))
        return ws.Send(w, WM_SYSCOMMAND, SC_SIZE | (hit - HTLEFT + WMSZ_LEFT), lp);
    if (hit == WPARAM(HTVSCROLL)) return ws.Send(w, WM_SYSCOMMAND, SC_VSCROLL | HTVSCROLL, lp);
    if (hit == WPARAM(HTHSCROLL)) return ws.Send(w, WM_SYSCOMMAND, SC_HSCROLL | HTHSCROLL, lp);
    return 0;
}

LRESULT GetText(TWindow* w, WPARAM size, LPARAM lp)
{
    char* buffer = LParamToPtr<char>(lp);
    if (!buffer || size == 0) return 0;
    size_t n = std::min<size_t>(w->text.size(), size - 1);
    // Never cut a character in two.
    while (n > 0 && n < w->text.size() && (uint8_t(w->text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, w->text.data(), n);
    buffer[n] = '\0';
    return LRESULT(n);
}

LRESULT SetText(TWindowSystem& ws, TWindow* w, LPARAM lp)
{
    const char* text = LParamToPtr<const char>(lp);
    w->text = text ? text : "";
    if (w->native) ws.Backend().SetNativeTitle(w->native, w->text);
    if (HasCaption(w)) ws.Painter().Redraw(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    return 1;
}

LRESULT WindowPosChanged(TWindowSystem& ws, TWindow* w, LPARAM lp)
{
    const WINDOWPOS* pos = LParamToPtr<const WINDOWPOS>(lp);
    HWND handle = w->handle;
    if (!(pos->flags & SWP_NOMOVE)) {
        TPoint origin{w->rect.Left + w->client.Left, w->rect.Top + w->client.Top};
        ws.Send(w, WM_MOVE, 0, PointToLParam(origin));
    }
    if (!(pos->flags & SWP_NOSIZE) && ws.Find(handle)) {
        WPARAM kind = (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        ws.Send(w, WM_SIZE, kind, MAKELPARAM(w->client.Width(), w->client.Height()));
    }
    return 0;
}

LRESULT Keys(TWindowSystem& ws, TWindow* w, UINT msg, WPARAM wp, LPARAM lp)
{
    TWindow* top = TWindowSystem::Root(w);
    switch (msg) {
    case WM_KEYDOWN:
        ws.ClearMenuKey();
        return 0;
    case WM_SYSKEYDOWN:
        if (wp == VK_F4 && (lp & (LPARAM(1) << 29))) {
            ws.ClearMenuKey();
            return ws.Send(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        // Alt or F10 pressed on its own opens the keyboard menu when released.
        if (!(lp & (LPARAM(1) << 30))) ws.SetMenuKey(wp == VK_MENU || wp == VK_F10);
        return 0;
    case WM_SYSKEYUP:
        if ((wp == VK_MENU || wp == VK_F10) && ws.MenuKeyPending()) {
            ws.ClearMenuKey();
            return ws.Send(top, WM_SYSCOMMAND, SC_KEYMENU, 0);
        }
        return 0;
    case WM_SYSCHAR:
        ws.ClearMenuKey();
        return ws.Send(top, WM_SYSCOMMAND, SC_KEYMENU, LPARAM(wp));
    default:
        return 0;
    }
}

} // namespace

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    TWindowSystem& ws = TWindowSystem::Current();
    TWindow* w = ws.Find(hwnd);
    if (!w) return 0;
    switch (msg) {
    case WM_NCCREATE: return 1;
    case WM_NCCALCSIZE: return NcCalcSize(w, wp, lp);
    case WM_NCHITTEST: return NcHitTest(w, lp);
    case WM_NCPAINT:
        ws.Painter().PaintDefaultFrame(w);
        if (ws.Find(hwnd)) PaintFrameScrollBars(ws, w);
        return 0;
    case WM_NCACTIVATE:
        if (HasCaption(w)) ws.Painter().Redraw(w, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return 1;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && !HIWORD(wp)) ws.SetFocusTo(w);
        return 0;
    case WM_MOUSEACTIVATE:
        if (w->parent)
            if (LRESULT r = ws.Send(w->parent, msg, wp, lp)) return r;
        return MA_ACTIVATE;
    case WM_SETCURSOR: return SetCursorDefault(ws, w, wp, lp);
    case WM_CLOSE: ws.Destroy(w); return 0;
    case WM_SYSCOMMAND: return SysCommand(ws, w, wp, lp);
    case WM_NCLBUTTONDOWN: return NcButtonDown(ws, w, wp, lp);
    case WM_NCLBUTTONDBLCLK:
        // A quick second press on a scroll bar is one more press.
        if (wp == WPARAM(HTVSCROLL) || wp == WPARAM(HTHSCROLL)) return NcButtonDown(ws, w, wp, lp);
        if (wp == WPARAM(HTCAPTION) && (w->style & WS_MAXIMIZEBOX))
            return ws.Send(w, WM_SYSCOMMAND, (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lp);
        return 0;
    case WM_RBUTTONUP: {
        TPoint origin = TWindowSystem::ClientScreenOrigin(w);
        TPoint p = LParamToPoint(lp);
        return ws.Send(w, WM_CONTEXTMENU, WPARAM(HandleValue(hwnd)), PointToLParam({p.x + origin.x, p.y + origin.y}));
    }
    case WM_NCRBUTTONUP:
        return ws.Send(w, WM_CONTEXTMENU, WPARAM(HandleValue(hwnd)), lp);
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        return w->parent ? ws.Send(w->parent, msg, wp, lp) : 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR: return Keys(ws, w, msg, wp, lp);
    case WM_SETTEXT: return SetText(ws, w, lp);
    case WM_GETTEXT: return GetText(w, wp, lp);
    case WM_GETTEXTLENGTH: return LRESULT(w->text.size());
    case WM_WINDOWPOSCHANGED: return WindowPosChanged(ws, w, lp);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        ws.Painter().BeginPaint(w, ps);
        ws.Painter().EndPaint(w, ps);
        return 0;
    }
    case WM_ERASEBKGND: return ws.Painter().EraseDefault(w, reinterpret_cast<HDC>(uintptr_t(wp)));
    case WM_CANCELMODE:
        if (ws.Input().Capture() == w) ws.Input().SetCapture(nullptr);
        return 0;
    default: return 0;
    }
}

} // namespace tavrik
