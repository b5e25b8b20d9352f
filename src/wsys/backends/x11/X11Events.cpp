#include "wsys/WinConstants.h"
#include "wsys/backends/x11/X11Backend.h"
#include "wsys/backends/x11/X11Clipboard.h"
#include "wsys/backends/x11/X11Connection.h"
#include "wsys/backends/x11/X11DropTarget.h"
#include "wsys/backends/x11/X11InputMethod.h"
#include "wsys/backends/x11/X11Keys.h"
#include "wsys/backends/x11/X11Screen.h"
#include "wsys/backends/x11/X11Tray.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace tavrik {

bool TX11Backend::NextEvent(TBackendEvent& event)
{
    if (events_.empty()) ReadEvents();
    if (events_.empty()) return false;
    event = std::move(events_.front());
    events_.pop_front();
    return true;
}

void TX11Backend::ReadEvents()
{
    Display* d = x_->Display();
    while (events_.empty() && XPending(d)) {
        XEvent ev;
        XNextEvent(d, &ev);
        // The input method sees every event first and keeps the keys it composes with.
        if (XFilterEvent(&ev, None)) continue;
        Translate(ev);
    }
}

void TX11Backend::Push(TBackendEvent ev) { events_.push_back(std::move(ev)); }

uint8_t TX11Backend::ModifiersOf(unsigned int state)
{
    return uint8_t(((state & ShiftMask) ? kModShift : 0) | ((state & ControlMask) ? kModControl : 0) |
                   ((state & Mod1Mask) ? kModAlt : 0));
}

void TX11Backend::Translate(XEvent& ev)
{
    if (clipboard_->HandleEvent(ev)) return;
    if (dropTarget_->HandleEvent(ev, [this](TBackendEvent e) { Push(std::move(e)); })) return;
    std::vector<TX11TrayEvent> tray;
    if (tray_->HandleEvent(ev, tray)) {
        for (TX11TrayEvent& t : tray) {
            t.event.time = TickOf(t.time);
            t.event.modifiers = ModifiersOf(t.state);
            Push(std::move(t.event));
        }
        return;
    }
    if (screen_->HandleEvent(ev)) {
        TBackendEvent changed;
        changed.kind = TBackendEventKind::DisplayChanged;
        Push(changed);
        return;
    }
    switch (ev.type) {
    case MotionNotify: {
        TBackendEvent m;
        m.kind = TBackendEventKind::MouseMove;
        m.time = TickOf(ev.xmotion.time);
        m.screen = {ev.xmotion.x_root, ev.xmotion.y_root};
        m.outside = IsOutside(ev.xmotion.window, ev.xmotion.x, ev.xmotion.y);
        m.window = Find(ev.xmotion.window) && !m.outside ? ev.xmotion.window : 0;
        m.modifiers = ModifiersOf(ev.xmotion.state);
        Push(m);
        break;
    }
    case ButtonPress:
    case ButtonRelease:
        TranslateButton(ev);
        break;
    case EnterNotify:
    case LeaveNotify:
        TranslateCrossing(ev);
        break;
    case KeyPress:
    case KeyRelease:
        TranslateKey(ev);
        break;
    case FocusIn:
    case FocusOut:
        TranslateFocus(ev);
        break;
    case ConfigureNotify:
        TranslateConfigure(ev);
        break;
    case MapNotify:
        TranslateMap(ev.xmap.window, true);
        break;
    case UnmapNotify:
        TranslateMap(ev.xunmap.window, false);
        break;
    case ReparentNotify:
        if (TWin* win = Find(ev.xreparent.window)) win->reparented = ev.xreparent.parent != x_->Root();
        break;
    case ClientMessage:
        TranslateClientMessage(ev);
        break;
    case PropertyNotify:
        TranslateProperty(ev);
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&ev.xmapping);
        break;
    default:
        break; // exposures repaint from the window's background pixmap
    }
}

