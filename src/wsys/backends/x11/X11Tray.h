#pragma once

#include "gfx/Bitmap.h"
#include "wsys/Backend.h"

#include <X11/Xlib.h>

#include <vector>

namespace tavrik {

class TX11Connection;
class TX11Presenter;

// What the program must hear of the tray, with the server's time and modifier state for the
// backend to translate.
struct TX11TrayEvent {
    TBackendEvent event;
    Time time = CurrentTime;
    unsigned int state = 0;
};

// The program's icons in the desktop's system tray (the freedesktop system-tray protocol
// over XEmbed). The tray is whoever owns the selection _NET_SYSTEM_TRAY_S<screen>; each
// icon is a small window of ours that we ask it to dock (SYSTEM_TRAY_REQUEST_DOCK) and that
// it embeds and sizes. We draw the picture at that size, with its transparency as the
// window's shape, so the tray shows through around it.
//
// A tray that starts announces itself with a MANAGER message on the root window; every icon
// is docked in it then. When the tray goes away, the server hands the embedded windows back
// to the root and maps them there; they are destroyed at once and made anew for the next tray.
class TX11Tray {
public:
    TX11Tray(TX11Connection& x, TX11Presenter& presenter);
    ~TX11Tray();
    TX11Tray(const TX11Tray&) = delete;
    TX11Tray& operator=(const TX11Tray&) = delete;

    bool Available() const { return manager_ != None; }
    void SetIcon(TTrayIconKey key, const TBitmap& picture);
    void RemoveIcon(TTrayIconKey key);

    // Handles the events that concern the tray and its icons (false for any other), adding
    // what the program must hear to `out`.
    bool HandleEvent(const XEvent& ev, std::vector<TX11TrayEvent>& out);

    // For tests: the window that shows the icon in the tray, None while it is not docked.
    Window IconWindow(TTrayIconKey key) const;

private:
    struct TIcon {
        TTrayIconKey key = 0;
        TBitmap picture;
        Window window = None;
        TSize size;            // as the tray made it
        Pixmap pixels = None;  // the window's background: the picture drawn at `size`
    };
    TIcon* Find(TTrayIconKey key);
    TIcon* FindWindow(Window w);
    void WatchManager(Window manager);
    void Dock(TIcon& icon);
    void Undock(TIcon& icon);
    void Draw(TIcon& icon);
    void ManagerGone(std::vector<TX11TrayEvent>& out);
    bool HandleIconEvent(TIcon& icon, const XEvent& ev, std::vector<TX11TrayEvent>& out);

    TX11Connection& x_;
    TX11Presenter& presenter_;
    Atom selection_ = None;      // _NET_SYSTEM_TRAY_S<screen>
    Atom opcode_ = None;         // _NET_SYSTEM_TRAY_OPCODE
    Atom managerMessage_ = None; // MANAGER
    Atom xembedInfo_ = None;     // _XEMBED_INFO
    Window manager_ = None;
    std::vector<TIcon> icons_;
};

} // namespace tavrik
