#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "wsys/backends/x11/X11Backend.h"
#include "wsys/backends/x11/X11Connection.h"
#include "wsys/backends/x11/X11Cursors.h"
#include "wsys/backends/x11/X11DropTarget.h"
#include "wsys/backends/x11/X11InputMethod.h"
#include "wsys/backends/x11/X11Presenter.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <climits>

namespace tavrik {

namespace {

constexpr long kWindowEvents = ExposureMask | StructureNotifyMask | PropertyChangeMask | FocusChangeMask |
                               ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                               LeaveWindowMask | KeyPressMask | KeyReleaseMask;

unsigned int Extent(int v) { return unsigned(std::max(1, v)); }

} // namespace

TNativeWindow TX11Backend::CreateNativeWindow(const TNativeWindowParams& params)
{
    Display* d = x_->Display();
    bool popup = params.kind == TNativeKind::Popup;
    XSetWindowAttributes a{};
    a.background_pixmap = None; // nothing is drawn before our pixels arrive
    a.border_pixel = 0;
    a.bit_gravity = NorthWestGravity;
    a.event_mask = kWindowEvents;
    a.override_redirect = popup ? True : False;
    a.save_under = popup ? True : False;
    a.cursor = cursors_->Get(cursor_);
    const TRect& b = params.bounds;
    Window w = XCreateWindow(d, x_->Root(), b.Left, b.Top, Extent(b.Width()), Extent(b.Height()), 0, CopyFromParent,
                             InputOutput, CopyFromParent,
                             CWBackPixmap | CWBorderPixel | CWBitGravity | CWEventMask | CWOverrideRedirect |
                                 CWSaveUnder | CWCursor,
                             &a);
    TWin& win = windows_[w];
    win.id = w;
    win.params = params;
    win.bounds = params.bounds;
    win.topmost = params.topmost;

    SetClassHints(w);
    SetNativeTitle(w, params.title);
    SetIcon(w);
    SetWindowType(win);
    if (!popup) {
        SetMotifHints(w);
        SetProtocols(win);
        SetNormalHints(win);
        SetWmHints(win, false);
        SetStateProperty(win);
        dropTarget_->MakeAware(w);
        if (params.owner) XSetTransientForHint(d, w, Window(params.owner));
    }
    if (long imEvents = im_->AddWindow(w)) XSelectInput(d, w, kWindowEvents | imEvents);
    ReplaceBacking(win, {b.Width(), b.Height()});
    return w;
}

void TX11Backend::DestroyNativeWindow(TNativeWindow window)
{
    TWin* win = Find(Window(window));
    if (!win) return;
    Display* d = x_->Display();
    if (captureWindow_ == win->id) {
        Ungrab();
        captureWindow_ = None;
    }
    if (focusPending_ == win->id) focusPending_ = None;
    if (focusRequest_ == win->id) focusRequest_ = None;
    im_->RemoveWindow(win->id);
    XDestroyWindow(d, win->id);
    if (win->backing) XFreePixmap(d, win->backing);
    std::erase(stacking_, window);
    windows_.erase(win->id);
    XFlush(d);
}

void TX11Backend::ShowNativeWindow(TNativeWindow window, bool visible)
{
    TWin* win = Find(Window(window));
    if (!win) return;
    Display* d = x_->Display();
    win->wantVisible = visible;
    bool popup = win->params.kind == TNativeKind::Popup;
    if (!visible) {
        if (popup) XUnmapWindow(d, win->id);
        else XWithdrawWindow(d, win->id, x_->ScreenNumber()); // the window manager forgets it too
        return;
    }
    if (win->minimized && !HasWindowManager()) return; // shown when restored
    if (!popup) SetWmHints(*win, win->minimized); // a window manager maps it iconified then
    if (popup) XMapRaised(d, win->id);
    else XMapWindow(d, win->id);
    XFlush(d);
}

void TX11Backend::SetNativeBounds(TNativeWindow window, const TRect& bounds)
{
    TWin* win = Find(Window(window));
    if (!win) return;
    if (bounds != win->bounds) {
        // Configure events the server made before this request describe an older place.
        win->configureSerial = NextRequest(x_->Display());
        win->bounds = bounds;
        XMoveResizeWindow(x_->Display(), win->id, bounds.Left, bounds.Top, Extent(bounds.Width()), Extent(bounds.Height()));
    }
    if (win->backingSize != TSize{bounds.Width(), bounds.Height()}) ReplaceBacking(*win, {bounds.Width(), bounds.Height()});
}

void TX11Backend::ReplaceBacking(TWin& win, TSize size)
{
    Display* d = x_->Display();
    Pixmap fresh = XCreatePixmap(d, win.id, Extent(size.cx), Extent(size.cy), unsigned(x_->ScreenDepth()));
    if (win.backing) {
        XCopyArea(d, win.backing, fresh, presenter_->Gc(), 0, 0, Extent(std::min(size.cx, win.backingSize.cx)),
                  Extent(std::min(size.cy, win.backingSize.cy)), 0, 0);
        XFreePixmap(d, win.backing);
    }
    // The server repaints whatever gets exposed from the window's background by itself.
    XSetWindowBackgroundPixmap(d, win.id, fresh);
    win.backing = fresh;
    win.backingSize = size;
}

void TX11Backend::PresentNativeWindow(TNativeWindow window, const TBitmap& pixels, const std::vector<TRect>& dirty)
{
    TWin* win = Find(Window(window));
    if (!win) return;
    if (win->backingSize != TSize{pixels.Width(), pixels.Height()}) ReplaceBacking(*win, {pixels.Width(), pixels.Height()});
    presenter_->Put(win->backing, pixels, dirty);
    TRect all = Bounds(0, 0, pixels.Width(), pixels.Height());
    for (const TRect& r : dirty) {
        TRect c = IntersectRect(r, all);
        if (!c.IsEmpty()) XClearArea(x_->Display(), win->id, c.Left, c.Top, unsigned(c.Width()), unsigned(c.Height()), False);
    }
    XFlush(x_->Display());
}

void TX11Backend::SetNativeTitle(TNativeWindow window, const std::string& title)
{
    Display* d = x_->Display();
    Window w = Window(window);
    const TX11Atoms& a = x_->Atoms();
    auto bytes = reinterpret_cast<const unsigned char*>(title.data());
    XChangeProperty(d, w, a.NET_WM_NAME, a.UTF8_STRING, 8, PropModeReplace, bytes, int(title.size()));
    XChangeProperty(d, w, a.NET_WM_ICON_NAME, a.UTF8_STRING, 8, PropModeReplace, bytes, int(title.size()));
    // The old properties, for window managers that read only those.
    char* list[] = {const_cast<char*>(title.c_str())};
    XTextProperty text{};
    if (Xutf8TextListToTextProperty(d, list, 1, XStdICCTextStyle, &text) >= Success) {
        XSetWMName(d, w, &text);
        XSetWMIconName(d, w, &text);
        XFree(text.value);
    }
}

void TX11Backend::SetNativeTopmost(TNativeWindow window, bool topmost)
{
    TWin* win = Find(Window(window));
    if (!win || win->topmost == topmost || win->params.kind == TNativeKind::Popup) return;
    win->topmost = topmost;
    if (win->mapped && HasWindowManager()) SendStateMessage(*win, topmost, x_->Atoms().NET_WM_STATE_ABOVE);
    else SetStateProperty(*win);
}

void TX11Backend::SetNativeStacking(const std::vector<TNativeWindow>& topToBottom)
{
    // Only windows whose neighbour below changed are restacked, bottom up, so that the
    // program's windows keep their place among other programs' windows. A window shown
    // again has no known place: then all are put in order.
    std::vector<TNativeWindow> now;
    bool placesKnown = true;
    for (TNativeWindow w : topToBottom)
        placesKnown = placesKnown && std::find(stacking_.begin(), stacking_.end(), w) != stacking_.end();
    if (placesKnown)
        for (TNativeWindow w : stacking_)
            if (std::find(topToBottom.begin(), topToBottom.end(), w) != topToBottom.end()) now.push_back(w);
    stacking_ = topToBottom;
    for (size_t i = topToBottom.size(); i-- > 1;) {
        TNativeWindow w = topToBottom[i - 1], below = topToBottom[i];
        auto at = std::find(now.begin(), now.end(), w);
        auto under = std::find(now.begin(), now.end(), below);
        if (at != now.end() && under == at + 1) continue;
        if (at != now.end()) now.erase(at);
        now.insert(std::find(now.begin(), now.end(), below), w);
        Restack(Window(w), Window(below));
    }
}

void TX11Backend::Restack(Window w, Window below)
{
    TWin* win = Find(w);
    TWin* under = Find(below);
    if (!win || !under) return;
    if (win->params.kind == TNativeKind::Popup) {
        XRaiseWindow(x_->Display(), w); // popups are above every normal window anyway
        return;
    }
    if (under->params.kind == TNativeKind::Popup) return;
    // A window manager stacks the frames; the request then goes to it.
    XWindowChanges changes{};
    changes.sibling = below;
    changes.stack_mode = Above;
    TX11ErrorTrap trap(x_->Display());
    XReconfigureWMWindow(x_->Display(), w, x_->ScreenNumber(), CWSibling | CWStackMode, &changes);
}

void TX11Backend::SetNativeShape(TNativeWindow window, const TRegion* shape)
{
    TWin* win = Find(Window(window));
    if (!win) return;
    Display* d = x_->Display();
    for (int kind : {ShapeBounding, ShapeInput}) {
        if (!shape) {
            XShapeCombineMask(d, win->id, kind, 0, 0, None, ShapeSet);
            continue;
        }
        std::vector<XRectangle> rects;
        for (const TRect& r : shape->Rects())
            rects.push_back({short(std::clamp(r.Left, SHRT_MIN, SHRT_MAX)), short(std::clamp(r.Top, SHRT_MIN, SHRT_MAX)),
                             (unsigned short)std::clamp(r.Width(), 0, USHRT_MAX),
                             (unsigned short)std::clamp(r.Height(), 0, USHRT_MAX)});
        // A shape of more rectangles than one request carries goes in parts, united.
        long maxRequest = XExtendedMaxRequestSize(d) ? XExtendedMaxRequestSize(d) : XMaxRequestSize(d);
        size_t perRequest = size_t(std::max<long>(1, (maxRequest - 16) / 2));
        size_t at = 0;
        do {
            size_t n = std::min(perRequest, rects.size() - at);
            XShapeCombineRectangles(d, win->id, kind, 0, 0, rects.data() + at, int(n), at == 0 ? ShapeSet : ShapeUnion,
                                    YXBanded);
            at += n;
        } while (at < rects.size());
    }
    XFlush(d);
}

void TX11Backend::SetNativeOpacity(TNativeWindow window, uint8_t alpha)
{
    TWin* win = Find(Window(window));
    if (!win) return;
    Atom property = x_->Atoms().NET_WM_WINDOW_OPACITY;
    if (alpha == 255) {
        XDeleteProperty(x_->Display(), win->id, property);
        return;
    }
    long value = long(uint64_t(alpha) * 0xFFFFFFFFull / 255);
    XChangeProperty(x_->Display(), win->id, property, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&value), 1);
}

