#include "wsys/backends/x11/X11Connection.h"

#include <X11/Xatom.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tavrik {

namespace {

// Xlib calls the error handler without a context pointer, so the traps form one stack per
// program; only the user-interface thread makes requests.
TX11ErrorTrap* innermostTrap = nullptr;
std::atomic<uint64_t> unexpectedErrors{0};

} // namespace

int HandleX11Error(::Display* display, XErrorEvent* error)
{
    for (TX11ErrorTrap* t = innermostTrap; t; t = t->outer_) {
        if (t->display_ == display && error->serial >= t->firstSerial_) {
            if (!t->error_) t->error_ = error->error_code;
            return 0;
        }
    }
    ++unexpectedErrors;
    if (std::getenv("TAVRIK_X11_DEBUG")) {
        char text[256];
        XGetErrorText(display, error->error_code, text, sizeof text);
        std::fprintf(stderr, "X error: %s (request %d.%d, resource 0x%lx)\n", text, error->request_code,
                     error->minor_code, error->resourceid);
    }
    return 0;
}

TX11ErrorTrap::TX11ErrorTrap(::Display* display)
    : display_(display), firstSerial_(NextRequest(display)), outer_(innermostTrap)
{
    innermostTrap = this;
}

TX11ErrorTrap::~TX11ErrorTrap()
{
    XSync(display_, False); // errors of the trapped requests must not reach the outer handler
    innermostTrap = outer_;
}

int TX11ErrorTrap::Sync()
{
    XSync(display_, False);
    return error_;
}

uint64_t TX11Connection::UnexpectedErrors() { return unexpectedErrors.load(); }

TX11Connection::TX11Connection(const std::string& displayName)
{
    display_ = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    if (!display_) return;
    XSetErrorHandler(HandleX11Error);
    screen_ = DefaultScreen(display_);
    root_ = RootWindow(display_, screen_);

    std::string screenSuffix = std::to_string(screen_);
    std::string xsettings = "_XSETTINGS_S" + screenSuffix;
    std::string compositor = "_NET_WM_CM_S" + screenSuffix;
    struct TName {
        Atom* atom;
        const char* name;
    } names[] = {
        {&atoms_.WM_PROTOCOLS, "WM_PROTOCOLS"},
        {&atoms_.WM_DELETE_WINDOW, "WM_DELETE_WINDOW"},
        {&atoms_.WM_TAKE_FOCUS, "WM_TAKE_FOCUS"},
        {&atoms_.WM_STATE, "WM_STATE"},
        {&atoms_.WM_CLIENT_LEADER, "WM_CLIENT_LEADER"},
        {&atoms_.UTF8_STRING, "UTF8_STRING"},
        {&atoms_.CLIPBOARD, "CLIPBOARD"},
        {&atoms_.TARGETS, "TARGETS"},
        {&atoms_.TIMESTAMP, "TIMESTAMP"},
        {&atoms_.TEXT, "TEXT"},
        {&atoms_.INCR, "INCR"},
        {&atoms_.MULTIPLE, "MULTIPLE"},
        {&atoms_.CLIPBOARD_MANAGER, "CLIPBOARD_MANAGER"},
        {&atoms_.SAVE_TARGETS, "SAVE_TARGETS"},
        {&atoms_.TAVRIK_SELECTION, "_TAVRIK_SELECTION"},
        {&atoms_.TAVRIK_TIMESTAMP, "_TAVRIK_TIMESTAMP"},
        {&atoms_.MOTIF_WM_HINTS, "_MOTIF_WM_HINTS"},
        {&atoms_.NET_WM_NAME, "_NET_WM_NAME"},
        {&atoms_.NET_WM_ICON_NAME, "_NET_WM_ICON_NAME"},
        {&atoms_.NET_WM_ICON, "_NET_WM_ICON"},
        {&atoms_.NET_WM_PID, "_NET_WM_PID"},
        {&atoms_.NET_WM_PING, "_NET_WM_PING"},
        {&atoms_.NET_WM_WINDOW_TYPE, "_NET_WM_WINDOW_TYPE"},
        {&atoms_.NET_WM_WINDOW_TYPE_NORMAL, "_NET_WM_WINDOW_TYPE_NORMAL"},
        {&atoms_.NET_WM_WINDOW_TYPE_DIALOG, "_NET_WM_WINDOW_TYPE_DIALOG"},
        {&atoms_.NET_WM_WINDOW_TYPE_POPUP_MENU, "_NET_WM_WINDOW_TYPE_POPUP_MENU"},
        {&atoms_.NET_WM_STATE, "_NET_WM_STATE"},
        {&atoms_.NET_WM_STATE_ABOVE, "_NET_WM_STATE_ABOVE"},
        {&atoms_.NET_WM_STATE_SKIP_TASKBAR, "_NET_WM_STATE_SKIP_TASKBAR"},
        {&atoms_.NET_WM_STATE_HIDDEN, "_NET_WM_STATE_HIDDEN"},
        {&atoms_.NET_WM_WINDOW_OPACITY, "_NET_WM_WINDOW_OPACITY"},
        {&atoms_.NET_ACTIVE_WINDOW, "_NET_ACTIVE_WINDOW"},
        {&atoms_.NET_SUPPORTED, "_NET_SUPPORTED"},
        {&atoms_.NET_SUPPORTING_WM_CHECK, "_NET_SUPPORTING_WM_CHECK"},
        {&atoms_.NET_WORKAREA, "_NET_WORKAREA"},
        {&atoms_.NET_CURRENT_DESKTOP, "_NET_CURRENT_DESKTOP"},
        {&atoms_.XSETTINGS_SELECTION, xsettings.c_str()},
        {&atoms_.XSETTINGS_SETTINGS, "_XSETTINGS_SETTINGS"},
        {&atoms_.NET_WM_CM_SELECTION, compositor.c_str()},
    };
    std::vector<char*> list;
    for (const TName& n : names) list.push_back(const_cast<char*>(n.name));
    std::vector<Atom> atoms(list.size());
    XInternAtoms(display_, list.data(), int(list.size()), False, atoms.data());
    for (size_t i = 0; i < list.size(); ++i) *names[i].atom = atoms[i];
}

TX11Connection::~TX11Connection()
{
    if (display_) XCloseDisplay(display_);
}

std::vector<long> TX11Connection::CardinalProperty(Window w, Atom property, Atom type) const
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> values;
    TX11ErrorTrap trap(display_); // the window may be gone
    if (XGetWindowProperty(display_, w, property, 0, 1 << 16, False, type, &actualType, &format, &count, &after,
                           &data) == Success &&
        data && actualType == type && format == 32) {
        const long* items = reinterpret_cast<const long*>(data);
        values.assign(items, items + count);
    }
    if (data) XFree(data);
    return values;
}

Window TX11Connection::WindowManager() const
{
    // The check window names itself; a stale property left by a window manager that died
    // points at a window that is gone or does not.
    std::vector<long> check = CardinalProperty(root_, atoms_.NET_SUPPORTING_WM_CHECK, XA_WINDOW);
    if (check.empty()) return None;
    Window w = Window(check[0]);
    std::vector<long> self = CardinalProperty(w, atoms_.NET_SUPPORTING_WM_CHECK, XA_WINDOW);
    return !self.empty() && Window(self[0]) == w ? w : None;
}

bool TX11Connection::WindowManagerSupports(Atom feature) const
{
    if (WindowManager() == None) return false;
    for (long a : CardinalProperty(root_, atoms_.NET_SUPPORTED, XA_ATOM))
        if (Atom(a) == feature) return true;
    return false;
}

} // namespace tavrik
