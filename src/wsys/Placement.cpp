#include "wsys/Messages.h"
#include "wsys/Painter.h"
#include "wsys/SystemInfo.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

TPoint TWindowSystem::WindowScreenOrigin(const TWindow* w)
{
    if (!w->parent) return w->rect.TopLeft();
    TPoint p = ClientScreenOrigin(w->parent);
    return {p.x + w->rect.Left, p.y + w->rect.Top};
}

TPoint TWindowSystem::ClientScreenOrigin(const TWindow* w)
{
    TPoint p = WindowScreenOrigin(w);
    return {p.x + w->client.Left, p.y + w->client.Top};
}

TRect TWindowSystem::WindowScreenRect(const TWindow* w)
{
    TPoint p = WindowScreenOrigin(w);
    return Bounds(p.x, p.y, w->rect.Width(), w->rect.Height());
}

TRect TWindowSystem::ClientScreenRect(const TWindow* w)
{
    TPoint p = ClientScreenOrigin(w);
    return Bounds(p.x, p.y, w->client.Width(), w->client.Height());
}

TRect TWindowSystem::CalcClientRect(TWindow* w, const TRect& windowRect)
{
    TRect r = windowRect;
    Send(w, WM_NCCALCSIZE, 0, PtrToLParam(&r));
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r.Offset(-windowRect.Left, -windowRect.Top);
}

TRect TWindowSystem::WorkAreaFor(const TWindow* w)
{
    std::vector<TMonitor> monitors = backend_->Monitors();
    if (monitors.empty()) return {};
    return monitors[MonitorIndexNearest(monitors, w ? WindowScreenRect(Root(const_cast<TWindow*>(w))) : TRect{})].workArea;
}