void TX11Backend::ActivateNativeWindow(TNativeWindow window)
{
    TWin* win = Find(Window(window));
    if (!win || win->params.noActivate || win->params.kind == TNativeKind::Popup) return;
    FocusNow(*win, lastServerTime_);
}

void TX11Backend::FocusNow(TWin& win, Time time, bool askWindowManager)
{
    if (!win.mapped) {
        focusPending_ = win.id; // focusing an unmapped window fails: wait for its MapNotify
        return;
    }
    focusPending_ = None;
    Display* d = x_->Display();
    if (askWindowManager && HasWindowManager() && WindowManagerActivates()) {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = win.id;
        ev.xclient.message_type = x_->Atoms().NET_ACTIVE_WINDOW;
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = 1; // asked by the application
        ev.xclient.data.l[1] = long(time);
        ev.xclient.data.l[2] = long(focusRequest_);
        XSendEvent(d, x_->Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    }
    focusRequest_ = win.id;
    focusSerial_ = NextRequest(d);
    TX11ErrorTrap trap(d); // the window may be unmapped by now
    XSetInputFocus(d, win.id, RevertToParent, time);
}

void TX11Backend::MinimizeNativeWindow(TNativeWindow window, bool minimized)
{
    TWin* win = Find(Window(window));
    if (!win || win->minimized == minimized) return;
    win->minimized = minimized;
    Display* d = x_->Display();
    if (minimized) {
        // Without a window manager nobody could show an iconified window again: it is unmapped
        // until the program restores it.
        if (!HasWindowManager()) XUnmapWindow(d, win->id);
        else if (win->mapped) XIconifyWindow(d, win->id, x_->ScreenNumber());
    } else if (win->wantVisible) {
        SetWmHints(*win, false);
        XMapWindow(d, win->id);
    }
    XFlush(d);
}

} // namespace tavrik
