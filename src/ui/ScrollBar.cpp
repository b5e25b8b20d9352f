#include "ui/ScrollBar.h"

#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner)
{
    // The window system's bar follows the mouse itself while a button is held.
    SetControlStyle(ControlStyle() & ~unsigned(csCaptureMouse | csClickEvents | csDoubleClicks));
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    if (kind_ == TScrollBarKind::sbVertical) p.Style |= SBS_VERT;
}

void TScrollBar::CreateWnd()
{
    TWinControl::CreateWnd();
    SendToWindow();
}

void TScrollBar::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
        m.Result = ScrollBarControlProc(Handle(), m.Msg, m.WParam, m.LParam);
        return;
    case WM_SIZE:
    case WM_ENABLE:
        if (HandleAllocated()) InvalidateRect(Handle(), nullptr, false);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (TabStop() && CanFocus() && !Focused()) SetFocus();
        if (HandleAllocated()) ScrollBarControlProc(Handle(), m.Msg, m.WParam, m.LParam);
        return;
    case WM_KEYDOWN:
    case WM_KEYUP: {
        TWinControl::WndProc(m); // OnKeyDown and OnKeyUp first; they may take the key
        if (m.WParam && HandleAllocated()) ScrollBarControlProc(Handle(), m.Msg, m.WParam, m.LParam);
        return;
    }
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case CN_HSCROLL:
    case CN_VSCROLL: DoScroll(m); return;
    default: break;
    }
    TWinControl::WndProc(m);
}

int TScrollBar::Clamp(int pos) const
{
    int last = pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_;
    return std::clamp(pos, min_, last);
}

void TScrollBar::SetKind(TScrollBarKind kind)
{
    if (kind == kind_) return;
    kind_ = kind;
    SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetParams(int position, int min, int max)
{
    max = std::max(max, min);
    bool rangeChanged = min != min_ || max != max_;
    min_ = min;
    max_ = max;
    pageSize_ = std::min(pageSize_, max_ - min_ + 1);
    int pos = Clamp(position);
    bool moved = pos != position_;
    position_ = pos;
    if (rangeChanged || moved) SendToWindow();
    if (moved) Change();
}

void TScrollBar::SetPageSize(int v)
{
    v = std::clamp(v, 0, max_ - min_ + 1);
    if (v == pageSize_) return;
    pageSize_ = v;
    SendToWindow();
    SetParams(position_, min_, max_); // a larger page may pull the position back
}

void TScrollBar::SendToWindow()
{
    if (!HandleAllocated()) return;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, min_, max_, UINT(pageSize_), position_, 0};
    SetScrollInfo(Handle(), SB_CTL, &si, true);
}

void TScrollBar::Change()
{
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode code, int& pos)
{
    if (OnScroll) OnScroll(this, code, pos);
}

void TScrollBar::DoScroll(TMessage& m)
{
    auto code = TScrollCode(std::min<WPARAM>(LOWORD(m.WParam), WPARAM(TScrollCode::scEndScroll)));
    int pos = position_;
    switch (code) {
    case TScrollCode::scLineUp: pos -= smallChange_; break;
    case TScrollCode::scLineDown: pos += smallChange_; break;
    case TScrollCode::scPageUp: pos -= largeChange_; break;
    case TScrollCode::scPageDown: pos += largeChange_; break;
    case TScrollCode::scPosition:
    case TScrollCode::scTrack: {
        // The whole 32-bit position; the message carries only 16 bits of it.
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        GetScrollInfo(Handle(), SB_CTL, &si);
        pos = si.nTrackPos;
        break;
    }
    case TScrollCode::scTop: pos = min_; break;
    case TScrollCode::scBottom: pos = max_; break;
    case TScrollCode::scEndScroll: break;
    }
    auto alive = Guard();
    Scroll(code, pos);
    if (alive) SetPosition(pos);
}

} // namespace tavrik