MINMAXINFO TWindowSystem::QueryMinMaxInfo(TWindow* w)
{
    TRect work = WorkAreaFor(w);
    MINMAXINFO mmi;
    mmi.ptMaxSize = {work.Width(), work.Height()};
    mmi.ptMaxPosition = work.TopLeft();
    mmi.ptMinTrackSize = {SystemMetric(SM_CXMINTRACK), SystemMetric(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = {SystemMetric(SM_CXMAXTRACK), SystemMetric(SM_CYMAXTRACK)};
    Send(w, WM_GETMINMAXINFO, 0, PtrToLParam(&mmi));
    return mmi;
}

void TWindowSystem::SyncNativeStacking()
{
    std::vector<TNativeWindow> order;
    for (TWindow* t : topLevels_)
        if (t->native && (t->style & WS_VISIBLE)) order.push_back(t->native);
    backend_->SetNativeStacking(order);
}

bool TWindowSystem::Reorder(TWindow* w, HWND insertAfter)
{
    std::vector<TWindow*>& list = Siblings(w);
    std::vector<TWindow*> before = list;
    if (w->IsTopLevel()) {
        if (insertAfter == HWND_TOPMOST) w->exStyle |= WS_EX_TOPMOST;
        if (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM) w->exStyle &= ~WS_EX_TOPMOST;
        if (w->native) backend_->SetNativeTopmost(w->native, (w->exStyle & WS_EX_TOPMOST) != 0);
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
            RaiseTopLevel(w);
            return before != list;
        }
    }
    std::erase(list, w);
    auto pos = list.begin();
    if (insertAfter == HWND_BOTTOM) {
        pos = list.end();
    } else if (TWindow* after = Find(insertAfter); after && after != w) {
        auto it = std::find(list.begin(), list.end(), after);
        if (it != list.end()) pos = std::next(it);
    }
    list.insert(pos, w);
    if (w->IsTopLevel() && before != list) SyncNativeStacking();
    return before != list;
}

bool TWindowSystem::SetWindowPos(TWindow* w, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    if (!w || w->life == TWindowLife::Dead) return false;
    HWND handle = w->handle;
    std::shared_ptr<TWindow> pin = Pin(handle);
    WINDOWPOS pos{handle, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) pos.x = w->rect.Left, pos.y = w->rect.Top;
    if (flags & SWP_NOSIZE) pos.cx = w->rect.Width(), pos.cy = w->rect.Height();
    if (!(flags & SWP_NOSENDCHANGING)) {
        Send(w, WM_WINDOWPOSCHANGING, 0, PtrToLParam(&pos));
        if (!Find(handle)) return false;
    }
    flags = pos.flags;
    TRect oldRect = w->rect;
    TRect oldClient = w->client;
    bool wasVisible = IsVisible(w);
    TRect newRect = Bounds((flags & SWP_NOMOVE) ? oldRect.Left : pos.x, (flags & SWP_NOMOVE) ? oldRect.Top : pos.y,
                           (flags & SWP_NOSIZE) ? oldRect.Width() : std::max(0, pos.cx),
                           (flags & SWP_NOSIZE) ? oldRect.Height() : std::max(0, pos.cy));
    bool moved = newRect.TopLeft() != oldRect.TopLeft();
    bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
    flags = (flags & ~(SWP_NOMOVE | SWP_NOSIZE)) | (moved ? 0 : SWP_NOMOVE) | (sized ? 0 : SWP_NOSIZE);

    TRect newClient = oldClient;
    if (sized || (flags & SWP_FRAMECHANGED)) {
        NCCALCSIZE_PARAMS params;
        params.rgrc[0] = newRect;
        params.rgrc[1] = oldRect;
        params.rgrc[2] = oldClient.Offset(oldRect.Left, oldRect.Top);
        params.lppos = &pos;
        Send(w, WM_NCCALCSIZE, 1, PtrToLParam(&params));
        if (!Find(handle)) return false;
        TRect r = params.rgrc[0];
        r.Right = std::max(r.Right, r.Left);
        r.Bottom = std::max(r.Bottom, r.Top);
        newClient = r.Offset(-newRect.Left, -newRect.Top);
    }
    w->rect = newRect;
    w->client = newClient;
    bool zChanged = !(flags & SWP_NOZORDER) && Reorder(w, pos.hwndInsertAfter);
    if ((flags & SWP_SHOWWINDOW) && !(w->style & WS_VISIBLE)) w->style |= WS_VISIBLE;
    else if ((flags & SWP_HIDEWINDOW) && (w->style & WS_VISIBLE)) w->style &= ~WS_VISIBLE;
    bool nowVisible = IsVisible(w);
    // A hidden window gives up the mouse: the release it waits for may never come (an X server
    // ends the pointer grab of a window it unmaps, and the release then goes to whatever lies
    // under the pointer, another program's window or the desktop), and until it came every
    // press would go to the hidden window.
    if (wasVisible && !nowVisible) {
        input_.ReleaseCaptureOf(w);
        if (!Find(handle)) return true;
    }

    if (w->IsTopLevel()) {
        if (sized) painter_->ResizeBacking(w);
        if (moved || sized) painter_->BoundsChanged(w);
        if (wasVisible != nowVisible) {
            painter_->VisibilityChanged(w, nowVisible);
            SyncNativeStacking();
        }
    }
    if (!(flags & SWP_NOREDRAW)) {
        if (wasVisible != nowVisible) flags |= nowVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
        InvalidateAfterMove(w, oldRect, wasVisible, flags | (zChanged ? 0 : SWP_NOZORDER));
    }
    if (wasVisible && !nowVisible && w->IsChild() && focus_ && IsDescendant(w, focus_))
        SetFocusTo(IsVisible(w->parent) ? w->parent : nullptr);

    pos.x = w->rect.Left;
    pos.y = w->rect.Top;
    pos.cx = w->rect.Width();
    pos.cy = w->rect.Height();
    pos.flags = flags;
    DeliverWindowPosChanged(w, pos, oldClient);
    if (!Find(handle)) return true;

    if (w->IsTopLevel()) {
        if (nowVisible && !(flags & SWP_NOACTIVATE) && CanActivate(w)) Activate(w, WA_ACTIVE, false);
        else if (wasVisible && !nowVisible) ActivateAfterLoss(w);
    }
    return true;
}

void TWindowSystem::DeliverWindowPosChanged(TWindow* w, WINDOWPOS& pos, const TRect& oldClient)
{
    // WM_SIZE and WM_MOVE come from DefWindowProc; they follow the client area, which a
    // changed frame moves even when the window keeps its place.
    if (w->client.Width() != oldClient.Width() || w->client.Height() != oldClient.Height()) pos.flags &= ~SWP_NOSIZE;
    if (w->client.TopLeft() != oldClient.TopLeft()) pos.flags &= ~SWP_NOMOVE;
    Send(w, WM_WINDOWPOSCHANGED, 0, PtrToLParam(&pos));
}

void TWindowSystem::InvalidateAfterMove(TWindow* w, const TRect& oldRect, bool wasVisible, UINT flags)
{
    bool geometry = !(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE) || (flags & SWP_FRAMECHANGED);
    bool nowVisible = IsVisible(w);
    bool shownOrHidden = wasVisible != nowVisible;
    bool zChanged = !(flags & SWP_NOZORDER);
    if (!geometry && !shownOrHidden && !zChanged) return;
    if (w->IsChild()) {
        // What the window covered before shows the parent and the siblings below it again.
        if (wasVisible && (geometry || shownOrHidden)) painter_->InvalidateParentArea(w->parent, oldRect);
        if (nowVisible) painter_->InvalidateTree(w);
        return;
    }
    if (!nowVisible) return;
    if (shownOrHidden) {
        painter_->InvalidateTree(w);
    } else if (!(flags & SWP_NOSIZE) || (flags & SWP_FRAMECHANGED)) {
        TRegion before(Bounds(0, 0, oldRect.Width(), oldRect.Height()));
        if (w->shape) before &= *w->shape;
        painter_->InvalidateUncovered(w, before);
        painter_->InvalidateOwnArea(w);
    }
}

bool TWindowSystem::Show(TWindow* w, int command)
{
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    HWND handle = w->handle;
    std::shared_ptr<TWindow> pin = Pin(handle); // handlers may destroy it on the way
    if (command == SW_HIDE) {
        if (!wasVisible) return false;
        Send(w, WM_SHOWWINDOW, 0, 0);
        if (Find(handle))
            SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
    if (w->IsTopLevel() && ShowState(w, command)) return wasVisible;
    bool activate = w->IsTopLevel() && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                    command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE;
    if (!wasVisible) {
        Send(w, WM_SHOWWINDOW, 1, 0);
        if (!Find(handle)) return false;
    }
    if (!wasVisible || activate) {
        UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (activate ? 0 : SWP_NOACTIVATE);
        if (!wasVisible) flags |= SWP_SHOWWINDOW;
        SetWindowPos(w, nullptr, 0, 0, 0, 0, flags);
    }
    return wasVisible;
}

// Minimizing, maximizing and restoring a top-level window; false when the command is a plain show.
bool TWindowSystem::ShowState(TWindow* w, int command)
{
    HWND handle = w->handle;
    bool minimized = (w->style & WS_MINIMIZE) != 0;
    bool maximized = (w->style & WS_MAXIMIZE) != 0;
    auto ensureShown = [&](bool activate) {
        if (!Find(handle)) return;
        if (!(w->style & WS_VISIBLE)) {
            Send(w, WM_SHOWWINDOW, 1, 0);
            if (!Find(handle)) return;
        }
        SetWindowPos(w, nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | (activate ? 0 : SWP_NOACTIVATE));
    };
    switch (command) {
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        if (!minimized) {
            if (!maximized) w->restoreRect = w->rect;
            ensureShown(false);
            if (!Find(handle)) return true;
            SetMinimizedFromBackend(w, true);
            if (w->native) backend_->MinimizeNativeWindow(w->native, true);
        }
        return true;
    case SW_MAXIMIZE: {
        if (minimized) {
            SetMinimizedFromBackend(w, false);
            if (w->native) backend_->MinimizeNativeWindow(w->native, false);
        }
        if (!Find(handle)) return true;
        if (!maximized && !minimized) w->restoreRect = w->rect;
        MINMAXINFO mmi = QueryMinMaxInfo(w);
        if (!Find(handle)) return true;
        w->style |= WS_MAXIMIZE;
        if (!(w->style & WS_VISIBLE)) Send(w, WM_SHOWWINDOW, 1, 0);
        if (Find(handle))
            SetWindowPos(w, nullptr, mmi.ptMaxPosition.x, mmi.ptMaxPosition.y, mmi.ptMaxSize.x, mmi.ptMaxSize.y,
                         SWP_SHOWWINDOW | SWP_NOZORDER | SWP_FRAMECHANGED);
        return true;
    }
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        if (minimized) {
            SetMinimizedFromBackend(w, false);
            if (w->native) backend_->MinimizeNativeWindow(w->native, false);
            ensureShown(true);
            return true;
        }
        if (maximized) {
            w->style &= ~WS_MAXIMIZE;
            TRect r = w->restoreRect;
            SetWindowPos(w, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_SHOWWINDOW | SWP_NOZORDER | SWP_FRAMECHANGED);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TWindowSystem::SetMinimizedFromBackend(TWindow* w, bool minimized)
{
    if (bool(w->style & WS_MINIMIZE) == minimized) return;
    HWND handle = w->handle;
    std::shared_ptr<TWindow> pin = Pin(handle);
    if (minimized) {
        w->style |= WS_MINIMIZE;
        ActivateAfterLoss(w);
    } else {
        w->style &= ~WS_MINIMIZE;
    }
    if (!Find(handle)) return;
    WPARAM kind = minimized ? SIZE_MINIMIZED : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    Send(w, WM_SIZE, kind, MAKELPARAM(w->client.Width(), w->client.Height()));
}

void TWindowSystem::ApplyBackendBounds(TWindow* w, const TRect& bounds)
{
    if (bounds == w->rect) return;
    SetWindowPos(w, nullptr, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace tavrik
