#include "wsys/backends/x11/X11Tray.h"

#include "gfx/IconFitting.h"
#include "wsys/backends/x11/X11Connection.h"
#include "wsys/backends/x11/X11Presenter.h"

#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <string>

namespace tavrik {

namespace {

// The size we ask for; the tray decides and tells us by resizing the window. Trays built on
// a toolkit take it from the size hints (without them one made its icons 1 pixel wide).
constexpr int kAskedSize = 22;
constexpr long kIconEvents =
    ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask | StructureNotifyMask;
constexpr long kRequestDock = 0;
constexpr long kXEmbedMapped = 1;

// The rows of the picture's opaque pixels (alpha at least half) as runs: the window's shape.
std::vector<XRectangle> OpaqueRuns(const TBitmap& picture)
{
    std::vector<XRectangle> runs;
    for (int y = 0; y < picture.Height(); ++y) {
        const uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width();) {
            while (x < picture.Width() && row[4 * x + 3] < 128) ++x;
            int start = x;
            while (x < picture.Width() && row[4 * x + 3] >= 128) ++x;
            if (x > start) runs.push_back({short(start), short(y), (unsigned short)(x - start), 1});
        }
    }
    return runs;
}

} // namespace

TX11Tray::TX11Tray(TX11Connection& x, TX11Presenter& presenter) : x_(x), presenter_(presenter)
{
    Display* d = x_.Display();
    std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(x_.ScreenNumber());
    selection_ = XInternAtom(d, selection.c_str(), False);
    opcode_ = XInternAtom(d, "_NET_SYSTEM_TRAY_OPCODE", False);
    managerMessage_ = XInternAtom(d, "MANAGER", False);
    xembedInfo_ = XInternAtom(d, "_XEMBED_INFO", False);
    // A tray that starts tells the root window's structure listeners. Other parts of the
    // backend listen on the root too: add to their mask, do not replace it.
    XWindowAttributes root{};
    XGetWindowAttributes(d, x_.Root(), &root);
    XSelectInput(d, x_.Root(), root.your_event_mask | StructureNotifyMask);
    // The tray could go between asking for its window and watching it: hold the server.
    XGrabServer(d);
    Window owner = XGetSelectionOwner(d, selection_);
    if (owner != None) WatchManager(owner);
    XUngrabServer(d);
    XFlush(d);
}

TX11Tray::~TX11Tray()
{
    for (TIcon& icon : icons_) Undock(icon);
    XFlush(x_.Display());
}

TX11Tray::TIcon* TX11Tray::Find(TTrayIconKey key)
{
    for (TIcon& icon : icons_)
        if (icon.key == key) return &icon;
    return nullptr;
}

TX11Tray::TIcon* TX11Tray::FindWindow(Window w)
{
    if (w == None) return nullptr;
    for (TIcon& icon : icons_)
        if (icon.window == w) return &icon;
    return nullptr;
}

Window TX11Tray::IconWindow(TTrayIconKey key) const
{
    for (const TIcon& icon : icons_)
        if (icon.key == key) return icon.window;
    return None;
}

void TX11Tray::WatchManager(Window manager)
{
    TX11ErrorTrap trap(x_.Display());
    XSelectInput(x_.Display(), manager, StructureNotifyMask);
    manager_ = trap.Sync() == 0 ? manager : None; // gone already: as if it never came
}

void TX11Tray::SetIcon(TTrayIconKey key, const TBitmap& picture)
{
    TIcon* icon = Find(key);
    if (!icon) {
        icons_.push_back(TIcon{key, {}, None, {}, None});
        icon = &icons_.back();
    }
    icon->picture = picture;
    if (icon->window) Draw(*icon);
    else if (manager_) Dock(*icon);
    XFlush(x_.Display());
}

void TX11Tray::RemoveIcon(TTrayIconKey key)
{
    TIcon* icon = Find(key);
    if (!icon) return;
    Undock(*icon);
    std::erase_if(icons_, [&](const TIcon& i) { return i.key == key; });
    XFlush(x_.Display());
}

void TX11Tray::Dock(TIcon& icon)
{
    Display* d = x_.Display();
    XSetWindowAttributes a{};
    a.background_pixmap = None;
    a.border_pixel = 0;
    a.event_mask = kIconEvents;
    icon.window = XCreateWindow(d, x_.Root(), 0, 0, kAskedSize, kAskedSize, 0, CopyFromParent, InputOutput,
                                CopyFromParent, CWBackPixmap | CWBorderPixel | CWEventMask, &a);
    icon.size = {kAskedSize, kAskedSize};
    if (XSizeHints* hints = XAllocSizeHints()) {
        hints->flags = PMinSize | PBaseSize;
        hints->min_width = hints->base_width = kAskedSize;
        hints->min_height = hints->base_height = kAskedSize;
        XSetWMNormalHints(d, icon.window, hints);
        XFree(hints);
    }
    XClassHint hint{const_cast<char*>("tavrik"), const_cast<char*>("Tavrik")};
    XSetClassHint(d, icon.window, &hint);
    long info[2] = {0, kXEmbedMapped}; // XEmbed version 0; the tray maps the window
    XChangeProperty(d, icon.window, xembedInfo_, xembedInfo_, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(info), 2);
    Draw(icon);

    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = manager_;
    ev.xclient.message_type = opcode_;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = CurrentTime;
    ev.xclient.data.l[1] = kRequestDock;
    ev.xclient.data.l[2] = long(icon.window);
    TX11ErrorTrap trap(d); // the tray may be gone by now; its DestroyNotify will tell
    XSendEvent(d, manager_, False, NoEventMask, &ev);
    trap.Sync();
}

