#include "wsys/SizeMoveLoop.h"

#include "wsys/Messages.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

TSizeMoveLoop::TSizeMoveLoop(TWindowSystem& ws, TWindow* window, int edge, TPoint cursor)
    : ws_(ws), handle_(window->handle), edge_(edge), startCursor_(cursor), lastCursor_(cursor)
{
    startRect_ = current_ = TWindowSystem::WindowScreenRect(window);
}

void TSizeMoveLoop::Run()
{
    TWindow* w = ws_.Find(handle_);
    if (!w) return;
    ws_.Input().SetCapture(w);
    ws_.Send(w, WM_ENTERSIZEMOVE, 0, 0);
    if (!(w = ws_.Find(handle_))) return;
    MINMAXINFO mmi = ws_.QueryMinMaxInfo(w);
    minTrack_ = mmi.ptMinTrackSize;
    maxTrack_ = {std::max(mmi.ptMaxTrackSize.x, minTrack_.x), std::max(mmi.ptMaxTrackSize.y, minTrack_.y)};

    bool done = false, cancelled = false;
    while (!done) {
        if (!(w = ws_.Find(handle_)) || ws_.Input().Capture() != w) break;
        MSG m;
        if (!ws_.Get(m, nullptr, 0, 0)) {
            ws_.Queue().PostQuit(int(m.wParam));
            break;
        }
        bool ours = m.hwnd == handle_;
        if (ours && m.message == WM_MOUSEMOVE) {
            Track(m.pt);
            continue;
        }
        if (ours && m.message == WM_LBUTTONUP) {
            Track(m.pt);
            done = true;
            continue;
        }
        if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN) {
            if (m.wParam == VK_ESCAPE) cancelled = done = true;
            if (m.wParam == VK_RETURN) done = true;
            continue;
        }
        if ((m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) || (ours && m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST))
            continue;
        if (!ws_.FilterMessage(m)) ws_.Dispatch(m);
    }
    if (ws_.Find(handle_)) {
        if (cancelled) Place(startRect_);
        else if (!ws_.DragFullWindows() && current_ != TWindowSystem::WindowScreenRect(ws_.Find(handle_))) Place(current_);
    }
    if ((w = ws_.Find(handle_)) && ws_.Input().Capture() == w) ws_.Input().SetCapture(nullptr);
    if ((w = ws_.Find(handle_))) ws_.Send(w, WM_EXITSIZEMOVE, 0, 0);
}

TRect TSizeMoveLoop::Proposed(TPoint cursor) const
{
    int dx = cursor.x - startCursor_.x, dy = cursor.y - startCursor_.y;
    if (edge_ == 0) return startRect_.Offset(dx, dy);
    TRect r = startRect_;
    bool left = edge_ == WMSZ_LEFT || edge_ == WMSZ_TOPLEFT || edge_ == WMSZ_BOTTOMLEFT;
    bool right = edge_ == WMSZ_RIGHT || edge_ == WMSZ_TOPRIGHT || edge_ == WMSZ_BOTTOMRIGHT;
    bool top = edge_ == WMSZ_TOP || edge_ == WMSZ_TOPLEFT || edge_ == WMSZ_TOPRIGHT;
    bool bottom = edge_ == WMSZ_BOTTOM || edge_ == WMSZ_BOTTOMLEFT || edge_ == WMSZ_BOTTOMRIGHT;
    // The dragged edge moves; the opposite one stays, and the size stays within its limits.
    if (left) r.Left = r.Right - std::clamp(r.Width() - dx, minTrack_.x, maxTrack_.x);
    if (right) r.Right = r.Left + std::clamp(r.Width() + dx, minTrack_.x, maxTrack_.x);
    if (top) r.Top = r.Bottom - std::clamp(r.Height() - dy, minTrack_.y, maxTrack_.y);
    if (bottom) r.Bottom = r.Top + std::clamp(r.Height() + dy, minTrack_.y, maxTrack_.y);
    return r;
}

void TSizeMoveLoop::Track(TPoint cursor)
{
    TWindow* w = ws_.Find(handle_);
    if (!w || cursor == lastCursor_) return;
    lastCursor_ = cursor;
    TRect r = Proposed(cursor);
    if (edge_ == 0) ws_.Send(w, WM_MOVING, 0, PtrToLParam(&r));
    else ws_.Send(w, WM_SIZING, WPARAM(edge_), PtrToLParam(&r));
    if (r == current_) return;
    current_ = r;
    if (ws_.DragFullWindows()) Place(r);
}

void TSizeMoveLoop::Place(const TRect& screenRect)
{
    TWindow* w = ws_.Find(handle_);
    if (!w) return;
    TPoint origin = w->parent ? TWindowSystem::ClientScreenOrigin(w->parent) : TPoint{};
    TRect now = TWindowSystem::WindowScreenRect(w);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (screenRect.Width() == now.Width() && screenRect.Height() == now.Height()) flags |= SWP_NOSIZE;
    ws_.SetWindowPos(w, nullptr, screenRect.Left - origin.x, screenRect.Top - origin.y, screenRect.Width(),
                     screenRect.Height(), flags);
    current_ = screenRect;
}

} // namespace tavrik
