#include "app/PlainScrollBox.h"

#include "core/ScopedCount.h"
#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Frame3D.h"
#include "ui/ListScrolling.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kLineStep = 16; // pixels per arrow click

} // namespace

TPlainScrollBox::TPlainScrollBox(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetBounds(0, 0, 150, 150);
}

void TPlainScrollBox::SetScrollBars(TScrollBar* horizontal, TScrollBar* vertical)
{
    horizontal_ = horizontal;
    vertical_ = vertical;
    for (bool isHorizontal : {true, false}) {
        TScrollBar* bar = isHorizontal ? horizontal : vertical;
        if (!bar) continue;
        bar->FreeNotification(this);
        bar->SetTabStop(false);
        bar->SetSmallChange(kLineStep);
        bar->OnChange = [this, isHorizontal](TComponent*) { BarMoved(isHorizontal); };
    }
    UpdateScrollBars();
}

void TPlainScrollBox::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove) {
        if (component == horizontal_) horizontal_ = nullptr;
        if (component == vertical_) vertical_ = nullptr;
    }
    TCustomControl::Notification(component, operation);
}

void TPlainScrollBox::ResetScrolling()
{
    {
        TScopedCount updating(updating_);
        scrolled_ = {0, 0};
        for (TScrollBar* bar : {horizontal_, vertical_})
            if (bar) bar->SetPosition(0);
    }
    UpdateScrollBars();
}

void TPlainScrollBox::UpdateScrollBars()
{
    if (updating_ || Destroying()) return;
    TScopedCount updating(updating_);
    // Twice: a bar that appears narrows the box, which may then need the other bar.
    for (int round = 0; round < 2; ++round) {
        UpdateBar(true);
        UpdateBar(false);
    }
}

// The content reaches P + B, where P is how far it is scrolled and B how far the children
// reach now. While that is more than the box shows, the bar offers it; when the content's end
// has come into view with room behind it (the box grew or the content shrank), the children
// move back by that room first. When everything fits, the children go back to the start and
// the bar hides.
void TPlainScrollBox::UpdateBar(bool horizontal)
{
    TScrollBar* bar = horizontal ? horizontal_ : vertical_;
    if (!bar || !Parent()) return;
    int shown = horizontal ? ClientWidth() : ClientHeight();
    int reach = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (child->Visible()) reach = std::max(reach, horizontal ? child->Left() + child->Width() : child->Top() + child->Height());
    }
    int& scrolled = horizontal ? scrolled_.x : scrolled_.y;
    int content = scrolled + reach;
    if (content > shown) {
        int back = reach < shown ? std::min(scrolled, shown - reach) : 0;
        if (back > 0) horizontal ? MoveChildren(back, 0) : MoveChildren(0, back);
        scrolled -= back;
        bar->SetPageSize(0); // a page left from before must not clamp the new position
        bar->SetParams(scrolled, 0, content - 1);
        bar->SetPageSize(shown);
        bar->SetLargeChange(std::max(1, shown - kLineStep));
        bar->Show();
    } else {
        if (scrolled > 0) horizontal ? MoveChildren(scrolled, 0) : MoveChildren(0, scrolled);
        scrolled = 0;
        bar->SetPageSize(0);
        bar->SetParams(0, 0, 0);
        bar->Hide();
    }
}

void TPlainScrollBox::BarMoved(bool horizontal)
{
    if (updating_) return;
    TScopedCount updating(updating_);
    int& scrolled = horizontal ? scrolled_.x : scrolled_.y;
    int position = (horizontal ? horizontal_ : vertical_)->Position();
    int delta = scrolled - position;
    scrolled = position;
    horizontal ? MoveChildren(delta, 0) : MoveChildren(0, delta);
}

bool TPlainScrollBox::ScrollByWheel(int delta, bool sideways)
{
    bool verticalShown = vertical_ && vertical_->Visible();
    TScrollBar* bar = sideways || !verticalShown ? horizontal_ : vertical_;
    if (!bar || !bar->Visible()) return false;
    bar->SetPosition(bar->Position() - WheelLines(delta) * kLineStep);
    return true;
}

void TPlainScrollBox::MoveChildren(int dx, int dy)
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    }
    Invalidate();
}

void TPlainScrollBox::Resize()
{
    TCustomControl::Resize();
    UpdateScrollBars();
}

void TPlainScrollBox::ControlsChanged(TControl* control)
{
    TCustomControl::ControlsChanged(control);
    UpdateScrollBars();
}

void TPlainScrollBox::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = Color();
    c.FillRect(r);
    Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
}

} // namespace tavrik