void TX11Tray::Undock(TIcon& icon)
{
    Display* d = x_.Display();
    if (icon.window) {
        TX11ErrorTrap trap(d);
        XDestroyWindow(d, icon.window);
        trap.Sync();
    }
    if (icon.pixels) XFreePixmap(d, icon.pixels);
    icon.window = None;
    icon.pixels = None;
}

void TX11Tray::Draw(TIcon& icon)
{
    Display* d = x_.Display();
    int w = std::max(1, icon.size.cx), h = std::max(1, icon.size.cy);
    TBitmap pixels = FitIcon(icon.picture, w, h);
    Pixmap fresh = XCreatePixmap(d, icon.window, unsigned(w), unsigned(h), unsigned(x_.ScreenDepth()));
    presenter_.Put(fresh, pixels, {Bounds(0, 0, w, h)});
    // The server repaints the window from its background by itself, whenever it is exposed.
    XSetWindowBackgroundPixmap(d, icon.window, fresh);
    if (icon.pixels) XFreePixmap(d, icon.pixels);
    icon.pixels = fresh;
    std::vector<XRectangle> runs = OpaqueRuns(pixels);
    XShapeCombineRectangles(d, icon.window, ShapeBounding, 0, 0, runs.data(), int(runs.size()), ShapeSet, YXBanded);
    XClearWindow(d, icon.window);
}

void TX11Tray::ManagerGone(std::vector<TX11TrayEvent>& out)
{
    manager_ = None;
    for (TIcon& icon : icons_) Undock(icon);
    TX11TrayEvent e;
    e.event.kind = TBackendEventKind::TrayChanged;
    e.event.trayRunning = false;
    out.push_back(e);
}

bool TX11Tray::HandleEvent(const XEvent& ev, std::vector<TX11TrayEvent>& out)
{
    Display* d = x_.Display();
    bool announced = ev.type == ClientMessage && ev.xclient.window == x_.Root() &&
                     ev.xclient.message_type == managerMessage_ && Atom(ev.xclient.data.l[1]) == selection_;
    bool died = ev.type == DestroyNotify && manager_ && ev.xdestroywindow.window == manager_;
    if (announced || died) {
        Window next = announced ? Window(ev.xclient.data.l[2]) : XGetSelectionOwner(d, selection_);
        if (manager_ && manager_ != next) ManagerGone(out);
        if (next == None || next == manager_) return true;
        WatchManager(next);
        if (!manager_) return true;
        for (TIcon& icon : icons_) Dock(icon);
        TX11TrayEvent e;
        e.event.kind = TBackendEventKind::TrayChanged;
        e.event.trayRunning = true;
        out.push_back(e);
        XFlush(d);
        return true;
    }
    TIcon* icon = FindWindow(ev.xany.window);
    return icon && HandleIconEvent(*icon, ev, out);
}

bool TX11Tray::HandleIconEvent(TIcon& icon, const XEvent& ev, std::vector<TX11TrayEvent>& out)
{
    TX11TrayEvent e;
    e.event.trayIcon = icon.key;
    switch (ev.type) {
    case ConfigureNotify:
        if (TSize size{ev.xconfigure.width, ev.xconfigure.height}; size != icon.size) {
            icon.size = size;
            Draw(icon);
            XFlush(x_.Display());
        }
        return true;
    case ReparentNotify:
        // Handed back to the root: the tray let go of it. It must not stay there as a stray
        // window; the next tray gets a new one.
        if (ev.xreparent.parent == x_.Root()) Undock(icon);
        return true;
    case ButtonPress:
    case ButtonRelease: {
        const XButtonEvent& b = ev.xbutton;
        switch (b.button) {
        case Button1: e.event.button = TMouseButton::Left; break;
        case Button2: e.event.button = TMouseButton::Middle; break;
        case Button3: e.event.button = TMouseButton::Right; break;
        default: return true; // the wheel and extra buttons do nothing on an icon
        }
        e.event.kind = ev.type == ButtonPress ? TBackendEventKind::TrayButtonDown : TBackendEventKind::TrayButtonUp;
        e.event.screen = {b.x_root, b.y_root};
        e.time = b.time;
        e.state = b.state;
        break;
    }
    case MotionNotify:
        e.event.kind = TBackendEventKind::TrayMouseMove;
        e.event.screen = {ev.xmotion.x_root, ev.xmotion.y_root};
        e.time = ev.xmotion.time;
        e.state = ev.xmotion.state;
        break;
    case EnterNotify:
    case LeaveNotify: {
        const XCrossingEvent& c = ev.xcrossing;
        if (c.mode != NotifyNormal || c.detail == NotifyInferior) return true;
        e.event.kind = ev.type == EnterNotify ? TBackendEventKind::TrayMouseMove : TBackendEventKind::TrayMouseLeave;
        e.event.screen = {c.x_root, c.y_root};
        e.time = c.time;
        e.state = c.state;
        break;
    }
    default:
        return true; // mapping, exposure (the background repaints) and the tray's XEmbed talk
    }
    out.push_back(e);
    return true;
}

} // namespace tavrik
