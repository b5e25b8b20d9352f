#include "wsys/InputRouter.h"

#include "core/Utf8.h"
#include "wsys/Messages.h"
#include "wsys/NotificationArea.h"
#include "wsys/Painter.h"
#include "wsys/SystemInfo.h"
#include "wsys/WindowSystem.h"

#include <algorithm>
#include <cstdlib>

namespace tavrik {

void TInputRouter::TranslateNext(std::deque<TBackendEvent>& raw, TMessageQueue& queue)
{
    TBackendEvent ev = std::move(raw.front());
    raw.pop_front();
    switch (ev.kind) {
    case TBackendEventKind::MouseMove:
        // Only the latest of several queued moves matters, as on every desktop.
        while (!raw.empty() && raw.front().kind == TBackendEventKind::MouseMove) {
            ev = std::move(raw.front());
            raw.pop_front();
        }
        Mouse(ev, queue);
        break;
    case TBackendEventKind::ButtonDown:
    case TBackendEventKind::ButtonUp:
    case TBackendEventKind::Wheel:
        Mouse(ev, queue);
        break;
    case TBackendEventKind::MouseLeave:
        Leave(nullptr, false);
        break;
    case TBackendEventKind::KeyDown:
    case TBackendEventKind::KeyUp:
        Key(ev, queue);
        break;
    case TBackendEventKind::DragOver:
    case TBackendEventKind::Drop:
        FileDrag(ev);
        break;
    case TBackendEventKind::TrayMouseMove:
    case TBackendEventKind::TrayButtonDown:
    case TBackendEventKind::TrayButtonUp:
    case TBackendEventKind::TrayMouseLeave:
        TrayMouse(ev, queue);
        break;
    case TBackendEventKind::TrayChanged:
        ws_.NotificationArea().TrayChanged(ev.trayRunning);
        break;
    default:
        WindowEvent(ev, queue);
        break;
    }
}

namespace {

uint32_t ButtonVk(TMouseButton b)
{
    switch (b) {
    case TMouseButton::Left: return VK_LBUTTON;
    case TMouseButton::Right: return VK_RBUTTON;
    case TMouseButton::Middle: return VK_MBUTTON;
    default: return 0;
    }
}

// The client messages of a button: down, up, double click; the non-client ones are 0x160 lower.
UINT ButtonBase(TMouseButton b)
{
    switch (b) {
    case TMouseButton::Right: return WM_RBUTTONDOWN;
    case TMouseButton::Middle: return WM_MBUTTONDOWN;
    default: return WM_LBUTTONDOWN;
    }
}

constexpr UINT kClientToNonClient = WM_LBUTTONDOWN - WM_NCLBUTTONDOWN;

bool IsClientMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

// The desktop raised and focused a window that a modal one has disabled (a window manager does
// so at a click on it): the modal window comes forward again and keeps the activation, as it
// would at a click without a window manager.
void BringModalForward(TWindowSystem& ws, const TWindow* disabled)
{
    TWindow* modal = disabled->lastActivePopup;
    if (!modal || !ws.CanActivate(modal)) return;
    if (ws.Active() == modal && modal->native) ws.Backend().ActivateNativeWindow(modal->native);
    else ws.Activate(modal, WA_ACTIVE, false);
}

} // namespace

WPARAM TInputRouter::MouseKeyFlags() const
{
    WPARAM f = 0;
    if (asyncKeys_.IsDown(VK_LBUTTON)) f |= MK_LBUTTON;
    if (asyncKeys_.IsDown(VK_RBUTTON)) f |= MK_RBUTTON;
    if (asyncKeys_.IsDown(VK_MBUTTON)) f |= MK_MBUTTON;
    if (asyncKeys_.IsDown(VK_SHIFT)) f |= MK_SHIFT;
    if (asyncKeys_.IsDown(VK_CONTROL)) f |= MK_CONTROL;
    return f;
}

void TInputRouter::SyncModifiers(uint8_t modifiers, uint32_t exceptVk)
{
    const struct {
        uint32_t vk;
        uint8_t bit;
    } keys[] = {{VK_SHIFT, kModShift}, {VK_CONTROL, kModControl}, {VK_MENU, kModAlt}};
    for (auto k : keys)
        if (k.vk != exceptVk) asyncKeys_.SetDown(k.vk, (modifiers & k.bit) != 0);
}

void TInputRouter::Mouse(const TBackendEvent& ev, TMessageQueue& queue)
{
    cursor_ = ev.screen;
    SyncModifiers(ev.modifiers, 0);
    if (ev.kind == TBackendEventKind::ButtonDown || ev.kind == TBackendEventKind::ButtonUp) {
        asyncKeys_.SetDown(ButtonVk(ev.button), ev.kind == TBackendEventKind::ButtonDown);
        if (ev.kind == TBackendEventKind::ButtonDown) ws_.ClearMenuKey();
    }
    DWORD time = ws_.EventTime(ev);

    if (ev.kind == TBackendEventKind::Wheel) {
        TWindow* target = ws_.Focus() ? ws_.Focus() : ws_.Active();
        if (target) PushMouse(queue, target, WM_MOUSEWHEEL, MAKEWPARAM(int(MouseKeyFlags()), ev.wheelDelta), ev.screen, time);
        return;
    }

    if (ev.outside && !capture_) {
        // Over another program: only the watching popups hear of a press there.
        Leave(nullptr, false);
        if (ev.kind == TBackendEventKind::ButtonDown) TellWatchers(nullptr);
        return;
    }
    if (ev.kind == TBackendEventKind::ButtonDown && !watchers_.empty()) {
        bool inClient = false;
        TellWatchers(WindowAt(ev.screen, inClient));
    }

    TWindow* target = capture_;
    int hit = HTCLIENT;
    if (!capture_) {
        THit h = HitTest(ev.screen, ev.window);
        target = h.window;
        hit = h.code;
        Leave(target, hit == HTCLIENT);
    } else {
        bool inClient = false;
        TWindow* under = WindowAt(ev.screen, inClient);
        Leave(under, inClient);
    }
    if (!target) return;

    UINT clientMsg = WM_MOUSEMOVE;
    if (ev.kind != TBackendEventKind::MouseMove)
        clientMsg = ButtonBase(ev.button) + (ev.kind == TBackendEventKind::ButtonUp ? 1 : 0);
    HWND handle = target->handle;
    if (ev.kind == TBackendEventKind::ButtonDown && !capture_) {
        if (hit != HTERROR) NotifyParents(target, clientMsg, ev.screen);
        if (!(target = ws_.Find(handle)) || !Activate(target, hit, clientMsg)) return;
        if (!(target = ws_.Find(handle))) return;
    }
    if (!capture_) {
        ws_.Send(target, WM_SETCURSOR, WPARAM(HandleValue(handle)), MAKELPARAM(hit, int(clientMsg)));
        target = ws_.Find(handle);
        if (!target || hit == HTERROR) return;
    }

    UINT msg = clientMsg;
    if (ev.kind == TBackendEventKind::ButtonDown) msg = ButtonMessage(ev, target, hit, ev.screen);
    bool client = hit == HTCLIENT || capture_;
    if (!client) msg -= kClientToNonClient;
    PushMouse(queue, target, msg, client ? MouseKeyFlags() : WPARAM(hit), ev.screen, time);
}

UINT TInputRouter::ButtonMessage(const TBackendEvent& ev, TWindow* target, int hit, TPoint screen)
{
    UINT down = ButtonBase(ev.button);
    bool client = hit == HTCLIENT || capture_;
    int cx = SystemMetric(SM_CXDOUBLECLK) / 2;
    int cy = SystemMetric(SM_CYDOUBLECLK) / 2;
    bool dbl = lastClick_.valid && lastClick_.window == target && lastClick_.button == ev.button &&
               lastClick_.code == hit && ev.time >= lastClick_.time &&
               ev.time - lastClick_.time <= ws_.DoubleClickTime() && std::abs(screen.x - lastClick_.at.x) <= cx &&
               std::abs(screen.y - lastClick_.at.y) <= cy;
    // Client areas only see double clicks when their class asks for them.
    if (dbl && client && !(target->cls->style & CS_DBLCLKS)) dbl = false;
    if (dbl) {
        lastClick_.valid = false;
        return down + 2;
    }
    lastClick_ = TClick{target, hit, ev.button, ev.time, screen, true};
    return down;
}

bool TInputRouter::Activate(TWindow* target, int hit, UINT mouseMsg)
{
    // Every press asks the window under the pointer, unless it is the active window itself:
    // children are always asked, so that their parents hear about clicks inside them.
    TWindow* top = TWindowSystem::Root(target);
    if (hit == HTERROR || target == ws_.Active()) return true;
    HWND topHandle = top->handle;
    LRESULT answer =
        ws_.Send(target, WM_MOUSEACTIVATE, WPARAM(HandleValue(topHandle)), MAKELPARAM(hit, int(mouseMsg)));
    if (answer != MA_NOACTIVATE && answer != MA_NOACTIVATEANDEAT)
        if (TWindow* t = ws_.Find(topHandle); t && t != ws_.Active() && ws_.CanActivate(t))
            ws_.Activate(t, WA_CLICKACTIVE, false);
    return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

void TInputRouter::NotifyParents(TWindow* target, UINT mouseMsg, TPoint screen)
{
    // Each ancestor hears of the press, in its own client coordinates, up to the first
    // window that asked its parent not to be told.
    std::vector<HWND> chain;
    for (TWindow* w = target; w->parent && !(w->exStyle & WS_EX_NOPARENTNOTIFY); w = w->parent)
        chain.push_back(w->parent->handle);
    for (HWND h : chain) {
        TWindow* p = ws_.Find(h);
        if (!p) return;
        TPoint origin = TWindowSystem::ClientScreenOrigin(p);
        ws_.Send(p, WM_PARENTNOTIFY, MAKEWPARAM(int(mouseMsg), 0), MAKELPARAM(screen.x - origin.x, screen.y - origin.y));
    }
}

void TInputRouter::PushMouse(TMessageQueue& queue, TWindow* target, UINT msg, WPARAM wp, TPoint screen, DWORD time)
{
    LPARAM lp = PointToLParam(screen);
    if (IsClientMouseMessage(msg)) {
        TPoint origin = TWindowSystem::ClientScreenOrigin(target);
        lp = PointToLParam({screen.x - origin.x, screen.y - origin.y});
    }
    queue.PushInput({MSG{target->handle, msg, wp, lp, time, screen}, asyncKeys_});
}

TInputRouter::THit TInputRouter::HitTest(TPoint screen, uint64_t nativeHint)
{
    struct TSearch {
        TWindowSystem& ws;
        TPoint screen;
        THit In(TWindow* w)
        {
            HWND handle = w->handle;
            if (TWindowSystem::ClientScreenRect(w).Contains(screen)) {
                std::vector<HWND> children;
                for (TWindow* c : w->children) children.push_back(c->handle);
                for (HWND h : children) {
                    TWindow* c = ws.Find(h);
                    if (!c || !(c->style & WS_VISIBLE) || (c->exStyle & WS_EX_TRANSPARENT) || !TWindowSystem::IsEnabled(c))
                        continue;
                    if (!ws.Painter().HitsWindow(c, screen)) continue;
                    THit hit = In(c);
                    if (hit.window) return hit;
                }
            }
            if (!ws.Find(handle)) return {};
            LRESULT code = ws.Send(w, WM_NCHITTEST, 0, PointToLParam(screen));
            if (!ws.Find(handle) || code == HTTRANSPARENT) return {};
            return {w, int(code)};
        }
    } search{ws_, screen};

    std::vector<HWND> order;
    for (TWindow* t : ws_.TopLevels()) {
        if (nativeHint && t->native == nativeHint) order.insert(order.begin(), t->handle);
        else order.push_back(t->handle);
    }
    for (HWND h : order) {
        TWindow* t = ws_.Find(h);
        if (!t || !(t->style & WS_VISIBLE) || (t->style & WS_MINIMIZE) || (t->exStyle & WS_EX_TRANSPARENT)) continue;
        if (!ws_.Painter().HitsWindow(t, screen)) continue;
        if (!TWindowSystem::IsEnabled(t)) return {t, HTERROR};
        THit hit = search.In(t);
        if (hit.window) return hit;
    }
    return {};
}

TWindow* TInputRouter::WindowAt(TPoint screen, bool& inClient) const
{
    inClient = false;
    for (TWindow* t : ws_.TopLevels()) {
        if (!(t->style & WS_VISIBLE) || (t->style & WS_MINIMIZE) || !ws_.Painter().HitsWindow(t, screen)) continue;
        TWindow* w = t;
        for (bool descended = true; descended;) {
            descended = false;
            if (!TWindowSystem::ClientScreenRect(w).Contains(screen)) break;
            for (TWindow* c : w->children) {
                if ((c->style & WS_VISIBLE) && TWindowSystem::IsEnabled(c) && ws_.Painter().HitsWindow(c, screen)) {
                    w = c;
                    descended = true;
                    break;
                }
            }
        }
        inClient = TWindowSystem::ClientScreenRect(w).Contains(screen);
        return w;
    }
    return nullptr;
}

TWindow* TInputRouter::SetCapture(TWindow* w)
{
    TWindow* old = capture_;
    if (old == w) return old;
    capture_ = w;
    TWindow* root = TWindowSystem::Root(w);
    ws_.Backend().SetMouseCapture(root ? root->native : 0);
    if (old && old->life != TWindowLife::Dead)
        ws_.Send(old, WM_CAPTURECHANGED, 0, w ? LPARAM(HandleValue(w->handle)) : 0);
    return old;
}

void TInputRouter::ReleaseCaptureOf(TWindow* subtree)
{
    if (capture_ && TWindowSystem::IsDescendant(subtree, capture_)) SetCapture(nullptr);
}

void TInputRouter::WatchOutsidePresses(TWindow* popup, bool watch)
{
    std::erase(watchers_, popup);
    if (watch) watchers_.push_back(popup);
    UpdateBackendWatch();
}

void TInputRouter::UpdateBackendWatch()
{
    // The grab goes to the latest shown watcher: the deepest level of a menu.
    TWindow* grab = nullptr;
    for (TWindow* w : watchers_)
        if (!grab || TWindowSystem::IsVisible(w)) grab = w;
    ws_.Backend().WatchOutsidePresses(grab ? grab->native : 0);
}

void TInputRouter::TellWatchers(TWindow* target)
{
    TWindow* root = TWindowSystem::Root(target);
    if (root && std::find(watchers_.begin(), watchers_.end(), root) != watchers_.end()) return;
    std::vector<HWND> told;
    for (TWindow* w : watchers_) told.push_back(w->handle);
    // Asked afresh each time: the first one told may close the others.
    for (HWND h : told)
        if (TWindow* w = ws_.Find(h); w && TWindowSystem::IsVisible(w) && std::ranges::count(watchers_, w))
            ws_.Send(w, WM_CANCELMODE, 0, 0);
}

bool TInputRouter::TrackMouseEvent(TRACKMOUSEEVENT& track)
{
    if (track.dwFlags & TME_QUERY) {
        // Reports the client tracking if any, else the frame tracking.
        TWindow* w = trackClient_.window ? trackClient_.window : trackNonClient_.window;
        track.dwFlags = !w ? 0 : trackClient_.window ? TME_LEAVE : TME_LEAVE | TME_NONCLIENT;
        track.hwndTrack = w ? w->handle : nullptr;
        return true;
    }
    TWindow* w = ws_.Find(track.hwndTrack);
    if (!w) return false;
    bool nonClient = (track.dwFlags & TME_NONCLIENT) != 0;
    TTracking& t = nonClient ? trackNonClient_ : trackClient_;
    if (track.dwFlags & TME_CANCEL) {
        if (t.window == w) t.window = nullptr;
        return true;
    }
    if (!(track.dwFlags & TME_LEAVE)) return true;
    t.window = w;
    // Asking while the pointer is already elsewhere reports the leave at once.
    if (lastUnder_.window != w || lastUnder_.inClient == nonClient) PostLeave(nonClient);
    return true;
}

void TInputRouter::Leave(TWindow* now, bool inClient)
{
    lastUnder_ = {now, inClient};
    if (trackClient_.window && (trackClient_.window != now || !inClient)) PostLeave(false);
    if (trackNonClient_.window && (trackNonClient_.window != now || inClient)) PostLeave(true);
}

void TInputRouter::PostLeave(bool nonClient)
{
    TTracking& t = nonClient ? trackNonClient_ : trackClient_;
    if (!t.window) return;
    HWND h = t.window->handle;
    t.window = nullptr;
    ws_.Post(h, nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
}

void TInputRouter::CheckMouseLeave()
{
    auto stillThere = [&](TWindow* w, bool nonClient) {
        if (!TWindowSystem::IsVisible(w) || !ws_.Painter().HitsWindow(w, cursor_)) return false;
        bool inClient = TWindowSystem::ClientScreenRect(w).Contains(cursor_);
        return inClient != nonClient;
    };
    if (trackClient_.window && !stillThere(trackClient_.window, false)) PostLeave(false);
    if (trackNonClient_.window && !stillThere(trackNonClient_.window, true)) PostLeave(true);
}

HCURSOR TInputRouter::SetCursor(HCURSOR cursor)
{
    HCURSOR old = cursorShape_;
    cursorShape_ = cursor;
    if (cursor && cursor != old) ws_.Backend().SetCursorShape(CursorShapeOf(cursor));
    return old;
}

void TInputRouter::Forget(TWindow* w)
{
    if (capture_ == w) {
        capture_ = nullptr;
        ws_.Backend().SetMouseCapture(0);
    }
    if (std::erase(watchers_, w) > 0) UpdateBackendWatch();
    if (trackClient_.window == w) trackClient_.window = nullptr;
    if (trackNonClient_.window == w) trackNonClient_.window = nullptr;
    if (lastUnder_.window == w) lastUnder_ = {};
    if (lastClick_.window == w) lastClick_ = {};
}

namespace {

uint32_t GenericKey(uint32_t vk)
{
    switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
    }
}

} // namespace

void TInputRouter::Key(const TBackendEvent& ev, TMessageQueue& queue)
{
    uint32_t vk = GenericKey(ev.vk);
    bool down = ev.kind == TBackendEventKind::KeyDown;
    SyncModifiers(ev.modifiers, vk);
    bool wasDown = asyncKeys_.IsDown(vk);
    if (vk != VK_PACKET) {
        asyncKeys_.SetDown(vk, down);
        if (ev.vk != vk) asyncKeys_.SetDown(ev.vk, down);
    }
    bool alt = asyncKeys_.IsDown(VK_MENU);
    bool ctrl = asyncKeys_.IsDown(VK_CONTROL);

    TWindow* target = ws_.Focus();
    bool noFocus = !target;
    if (!target) target = ws_.Active();
    // A menu opened while no window of the program is active (the notification icon's, while
    // the program hides there) takes the keys itself: its deepest shown level.
    if (!target) {
        for (TWindow* w : watchers_)
            if (TWindowSystem::IsVisible(w)) target = w;
        noFocus = false;
    }
    if (!target) return;
    // Alt combinations, F10 and every key while no window has the focus are system keys.
    bool sys = noFocus || (alt && !ctrl) || vk == VK_F10 || (!down && vk == VK_MENU && !ctrl);
    bool altContext = alt || vk == VK_MENU;
    LPARAM lp = 1 | (LPARAM(ev.extendedKey ? 1 : 0) << 24) | (LPARAM(altContext ? 1 : 0) << 29) |
                (LPARAM(down ? (wasDown ? 1 : 0) : 1) << 30) | (LPARAM(down ? 0 : 1) << 31);
    UINT msg = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
    DWORD time = ws_.EventTime(ev);
    queue.PushInput({MSG{target->handle, msg, WPARAM(vk), lp, time, cursor_}, asyncKeys_});
    if (!down) return;
    UINT charMsg = sys ? WM_SYSCHAR : WM_CHAR;
    for (char32_t cp : Utf8ToUtf32(ev.text))
        queue.PushInput({MSG{target->handle, charMsg, WPARAM(cp), lp, time, cursor_}, asyncKeys_});
}

// The notification area is outside our windows: the pointer left them when it is there.
void TInputRouter::TrayMouse(const TBackendEvent& ev, TMessageQueue& queue)
{
    if (ev.kind != TBackendEventKind::TrayMouseLeave) {
        cursor_ = ev.screen;
        SyncModifiers(ev.modifiers, 0);
        Leave(nullptr, false);
    }
    if (ev.kind == TBackendEventKind::TrayButtonDown || ev.kind == TBackendEventKind::TrayButtonUp) {
        asyncKeys_.SetDown(ButtonVk(ev.button), ev.kind == TBackendEventKind::TrayButtonDown);
        ws_.ClearMenuKey();
    }
    ws_.NotificationArea().Mouse(ev, queue, asyncKeys_, cursor_);
}

void TInputRouter::WindowEvent(const TBackendEvent& ev, TMessageQueue& queue)
{
    TWindow* w = nullptr;
    for (TWindow* t : ws_.TopLevels())
        if (t->native == ev.window) w = t;
    if (ev.kind == TBackendEventKind::DisplayChanged) {
        std::vector<HWND> all;
        for (TWindow* t : ws_.TopLevels()) all.push_back(t->handle);
        for (HWND h : all) ws_.Send(h, WM_DISPLAYCHANGE, 0, 0);
        return;
    }
    if (!w) return;
    switch (ev.kind) {
    case TBackendEventKind::Activated:
        if (ws_.CanActivate(w)) ws_.Activate(w, WA_ACTIVE, true);
        else BringModalForward(ws_, w);
        break;
    case TBackendEventKind::Deactivated:
        if (ws_.Active() == w) ws_.Activate(nullptr, WA_INACTIVE, true);
        break;
    case TBackendEventKind::CloseRequest:
        queue.PushInput({MSG{w->handle, WM_SYSCOMMAND, SC_CLOSE, PointToLParam(cursor_), ws_.EventTime(ev), cursor_},
                         asyncKeys_});
        break;
    case TBackendEventKind::Configured:
        ws_.ApplyBackendBounds(w, ev.rect);
        break;
    case TBackendEventKind::Exposed:
        ws_.Painter().Reexpose(w, ev.rect);
        break;
    case TBackendEventKind::Minimized:
    case TBackendEventKind::Restored:
        ws_.SetMinimizedFromBackend(w, ev.kind == TBackendEventKind::Minimized);
        break;
    default:
        break;
    }
}

} // namespace tavrik