void TX11Backend::TranslateCrossing(const XEvent& ev)
{
    const XCrossingEvent& c = ev.xcrossing;
    uint64_t time = TickOf(c.time);
    // Crossings caused by grabs say nothing about where the pointer is.
    if (c.mode != NotifyNormal || c.detail == NotifyInferior || !Find(c.window)) return;
    TBackendEvent m;
    m.kind = ev.type == EnterNotify ? TBackendEventKind::MouseMove : TBackendEventKind::MouseLeave;
    m.time = time;
    m.screen = {c.x_root, c.y_root};
    m.window = ev.type == EnterNotify ? c.window : 0;
    m.modifiers = ModifiersOf(c.state);
    Push(m);
}

void TX11Backend::TranslateButton(const XEvent& ev)
{
    const XButtonEvent& b = ev.xbutton;
    bool press = ev.type == ButtonPress;
    TBackendEvent m;
    m.time = TickOf(b.time);
    m.screen = {b.x_root, b.y_root};
    m.outside = IsOutside(b.window, b.x, b.y);
    m.window = Find(b.window) && !m.outside ? b.window : 0;
    m.modifiers = ModifiersOf(b.state);
    switch (b.button) {
    case Button1: m.button = TMouseButton::Left; break;
    case Button2: m.button = TMouseButton::Middle; break;
    case Button3: m.button = TMouseButton::Right; break;
    case Button4:
    case Button5:
        // Each notch of the wheel is a press and a release of a button of its own.
        if (!press) return;
        m.kind = TBackendEventKind::Wheel;
        m.wheelDelta = b.button == Button4 ? 120 : -120;
        Push(m);
        return;
    default: return; // sideways scrolling and extra buttons
    }
    m.kind = press ? TBackendEventKind::ButtonDown : TBackendEventKind::ButtonUp;
    Push(m);
}

void TX11Backend::TranslateKey(XEvent& ev)
{
    XKeyEvent& k = ev.xkey;
    bool press = ev.type == KeyPress;
    Display* d = x_->Display();
    uint64_t time = TickOf(k.time);
    // Servers without detectable auto-repeat send a release right before each repeated press.
    if (!press && XEventsQueued(d, QueuedAfterReading)) {
        XEvent next;
        XPeekEvent(d, &next);
        if (next.type == KeyPress && next.xkey.keycode == k.keycode && next.xkey.time == k.time) return;
    }
    KeySym base = XLookupKeysym(&k, 0);
    KeySym actual = NoSymbol;
    char ignored[16];
    XLookupString(&k, ignored, sizeof ignored, &actual, nullptr);
    TX11InputMethod::TLookup typed;
    if (press) typed = im_->Lookup(k);
    if (k.keycode == 0) base = actual = NoSymbol; // text the input method committed
    uint32_t vk = VirtualKeyOf(base, actual);
    bool wasDown = keysDown_.count(k.keycode) > 0;
    if (press && k.keycode) keysDown_.insert(k.keycode);
    if (!press) keysDown_.erase(k.keycode);
    if (vk == VK_DELETE) typed.text.clear(); // X types DEL; the key has no character here
    if (!vk) {
        if (press ? typed.text.empty() : !wasDown) return;
        vk = VK_PACKET;
    }
    TBackendEvent e;
    e.kind = press ? TBackendEventKind::KeyDown : TBackendEventKind::KeyUp;
    e.time = time;
    e.screen = {k.x_root, k.y_root};
    e.vk = vk;
    e.extendedKey = IsExtendedKeysym(base);
    e.autoRepeat = press && wasDown;
    e.modifiers = ModifiersOf(k.state);
    e.text = std::move(typed.text);
    Push(e);
}

void TX11Backend::TranslateFocus(const XEvent& ev)
{
    const XFocusChangeEvent& f = ev.xfocus;
    bool in = ev.type == FocusIn;
    // Keyboard grabs of our popups move the focus only for the grab's time.
    if (f.mode == NotifyGrab || f.mode == NotifyUngrab) return;
    if (f.detail == NotifyPointer || f.detail == NotifyInferior) return;
    TWin* win = Find(f.window);
    if (!win) return;
    im_->SetFocus(win->id, in);
    TBackendEvent e;
    e.window = win->id;
    if (in) {
        // The focus came here before the program asked for another window: stale news.
        if (focusRequest_ && focusRequest_ != win->id && f.serial < focusSerial_) return;
        e.kind = TBackendEventKind::Activated;
        Push(e);
        return;
    }
    // Losing the focus to another window of ours is no loss of the program's activation.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(x_->Display(), &focus, &revert);
    if (Find(focus)) return;
    e.kind = TBackendEventKind::Deactivated;
    Push(e);
}

