#include "wsys/backends/x11/X11Screen.h"

#include "wsys/backends/x11/X11Connection.h"
#include "wsys/backends/x11/XSettings.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cstring>

namespace tavrik {

TX11Screen::TX11Screen(TX11Connection& x) : x_(x), format_(x.Display(), x.ScreenVisual(), x.ScreenDepth())
{
    int error = 0;
    if (XRRQueryExtension(x_.Display(), &randrEvent_, &error))
        XRRSelectInput(x_.Display(), x_.Root(), RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask | RROutputChangeNotifyMask);
    else
        randrEvent_ = -1;
}

bool TX11Screen::HandleEvent(const XEvent& ev)
{
    bool randr = randrEvent_ >= 0 && (ev.type == randrEvent_ + RRScreenChangeNotify || ev.type == randrEvent_ + RRNotify);
    bool workArea = ev.type == PropertyNotify && ev.xproperty.window == x_.Root() &&
                    (ev.xproperty.atom == x_.Atoms().NET_WORKAREA || ev.xproperty.atom == x_.Atoms().NET_CURRENT_DESKTOP);
    if (randr) XRRUpdateConfiguration(const_cast<XEvent*>(&ev));
    if (!randr && !workArea) return false;
    monitors_.reset();
    return true;
}

std::vector<TRect> TX11Screen::MonitorBounds()
{
    std::vector<TRect> bounds;
    bool primaryKnown = false;
    if (randrEvent_ >= 0) {
        int count = 0;
        if (XRRMonitorInfo* list = XRRGetMonitors(x_.Display(), x_.Root(), True, &count)) {
            for (int i = 0; i < count; ++i) {
                TRect r = Bounds(list[i].x, list[i].y, list[i].width, list[i].height);
                if (list[i].primary && !primaryKnown) bounds.insert(bounds.begin(), r);
                else bounds.push_back(r);
                primaryKnown = primaryKnown || list[i].primary;
            }
            XRRFreeMonitors(list);
        }
    }
    // Without a primary monitor the one at the origin is taken, as the program places its
    // first windows relative to it.
    if (!primaryKnown) {
        auto origin = std::find_if(bounds.begin(), bounds.end(), [](const TRect& r) { return r.Contains(TPoint{0, 0}); });
        if (origin != bounds.end()) std::rotate(bounds.begin(), origin, origin + 1);
    }
    if (bounds.empty()) {
        Screen* s = ScreenOfDisplay(x_.Display(), x_.ScreenNumber());
        bounds.push_back(Bounds(0, 0, WidthOfScreen(s), HeightOfScreen(s)));
    }
    return bounds;
}

std::optional<TRect> TX11Screen::WorkArea()
{
    // One rectangle per virtual desktop, spanning all monitors.
    std::vector<long> areas = x_.CardinalProperty(x_.Root(), x_.Atoms().NET_WORKAREA, XA_CARDINAL);
    std::vector<long> current = x_.CardinalProperty(x_.Root(), x_.Atoms().NET_CURRENT_DESKTOP, XA_CARDINAL);
    size_t desktop = current.empty() ? 0 : size_t(current[0]);
    if (areas.size() < 4 * (desktop + 1)) desktop = 0;
    if (areas.size() < 4) return std::nullopt;
    const long* a = &areas[4 * desktop];
    return Bounds(int(a[0]), int(a[1]), int(a[2]), int(a[3]));
}

std::vector<TMonitor> TX11Screen::Monitors()
{
    if (monitors_) return *monitors_;
    std::optional<TRect> work = WorkArea();
    std::vector<TMonitor> list;
    for (const TRect& b : MonitorBounds()) {
        TRect area = work ? IntersectRect(b, *work) : b;
        list.push_back({b, area.IsEmpty() ? b : area});
    }
    monitors_ = list;
    return list;
}

TBitmap TX11Screen::Read(const TRect& area)
{
    TBitmap out(std::max(0, area.Width()), std::max(0, area.Height()), TPixelFormat::pf24bit);
    Screen* s = ScreenOfDisplay(x_.Display(), x_.ScreenNumber());
    TRect common = IntersectRect(area, Bounds(0, 0, WidthOfScreen(s), HeightOfScreen(s)));
    if (common.IsEmpty()) return out;
    XImage* image = XGetImage(x_.Display(), x_.Root(), common.Left, common.Top, unsigned(common.Width()),
                              unsigned(common.Height()), AllPlanes, ZPixmap);
    if (!image) return out;
    bool direct = format_.MatchesBgrx() && image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
    for (int y = 0; y < common.Height(); ++y) {
        uint8_t* dst = out.ScanLine(common.Top - area.Top + y) + size_t(common.Left - area.Left) * 3;
        if (direct) {
            const uint8_t* src = reinterpret_cast<const uint8_t*>(image->data) + size_t(y) * size_t(image->bytes_per_line);
            for (int x = 0; x < common.Width(); ++x, src += 4, dst += 3) std::memcpy(dst, src, 3);
            continue;
        }
        for (int x = 0; x < common.Width(); ++x, dst += 3) format_.Decode(XGetPixel(image, x, y), dst[2], dst[1], dst[0]);
    }
    XDestroyImage(image);
    return out;
}

uint32_t TX11Screen::DoubleClickTime()
{
    constexpr uint32_t kDefault = 500;
    Window owner = XGetSelectionOwner(x_.Display(), x_.Atoms().XSETTINGS_SELECTION);
    if (owner == None) return kDefault;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<int32_t> ms;
    TX11ErrorTrap trap(x_.Display());
    if (XGetWindowProperty(x_.Display(), owner, x_.Atoms().XSETTINGS_SETTINGS, 0, 1 << 20, False,
                           x_.Atoms().XSETTINGS_SETTINGS, &type, &format, &count, &after, &data) == Success &&
        data && format == 8)
        ms = FindXSettingsInteger({data, count}, "Net/DoubleClickTime");
    if (data) XFree(data);
    return ms && *ms > 0 && *ms <= 5000 ? uint32_t(*ms) : kDefault;
}

bool TX11Screen::HasCompositor()
{
    return XGetSelectionOwner(x_.Display(), x_.Atoms().NET_WM_CM_SELECTION) != None;
}

} // namespace tavrik
