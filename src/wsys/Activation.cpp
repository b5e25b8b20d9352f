#include "wsys/Messages.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

bool TWindowSystem::CanActivate(const TWindow* top) const
{
    return top && top->IsAlive() && top->IsTopLevel() && IsVisible(top) && IsEnabled(top) &&
           !(top->exStyle & WS_EX_NOACTIVATE) && !(top->style & WS_MINIMIZE);
}

void TWindowSystem::RaiseTopLevel(TWindow* top)
{
    // The window and everything it owns move to the top of their bands; owned windows stay
    // above their owner in the order they had.
    std::vector<TWindow*> group{top};
    for (size_t i = 0; i < group.size(); ++i)
        for (TWindow* t : topLevels_)
            if (t->owner == group[i]) group.push_back(t);
    std::vector<TWindow*> ownedBottomUp;
    for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it)
        if (*it != top && std::find(group.begin(), group.end(), *it) != group.end()) ownedBottomUp.push_back(*it);
    std::vector<TWindow*> before = topLevels_;
    for (TWindow* t : group) std::erase(topLevels_, t);
    InsertTopLevel(top);
    for (TWindow* t : ownedBottomUp) InsertTopLevel(t);
    if (before != topLevels_) SyncNativeStacking();
}

void TWindowSystem::Activate(TWindow* top, int how, bool fromBackend)
{
    if (top == active_) return;
    TWindow* old = active_;
    HWND oldHandle = old ? old->handle : nullptr;
    HWND newHandle = top ? top->handle : nullptr;
    // Either window may be destroyed by the other's handlers; the pins keep the objects.
    std::shared_ptr<TWindow> pinOld = Pin(oldHandle);
    std::shared_ptr<TWindow> pinNew = Pin(newHandle);
    // A handler that activates something else (or destroys a window, which moves activation)
    // starts a newer activation; this one then stops where it is.
    uint64_t serial = ++activationSerial_;
    auto superseded = [&] { return serial != activationSerial_; };

    // While the old window hears of its deactivation no window is active, so that it can
    // hide or destroy itself without activation coming back to it.
    active_ = nullptr;
    if (old && old->life != TWindowLife::Dead) {
        bool minimized = (old->style & WS_MINIMIZE) != 0;
        Send(old, WM_NCACTIVATE, 0, LPARAM(HandleValue(newHandle)));
        Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, minimized), LPARAM(HandleValue(newHandle)));
        if (superseded()) return;
    }
    if (top && !CanActivate(top)) top = nullptr;
    active_ = top;
    if (!old || !top) {
        std::vector<HWND> all;
        for (TWindow* t : topLevels_) all.push_back(t->handle);
        for (HWND h : all) Send(h, WM_ACTIVATEAPP, top ? 1 : 0, 0);
        if (superseded()) return;
    }
    if (!top) {
        if (focus_) SetFocusTo(nullptr);
        return;
    }
    for (TWindow* o = top->owner; o; o = o->owner) o->lastActivePopup = top;
    RaiseTopLevel(top);
    if (!fromBackend && top->native) backend_->ActivateNativeWindow(top->native);
    bool minimized = (top->style & WS_MINIMIZE) != 0;
    Send(top, WM_NCACTIVATE, 1, LPARAM(HandleValue(oldHandle)));
    if (superseded()) return;
    Send(top, WM_ACTIVATE, MAKEWPARAM(how, minimized), LPARAM(HandleValue(oldHandle)));
    // The focus never stays in a window that is no longer active.
    if (!superseded() && focus_ && Root(focus_) != top) SetFocusTo(nullptr);
}

TWindow* TWindowSystem::SetFocusTo(TWindow* w)
{
    if (w == focus_) return focus_;
    if (w && !w->IsAlive()) return nullptr;
    HWND handle = w ? w->handle : nullptr;
    HWND before = focus_ ? focus_->handle : nullptr;
    std::shared_ptr<TWindow> pinNew = Pin(handle);
    std::shared_ptr<TWindow> pinOld = Pin(before);
    if (w && Root(w) != active_) {
        TWindow* top = Root(w);
        if (!CanActivate(top)) return nullptr;
        Activate(top, WA_ACTIVE, false);
        w = Find(handle);
        if (!w || focus_ == w || active_ != top) return Find(before);
    }
    TWindow* old = focus_;
    HWND oldHandle = old ? old->handle : nullptr;
    focus_ = w;
    if (old && old->life != TWindowLife::Dead) Send(old, WM_KILLFOCUS, WPARAM(HandleValue(handle)), 0);
    if (w && focus_ == w && w->life != TWindowLife::Dead) Send(w, WM_SETFOCUS, WPARAM(HandleValue(oldHandle)), 0);
    return Find(before);
}

bool TWindowSystem::Enable(TWindow* w, bool enable)
{
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable == !wasDisabled) return wasDisabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (focus_ && IsDescendant(w, focus_)) SetFocusTo(nullptr);
        input_.ReleaseCaptureOf(w);
    }
    if (Find(w->handle)) Send(w, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

void TWindowSystem::ActivateAfterLoss(TWindow* lost)
{
    if (!active_ || !IsDescendant(lost, active_)) return;
    TWindow* next = nullptr;
    for (TWindow* o = lost->owner; o && !next; o = o->owner)
        if (CanActivate(o)) next = o;
    for (TWindow* t : topLevels_) {
        if (next) break;
        if (t != lost && CanActivate(t) && !(t->exStyle & WS_EX_TOOLWINDOW)) next = t;
    }
    Activate(next, WA_ACTIVE, false);
}

} // namespace tavrik
