#pragma once

#include "gfx/Bitmap.h"
#include "wsys/Backend.h"
#include "wsys/backends/x11/X11PixelFormat.h"

#include <X11/Xlib.h>

#include <optional>
#include <vector>

namespace tavrik {

class TX11Connection;

// What the backend reads about the screen: the monitors (XRandR) with their work areas
// (_NET_WORKAREA), its pixels, and the desktop's settings (XSETTINGS).
class TX11Screen {
public:
    explicit TX11Screen(TX11Connection& x);

    // Selects the root window events that tell about changes; true for the ones it handled
    // (the monitors are read again afterwards).
    bool HandleEvent(const XEvent& ev);
    std::vector<TMonitor> Monitors();
    TBitmap Read(const TRect& area);
    // Net/DoubleClickTime of the desktop's settings, else 500 ms.
    uint32_t DoubleClickTime();
    // A compositing manager runs, so window opacity shows.
    bool HasCompositor();

private:
    std::vector<TRect> MonitorBounds();
    std::optional<TRect> WorkArea();

    TX11Connection& x_;
    TX11PixelFormat format_;
    int randrEvent_ = -1;
    std::optional<std::vector<TMonitor>> monitors_;
};

} // namespace tavrik
