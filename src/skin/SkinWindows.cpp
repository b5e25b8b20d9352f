#include "skin/SkinWindows.h"

#include "gfx/Canvas.h"
#include "wsys/WinApi.h"

namespace tavrik {

void SetWindowAlpha(HWND hwnd, uint8_t alpha)
{
    if (LayeredWindowsSupported()) SetLayeredWindowAttributes(hwnd, clBlack, alpha, LWA_ALPHA);
}

TRect GetMonitorWorkArea(HWND hwnd, bool workArea)
{
    if (GetSystemMetrics(SM_CMONITORS) > 1) {
        MONITORINFO info;
        if (GetMonitorInfo(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info))
            return workArea ? info.rcWork : info.rcMonitor;
    }
    if (!workArea) return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    TRect area;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area);
    return area;
}

void DrawParentBackground(HWND parent, TPoint controlPosition, TCanvas& canvas)
{
    if (!IsWindow(parent)) return;
    TCanvasStateSaver saver(canvas);
    canvas.MoveOrigin(-controlPosition.x, -controlPosition.y);
    canvas.IntersectClipRect(GetClientRect(parent));
    const WPARAM dc = WPARAM(reinterpret_cast<uintptr_t>(&canvas));
    // A form's background is all its erase message draws; other parents (panels, pages)
    // draw their face when painted.
    if (GetWindowLongPtr(parent, GWL_STYLE) & WS_CHILD) SendMessage(parent, WM_PAINT, dc, 0);
    SendMessage(parent, WM_ERASEBKGND, dc, 0);
}

void DrawParentBackground(HWND control, TCanvas& canvas)
{
    if (!(GetWindowLongPtr(control, GWL_STYLE) & WS_CHILD)) return;
    HWND parent = GetParent(control);
    TRect bounds = MapWindowPoints(nullptr, parent, GetWindowRect(control));
    DrawParentBackground(parent, bounds.TopLeft(), canvas);
}

} // namespace tavrik
