// Painting of WinApi.h.
#include "wsys/Painter.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

namespace {

TWindowSystem& Ws() { return TWindowSystem::Current(); }
TWindow* W(HWND hwnd) { return Ws().Find(hwnd); }

} // namespace

bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase)
{
    return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND hwnd, const TRegion* region, bool erase)
{
    return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND hwnd, const TRect* rect) { return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE); }
bool ValidateRgn(HWND hwnd, const TRegion* region) { return RedrawWindow(hwnd, nullptr, region, RDW_VALIDATE); }

bool RedrawWindow(HWND hwnd, const TRect* rect, const TRegion* region, UINT flags)
{
    TWindow* w = W(hwnd);
    if (!w) return false;
    Ws().Painter().Redraw(w, rect, region, flags);
    return true;
}

bool UpdateWindow(HWND hwnd)
{
    TWindow* w = W(hwnd);
    if (!w) return false;
    Ws().Painter().UpdateNow(w, true);
    return true;
}

bool GetUpdateRect(HWND hwnd, TRect* rect)
{
    TWindow* w = W(hwnd);
    TRect r;
    bool any = w && Ws().Painter().GetUpdateRect(w, r);
    if (rect) *rect = r;
    return any;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps)
{
    TWindow* w = W(hwnd);
    if (!w || !ps) return nullptr;
    return Ws().Painter().BeginPaint(w, *ps);
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT* ps)
{
    if (!ps) return false;
    Ws().Painter().EndPaint(W(hwnd), *ps);
    return true;
}

HDC GetDC(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w ? Ws().Painter().GetDC(w, false) : nullptr;
}

HDC GetWindowDC(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w ? Ws().Painter().GetDC(w, true) : nullptr;
}

HDC GetDCEx(HWND hwnd, const TRegion* clip, DWORD flags)
{
    TWindow* w = W(hwnd);
    if (!w) return nullptr;
    return Ws().Painter().GetDC(w, (flags & DCX_WINDOW) != 0, (flags & DCX_CLIPCHILDREN) != 0,
                                (flags & DCX_INTERSECTRGN) ? clip : nullptr);
}

int ReleaseDC(HWND, HDC dc) { return Ws().Painter().ReleaseDC(dc) ? 1 : 0; }

} // namespace tavrik
