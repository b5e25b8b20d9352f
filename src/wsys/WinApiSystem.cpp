// System services of WinApi.h.
#include "gfx/Bitmap.h"
#include "wsys/Painter.h"
#include "wsys/SystemInfo.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

namespace {

TWindowSystem& Ws() { return TWindowSystem::Current(); }

HMONITOR MonitorHandle(size_t index) { return reinterpret_cast<HMONITOR>(uintptr_t(index + 1)); }

HMONITOR MonitorFor(const TRect& r, DWORD flags)
{
    std::vector<TMonitor> monitors = Ws().Backend().Monitors();
    if (monitors.empty()) return nullptr;
    for (size_t i = 0; i < monitors.size(); ++i)
        if (!IntersectRect(monitors[i].bounds, r).IsEmpty()) return MonitorHandle(MonitorIndexNearest(monitors, r));
    if (flags == MONITOR_DEFAULTTONULL) return nullptr;
    if (flags == MONITOR_DEFAULTTOPRIMARY) return MonitorHandle(0);
    return MonitorHandle(MonitorIndexNearest(monitors, r));
}

} // namespace

int GetSystemMetrics(int index) { return SystemMetric(index); }

bool SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT)
{
    TWindowSystem& ws = Ws();
    switch (action) {
    case SPI_GETWORKAREA:
        if (!pvParam) return false;
        *static_cast<TRect*>(pvParam) = ws.Backend().Monitors().front().workArea;
        return true;
    case SPI_GETDRAGFULLWINDOWS:
        if (!pvParam) return false;
        *static_cast<bool*>(pvParam) = ws.DragFullWindows();
        return true;
    case SPI_SETDRAGFULLWINDOWS:
        ws.SetDragFullWindows(uiParam != 0);
        return true;
    case SPI_GETMOUSEHOVERTIME:
        if (!pvParam) return false;
        *static_cast<UINT*>(pvParam) = 400;
        return true;
    default:
        return false;
    }
}

UINT GetDoubleClickTime() { return Ws().DoubleClickTime(); }

bool SetDoubleClickTime(UINT ms)
{
    Ws().SetDoubleClickTime(ms ? ms : 500);
    return true;
}

bool MessageBeep(UINT)
{
    Ws().Backend().Beep();
    return true;
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags)
{
    TWindow* w = Ws().Find(hwnd);
    if (!w) return flags == MONITOR_DEFAULTTONULL ? nullptr : MonitorHandle(0);
    return MonitorFor(TWindowSystem::WindowScreenRect(TWindowSystem::Root(w)), flags);
}

HMONITOR MonitorFromPoint(TPoint p, DWORD flags) { return MonitorFor(Bounds(p.x, p.y, 1, 1), flags); }
HMONITOR MonitorFromRect(const TRect& r, DWORD flags) { return MonitorFor(r, flags); }

bool GetMonitorInfo(HMONITOR monitor, MONITORINFO* info)
{
    std::vector<TMonitor> monitors = Ws().Backend().Monitors();
    size_t index = size_t(reinterpret_cast<uintptr_t>(monitor));
    if (!info || index == 0 || index > monitors.size()) return false;
    info->rcMonitor = monitors[index - 1].bounds;
    info->rcWork = monitors[index - 1].workArea;
    info->dwFlags = index == 1 ? MONITORINFOF_PRIMARY : 0;
    return true;
}

std::string GetClipboardText() { return Ws().Backend().ClipboardText(); }

bool SetClipboardText(std::string_view text)
{
    Ws().Backend().SetClipboardText(std::string(text));
    return true;
}

void DragAcceptFiles(HWND hwnd, bool accept)
{
    DWORD exStyle = DWORD(GetWindowLongPtr(hwnd, GWL_EXSTYLE));
    SetWindowLongPtr(hwnd, GWL_EXSTYLE, LONG_PTR(accept ? exStyle | WS_EX_ACCEPTFILES : exStyle & ~WS_EX_ACCEPTFILES));
}

TBitmap CaptureScreen(const TRect& area)
{
    Ws().Painter().PresentAll(); // what was painted so far is what the user sees
    return Ws().Backend().ReadScreen(area);
}

} // namespace tavrik