void TX11Backend::TranslateConfigure(const XEvent& ev)
{
    const XConfigureEvent& c = ev.xconfigure;
    TWin* win = Find(c.window);
    if (!win || c.serial < win->configureSerial) return;
    TRect r = Bounds(c.x, c.y, c.width, c.height);
    // A window manager's frame makes real configure events relative to the frame; its own
    // synthetic ones are in root coordinates.
    if (!c.send_event && win->reparented) {
        int rootX = 0, rootY = 0;
        Window child = None;
        TX11ErrorTrap trap(x_->Display());
        if (!XTranslateCoordinates(x_->Display(), c.window, x_->Root(), 0, 0, &rootX, &rootY, &child)) return;
        r = Bounds(rootX, rootY, c.width, c.height);
    }
    if (r == win->bounds) return;
    win->bounds = r;
    TBackendEvent e;
    e.kind = TBackendEventKind::Configured;
    e.window = win->id;
    e.rect = r;
    Push(e);
}

void TX11Backend::TranslateMap(Window w, bool mapped)
{
    TWin* win = Find(w);
    if (!win) return;
    win->mapped = mapped;
    if (!mapped) {
        // The server ended our grabs when it unmapped their window; they are taken again when
        // it is mapped while the program still holds or watches the mouse.
        if (GrabWindow() == w) grabbed_ = keyboardGrabbed_ = false;
        return;
    }
    if (GrabWindow() == w && !grabbed_) TryGrab();
    if (focusPending_ == w) FocusNow(*win, lastServerTime_);
}

void TX11Backend::TranslateClientMessage(const XEvent& ev)
{
    const XClientMessageEvent& m = ev.xclient;
    const TX11Atoms& a = x_->Atoms();
    TWin* win = Find(m.window);
    if (!win || m.message_type != a.WM_PROTOCOLS || m.format != 32) return;
    Atom protocol = Atom(m.data.l[0]);
    if (protocol == a.WM_DELETE_WINDOW) {
        TBackendEvent e;
        e.kind = TBackendEventKind::CloseRequest;
        e.window = win->id;
        Push(e);
    } else if (protocol == a.WM_TAKE_FOCUS) {
        if (!win->params.noActivate) FocusNow(*win, Time(m.data.l[1]), false);
    } else if (protocol == a.NET_WM_PING) {
        XEvent reply{};
        reply.xclient = m;
        reply.xclient.window = x_->Root();
        XSendEvent(x_->Display(), x_->Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &reply);
    }
}

void TX11Backend::TranslateProperty(const XEvent& ev)
{
    const XPropertyEvent& p = ev.xproperty;
    TickOf(p.time);
    const TX11Atoms& a = x_->Atoms();
    if (p.window == x_->Root()) {
        if (p.atom == a.NET_SUPPORTING_WM_CHECK || p.atom == a.NET_SUPPORTED) windowManager_ = wmActivates_ = -1;
        return;
    }
    TWin* win = Find(p.window);
    if (!win || p.atom != a.WM_STATE) return;
    // The window manager iconified or restored the window (the user asked it to).
    std::vector<long> state = x_->CardinalProperty(win->id, a.WM_STATE, a.WM_STATE);
    if (state.empty()) return;
    bool iconic = state[0] == IconicState;
    if (iconic == win->minimized) return;
    win->minimized = iconic;
    TBackendEvent e;
    e.kind = iconic ? TBackendEventKind::Minimized : TBackendEventKind::Restored;
    e.window = win->id;
    Push(e);
}

} // namespace tavrik
