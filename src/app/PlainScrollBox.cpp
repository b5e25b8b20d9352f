#include "app/PlainScrollBox.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Frame3D.h"

#include <algorithm>

namespace tavrik {

TPlainScrollBar::TPlainScrollBar(TComponent* owner) : TTrackBar(owner)
{
    SetRange(0, 0);
    SetPageSize(40);
    SetTabStop(false);
}

void TPlainScrollBar::SetKind(TPlainScrollBarKind kind)
{
    kind_ = kind;
    SetOrientation(kind == TPlainScrollBarKind::sbVertical ? TTrackBarOrientation::trVertical
                                                           : TTrackBarOrientation::trHorizontal);
}

void TPlainScrollBar::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = RGB(230, 230, 230);
    c.FillRect(r);
    if (Max() <= Min()) return; // nothing to scroll: an empty trough
    TRect thumb = ThumbRect();
    thumb = Orientation() == TTrackBarOrientation::trHorizontal ? TRect{thumb.Left, 1, thumb.Right, r.Bottom - 1}
                                                                : TRect{1, thumb.Top, r.Right - 1, thumb.Bottom};
    c.Brush().Color = Enabled() ? clBtnFace : clBtnShadow;
    c.FillRect(thumb);
    Frame3D(c, thumb, clBtnHighlight, clBtnShadow, 1);
}

TPlainScrollBox::TPlainScrollBox(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetBounds(0, 0, 185, 41);
}

void TPlainScrollBox::SetScrollBars(TPlainScrollBar* horizontal, TPlainScrollBar* vertical)
{
    horizontal_ = horizontal;
    vertical_ = vertical;
    for (TPlainScrollBar* bar : {horizontal, vertical}) {
        if (!bar) continue;
        bar->FreeNotification(this);
        bar->OnChange = [this](TComponent*) { BarChanged(); };
    }
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
    offset_ = {0, 0};
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        right = std::max(right, Controls(i)->Left() + Controls(i)->Width());
        bottom = std::max(bottom, Controls(i)->Top() + Controls(i)->Height());
    }
    resetting_ = true;
    if (horizontal_) {
        horizontal_->SetRange(0, std::max(0, right - ClientWidth()));
        horizontal_->SetPosition(0);
    }
    if (vertical_) {
        vertical_->SetRange(0, std::max(0, bottom - ClientHeight()));
        vertical_->SetPosition(0);
    }
    resetting_ = false;
}

void TPlainScrollBox::BarChanged()
{
    if (resetting_) return;
    TPoint wanted{horizontal_ ? horizontal_->Position() : 0, vertical_ ? vertical_->Position() : 0};
    int dx = offset_.x - wanted.x, dy = offset_.y - wanted.y;
    offset_ = wanted;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    }
    Invalidate();
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
