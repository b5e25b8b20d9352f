#pragma once

#include "gfx/Bitmap.h"
#include "wsys/Backend.h"

#include <functional>
#include <vector>

namespace tavrik {

// The notification area of the headless desktop, for tests: a row of square cells along the
// bottom right of the screen, filled right to left in the order the icons came. Tests start
// and stop it as a desktop would, look at the icons as drawn, and point and click at them.
class THeadlessTray {
public:
    // Reports an event to the window system; the backend puts the pointer where it says.
    using TReport = std::function<void(TBackendEvent)>;
    // iconSize 0: no tray runs yet.
    THeadlessTray(int iconSize, TSize screen, TReport report);

    // What the desktop does.
    void Start(int iconSize = 22); // a tray starts, showing every icon the program has
    void Stop();                   // the tray goes away
    bool Running() const { return iconSize_ > 0; }

    // What the user sees.
    // The icons shown now, in the order they came; empty while no tray runs.
    std::vector<TTrayIconKey> Icons() const;
    // The icon as the tray draws it, iconSize square; nullptr when it is not shown.
    const TBitmap* Picture(TTrayIconKey key) const;
    TRect IconRect(TTrayIconKey key) const; // on the screen; empty when not shown

    // What the user does: the pointer on the icon's middle.
    // Each throws std::logic_error for an icon that is not shown.
    void MouseMove(TTrayIconKey key);
    void MouseDown(TTrayIconKey key, TMouseButton button = TMouseButton::Left);
    void MouseUp(TTrayIconKey key, TMouseButton button = TMouseButton::Left);
    void Click(TTrayIconKey key, TMouseButton button = TMouseButton::Left);
    void DoubleClick(TTrayIconKey key, TMouseButton button = TMouseButton::Left);
    void MouseLeave(); // the pointer went off the tray

    // For the backend.
    void Set(TTrayIconKey key, const TBitmap& picture);
    void Remove(TTrayIconKey key);

private:
    struct TIcon {
        TTrayIconKey key = 0;
        TBitmap picture; // as the program gave it
        TBitmap drawn;   // at the tray's size
    };
    const TIcon* Find(TTrayIconKey key) const;
    void Report(TBackendEventKind kind, TTrayIconKey key, TMouseButton button);

    int iconSize_;
    TSize screen_;
    TReport report_;
    std::vector<TIcon> icons_;
};

} // namespace tavrik
