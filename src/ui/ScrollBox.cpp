#include "ui/ScrollBox.h"

#include "wsys/WinApi.h"

#include <algorithm>
#include <vector>

namespace tavrik {

namespace {

// Children that follow the box's far edge (aligned or anchored to it) do not make the
// content larger.
constexpr int kWheelDelta = 120; // one notch

bool CountsAcross(const TControl* c)
{
    if (c->Align() != TAlign::alNone) return c->Align() == TAlign::alLeft;
    return !((c->Anchors() & akRight) && !(c->Anchors() & akLeft));
}

bool CountsDown(const TControl* c)
{
    if (c->Align() != TAlign::alNone) return c->Align() == TAlign::alTop;
    return !((c->Anchors() & akBottom) && !(c->Anchors() & akTop));
}

} // namespace

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    if (borderStyle_ == TBorderStyle::bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

void TScrollBox::SetAutoScroll(bool on)
{
    if (on == autoScroll_) return;
    autoScroll_ = on;
    UpdateScrollBars();
}

void TScrollBox::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
    Realign();
}

void TScrollBox::CalcAutoRange()
{
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        if (CountsAcross(c)) right = std::max(right, c->Left() + horz_.position_ + c->Width());
        if (CountsDown(c)) bottom = std::max(bottom, c->Top() + vert_.position_ + c->Height());
    }
    horz_.SetRangeFromBox(right > 0 ? right + horz_.margin_ : 0);
    vert_.SetRangeFromBox(bottom > 0 ? bottom + vert_.margin_ : 0);
}

void TScrollBox::UpdateScrollBars()
{
    if (updating_) return;
    ++updating_;
    auto alive = Guard();
    if (autoScroll_) CalcAutoRange();
    // Twice: a bar that appears takes room from the other direction, which may need its bar.
    for (int round = 0; round < 2 && alive; ++round) {
        horz_.Update();
        vert_.Update();
    }
    if (!alive) return;
    // Content that shrank, or a box that grew, can leave the positions past their end.
    int dx = horz_.position_ - std::min(horz_.position_, horz_.MaxPosition());
    int dy = vert_.position_ - std::min(vert_.position_, vert_.MaxPosition());
    horz_.position_ -= dx;
    vert_.position_ -= dy;
    --updating_;
    if (dx || dy) {
        ScrollBy(dx, dy);
        horz_.Update();
        vert_.Update();
    }
}

void TScrollBox::ScrollBy(int dx, int dy)
{
    if (!dx && !dy) return;
    ++updating_;
    auto alive = Guard();
    bool shown = HandleAllocated() && IsWindowVisible(Handle());
    // The window system moves the pixels and the child windows; the rest moves here.
    if (shown) ScrollWindow(Handle(), dx, dy);
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i) children.push_back(Controls(i));
    for (TControl* c : children) {
        auto* w = dynamic_cast<TWinControl*>(c);
        if (shown && w && w->HandleAllocated()) continue;
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
        if (!alive) return;
    }
    --updating_;
}

void TScrollBox::ScrollInView(const TControl* control)
{
    if (!control || !control->Parent() || !ContainsControl(control) || control == this) return;
    TPoint at = ScreenToClient(control->Parent()->ClientToScreen({control->Left(), control->Top()}));
    TRect r = Bounds(at.x, at.y, control->Width(), control->Height());
    TRect client = ClientRect();
    if (r.Left < 0) horz_.SetPosition(horz_.position_ + r.Left);
    else if (r.Right > client.Right) horz_.SetPosition(horz_.position_ + std::min(r.Right - client.Right, r.Left));
    if (r.Top < 0) vert_.SetPosition(vert_.position_ + r.Top);
    else if (r.Bottom > client.Bottom) vert_.SetPosition(vert_.position_ + std::min(r.Bottom - client.Bottom, r.Top));
}

void TScrollBox::AdjustClientRect(TRect& rect) const
{
    int width = std::max(rect.Width(), horz_.IsScrollBarVisible() ? horz_.range_ : 0);
    int height = std::max(rect.Height(), vert_.IsScrollBarVisible() ? vert_.range_ : 0);
    rect = Bounds(rect.Left - horz_.position_, rect.Top - vert_.position_, width, height);
}

void TScrollBox::AlignControls(TControl* control, TRect& rect)
{
    TWinControl::AlignControls(control, rect);
    UpdateScrollBars();
}

void TScrollBox::ControlsChanged(TControl* control)
{
    (void)control;
    if (autoScroll_) UpdateScrollBars();
}

void TScrollBox::WheelScroll(int delta)
{
    TControlScrollBar& bar = vert_.IsScrollBarVisible() ? vert_ : horz_;
    bar.SetPosition(bar.position_ - delta * 3 * bar.increment_ / kWheelDelta);
}

void TScrollBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (m.LParam == 0) {
            (m.Msg == WM_HSCROLL ? horz_ : vert_).ScrollMessage(m.WParam);
            return;
        }
        break;
    case WM_MOUSEWHEEL:
        if (vert_.IsScrollBarVisible() || horz_.IsScrollBarVisible()) {
            WheelScroll(GET_WHEEL_DELTA_WPARAM(m.WParam));
            m.Result = 1;
            return;
        }
        break;
    case WM_SIZE:
        TWinControl::WndProc(m);
        Realign(); // a bar that came or went changed the client area, not the bounds
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

} // namespace tavrik
