#include "wsys/SystemInfo.h"

#include "wsys/WinConstants.h"
#include "wsys/WindowSystem.h"

#include <algorithm>
#include <climits>

namespace tavrik {

namespace {

TRect VirtualScreen(const std::vector<TMonitor>& monitors)
{
    TRect r;
    for (const TMonitor& m : monitors) r = UnionRect(r, m.bounds);
    return r;
}

int FixedMetric(int index)
{
    switch (index) {
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVSCROLL: case SM_CXHSCROLL:
    case SM_CYVTHUMB: case SM_CXHTHUMB: case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYCAPTION: case SM_CYMENU: return 19;
    case SM_CXBORDER: case SM_CYBORDER: case SM_MOUSEPRESENT: return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CXMIN: case SM_CXMINTRACK: return 112;
    case SM_CYMIN: case SM_CYMINTRACK: return 27;
    case SM_CXSIZE: case SM_CYSIZE: return 18;
    case SM_CXFRAME: case SM_CYFRAME: case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CYSMCAPTION: return 15;
    case SM_CXMENUCHECK: case SM_CYMENUCHECK: return 13;
    default: return 0;
    }
}

} // namespace

int SystemMetric(int index)
{
    if (!TWindowSystem::Exists()) return FixedMetric(index);
    std::vector<TMonitor> monitors = TWindowSystem::Current().Backend().Monitors();
    if (monitors.empty()) return FixedMetric(index);
    const TMonitor& primary = monitors.front();
    TRect virt = VirtualScreen(monitors);
    int frame2 = 2 * FixedMetric(SM_CXFRAME);
    switch (index) {
    case SM_CXSCREEN: return primary.bounds.Width();
    case SM_CYSCREEN: return primary.bounds.Height();
    case SM_CXFULLSCREEN: return primary.workArea.Width();
    case SM_CYFULLSCREEN: return primary.workArea.Height() - FixedMetric(SM_CYCAPTION);
    case SM_CXMAXIMIZED: return primary.workArea.Width() + frame2;
    case SM_CYMAXIMIZED: return primary.workArea.Height() + frame2;
    case SM_CXMAXTRACK: return virt.Width() + frame2;
    case SM_CYMAXTRACK: return virt.Height() + frame2;
    case SM_XVIRTUALSCREEN: return virt.Left;
    case SM_YVIRTUALSCREEN: return virt.Top;
    case SM_CXVIRTUALSCREEN: return virt.Width();
    case SM_CYVIRTUALSCREEN: return virt.Height();
    case SM_CMONITORS: return int(monitors.size());
    default: return FixedMetric(index);
    }
}

size_t MonitorIndexNearest(const std::vector<TMonitor>& monitors, const TRect& rect)
{
    if (rect.IsEmpty()) return 0;
    size_t best = 0;
    int64_t bestArea = -1;
    for (size_t i = 0; i < monitors.size(); ++i) {
        TRect common = IntersectRect(monitors[i].bounds, rect);
        int64_t area = int64_t(common.Width()) * common.Height();
        if (area > bestArea) best = i, bestArea = area;
    }
    if (bestArea > 0) return best;
    // No overlap: the monitor whose edge is closest to the rectangle's centre.
    TPoint c{rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2};
    int64_t bestDistance = INT64_MAX;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const TRect& b = monitors[i].bounds;
        int64_t dx = c.x < b.Left ? b.Left - c.x : c.x >= b.Right ? c.x - b.Right + 1 : 0;
        int64_t dy = c.y < b.Top ? b.Top - c.y : c.y >= b.Bottom ? c.y - b.Bottom + 1 : 0;
        if (dx * dx + dy * dy < bestDistance) best = i, bestDistance = dx * dx + dy * dy;
    }
    return best;
}

TCursorShape CursorShapeOf(HCURSOR cursor)
{
    switch (uint32_t(reinterpret_cast<uintptr_t>(cursor))) {
    case IDC_IBEAM: return TCursorShape::IBeam;
    case IDC_WAIT: return TCursorShape::Wait;
    case IDC_CROSS: return TCursorShape::Cross;
    case IDC_UPARROW: return TCursorShape::UpArrow;
    case IDC_SIZENWSE: return TCursorShape::SizeNWSE;
    case IDC_SIZENESW: return TCursorShape::SizeNESW;
    case IDC_SIZEWE: return TCursorShape::SizeWE;
    case IDC_SIZENS: return TCursorShape::SizeNS;
    case IDC_SIZEALL: return TCursorShape::SizeAll;
    case IDC_NO: return TCursorShape::No;
    case IDC_HAND: return TCursorShape::Hand;
    case IDC_APPSTARTING: return TCursorShape::AppStarting;
    case IDC_HELP: return TCursorShape::Help;
    default: return TCursorShape::Arrow;
    }
}

} // namespace tavrik
