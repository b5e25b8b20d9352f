#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

// The atoms the backend uses, interned together in one round trip.
struct TX11Atoms {
    Atom WM_PROTOCOLS, WM_DELETE_WINDOW, WM_TAKE_FOCUS, WM_STATE, WM_CLIENT_LEADER;
    Atom UTF8_STRING, CLIPBOARD, TARGETS, TIMESTAMP, TEXT, INCR, MULTIPLE;
    Atom CLIPBOARD_MANAGER, SAVE_TARGETS, TAVRIK_SELECTION, TAVRIK_TIMESTAMP;
    Atom MOTIF_WM_HINTS;
    Atom NET_WM_NAME, NET_WM_ICON_NAME, NET_WM_ICON, NET_WM_PID, NET_WM_PING;
    Atom NET_WM_WINDOW_TYPE, NET_WM_WINDOW_TYPE_NORMAL, NET_WM_WINDOW_TYPE_DIALOG, NET_WM_WINDOW_TYPE_POPUP_MENU;
    Atom NET_WM_STATE, NET_WM_STATE_ABOVE, NET_WM_STATE_SKIP_TASKBAR, NET_WM_STATE_HIDDEN;
    Atom NET_WM_WINDOW_OPACITY, NET_ACTIVE_WINDOW, NET_SUPPORTED, NET_SUPPORTING_WM_CHECK;
    Atom NET_WORKAREA, NET_CURRENT_DESKTOP;
    Atom XSETTINGS_SELECTION, XSETTINGS_SETTINGS, NET_WM_CM_SELECTION;
};

// The display connection: the atoms, the screen, and an error handler that keeps protocol
// errors (a window another client destroyed, a grab on a window that went away) from ending
// the program, as Xlib's default handler would.
class TX11Connection {
public:
    // Opens the display (empty name: $DISPLAY); Display() is nullptr when that failed.
    explicit TX11Connection(const std::string& displayName);
    ~TX11Connection();
    TX11Connection(const TX11Connection&) = delete;
    TX11Connection& operator=(const TX11Connection&) = delete;

    ::Display* Display() const { return display_; }
    int ScreenNumber() const { return screen_; }
    Window Root() const { return root_; }
    Visual* ScreenVisual() const { return DefaultVisual(display_, screen_); }
    int ScreenDepth() const { return DefaultDepth(display_, screen_); }
    const TX11Atoms& Atoms() const { return atoms_; }
    // Protocol errors that no TX11ErrorTrap expected, since the program started.
    static uint64_t UnexpectedErrors();

    // The window manager's check window, or None when no EWMH window manager runs.
    Window WindowManager() const;
    bool WindowManagerSupports(Atom feature) const;

    // Reads a property of 32-bit items (returned as longs, as Xlib does); empty when absent.
    std::vector<long> CardinalProperty(Window w, Atom property, Atom type) const;

private:
    ::Display* display_ = nullptr;
    int screen_ = 0;
    Window root_ = None;
    TX11Atoms atoms_{};
};

// Collects the protocol errors of the requests made while it exists, for the requests that
// may fail on purpose (attaching shared memory, focusing a window that is being unmapped).
class TX11ErrorTrap {
public:
    explicit TX11ErrorTrap(::Display* display);
    ~TX11ErrorTrap();
    TX11ErrorTrap(const TX11ErrorTrap&) = delete;
    TX11ErrorTrap& operator=(const TX11ErrorTrap&) = delete;

    // Waits for the server to answer everything sent so far; the first error code or 0.
    int Sync();

private:
    friend int HandleX11Error(::Display*, XErrorEvent*);
    ::Display* display_;
    unsigned long firstSerial_;
    int error_ = 0;
    TX11ErrorTrap* outer_;
};

} // namespace tavrik
