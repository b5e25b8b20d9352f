#include "skincontrols/SkinScrollBox.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/SkinData.h"
#include "skincontrols/NonClientFrame.h"
#include "skincontrols/SkinScrollBar.h"
#include "skincontrols/TiledCopy.h"
#include "ui/Frame3D.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <climits>

namespace tavrik {

TbsSkinScrollBox::TbsSkinScrollBox(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("scrollbox");
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 150, 150);
}

void TbsSkinScrollBox::SetHScrollBar(TbsSkinScrollBar* bar) { Link(hbar_, bar, false); }

void TbsSkinScrollBox::SetVScrollBar(TbsSkinScrollBar* bar) { Link(vbar_, bar, true); }

void TbsSkinScrollBox::Link(TbsSkinScrollBar*& slot, TbsSkinScrollBar* bar, bool vertical)
{
    if (slot == bar) return;
    if (slot) slot->RemoveFreeNotification(this);
    slot = bar;
    if (!bar) return;
    bar->FreeNotification(this);
    bar->SetCanFocused(false);
    bar->OnChange = [this, vertical](TComponent*) { BarChanged(vertical); };
    bar->OnLastChange = [this](TComponent*) { Invalidate(); };
    bar->SetEnabled(true);
    bar->Hide();
    UpdateAxis(vertical);
}

void TbsSkinScrollBox::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove) {
        if (component == hbar_) hbar_ = nullptr;
        if (component == vbar_) vbar_ = nullptr;
    }
    TbsSkinCustomControl::Notification(component, operation);
}

void TbsSkinScrollBox::SetBorderStyle(TbsBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    FrameChanged();
}

void TbsSkinScrollBox::UpdateScrollBars()
{
    UpdateHScroll();
    UpdateVScroll();
}

void TbsSkinScrollBox::UpdateHScroll() { UpdateAxis(false); }

void TbsSkinScrollBox::UpdateVScroll() { UpdateAxis(true); }

void TbsSkinScrollBox::UpdateAxis(bool vertical)
{
    TbsSkinScrollBar* bar = vertical ? vbar_ : hbar_;
    if (!bar || !Parent() || updating_) return;
    TScrollAxisState state;
    state.ClientLength = vertical ? ClientHeight() : ClientWidth();
    // Children scrolled out of view end above (left of) the client area: their end counts
    // even when it is negative.
    int end = INT_MIN;
    for (int i = 0; i < ControlCount(); ++i) {
        const TControl* child = Controls(i);
        if (child->Visible()) end = std::max(end, vertical ? child->Top() + child->Height() : child->Left() + child->Width());
    }
    state.ContentEnd = end == INT_MIN ? 0 : end;
    state.Position = bar->Position();
    state.Max = bar->Max();
    state.PageSize = bar->PageSize();
    int& grow = vertical ? growY_ : growX_;
    int& last = vertical ? lastY_ : lastX_;
    state.Grow = grow;
    const TScrollAxisUpdate u = UpdateScrollAxis(state);
    const bool verticalWasVisible = vbar_ && vbar_->Visible();
    bar->SetRange(0, u.Max, u.PageSize, u.Position);
    if (u.Shift != 0) ScrollBy(vertical ? 0 : u.Shift, vertical ? u.Shift : 0);
    grow = 0;
    last = bar->Position();
    // The horizontal bar leaves the corner to a vertical one that shows.
    if (hbar_ && vbar_) hbar_->SetBoth(verticalWasVisible);
    if (bar->Visible() == u.Visible) return;
    updating_ = true;
    bar->SetVisible(u.Visible);
    // The box makes room for the bar beside it (or takes it back).
    if (Align() != TAlign::alNone) Parent()->Realign();
    updating_ = false;
}

void TbsSkinScrollBox::BarChanged(bool vertical)
{
    TbsSkinScrollBar* bar = vertical ? vbar_ : hbar_;
    int& last = vertical ? lastY_ : lastX_;
    const int delta = bar->Position() - last;
    last = bar->Position();
    ScrollBy(vertical ? 0 : -delta, vertical ? -delta : 0);
}

void TbsSkinScrollBox::ScrollBy(int dx, int dy)
{
    if (dx == 0 && dy == 0) return;
    moving_ = true;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        child->SetBounds(child->Left() + dx, child->Top() + dy, child->Width(), child->Height());
    }
    moving_ = false;
    Invalidate();
}

void TbsSkinScrollBox::ControlsChanged(TControl* control)
{
    TbsSkinCustomControl::ControlsChanged(control);
    if (!moving_) UpdateScrollBars();
}

void TbsSkinScrollBox::AdjustClientRect(TRect& rect) const
{
    // Aligned children are laid out over the scrolled content.
    const bool h = hbar_ && hbar_->Visible(), v = vbar_ && vbar_->Visible();
    const int width = std::max(rect.Width(), h ? hbar_->Max() : 0);
    const int height = std::max(rect.Height(), v ? vbar_->Max() : 0);
    rect = Bounds(rect.Left - (h ? hbar_->Position() : 0), rect.Top - (v ? vbar_->Position() : 0), width, height);
}

void TbsSkinScrollBox::ApplyBounds(int left, int top, int width, int height)
{
    const int oldWidth = Width(), oldHeight = Height();
    TbsSkinCustomControl::ApplyBounds(left, top, width, height);
    growX_ = Width() > oldWidth && oldWidth != 0 ? Width() - oldWidth : 0;
    growY_ = Height() > oldHeight && oldHeight != 0 ? Height() - oldHeight : 0;
    UpdateVScroll();
    UpdateHScroll();
}

void TbsSkinScrollBox::VisibleChanged()
{
    TbsSkinCustomControl::VisibleChanged();
    if (updating_) return;
    for (TbsSkinScrollBar* bar : {hbar_, vbar_})
        if (bar) bar->SetVisible(Visible() && bar->Max() > 0);
}

void TbsSkinScrollBox::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinScrollBoxControl*>(SkinControl())) {
        bgpictureindex_ = skin->bgpictureindex;
        const auto& pictures = SkinData()->activepictures;
        background_ = bgpictureindex_ >= 0 && size_t(bgpictureindex_) < pictures.size() ? &pictures[size_t(bgpictureindex_)] : nullptr;
    } else if (SkinIndex() == -1) {
        background_ = nullptr;
    }
}

void TbsSkinScrollBox::ApplySkin()
{
    TbsSkinCustomControl::ApplySkin();
    FrameChanged();
    if (hbar_) hbar_->SetSkinData(SkinData());
    if (vbar_) vbar_->SetSkinData(SkinData());
}

bool TbsSkinScrollBox::HasSkinFrame() const
{
    return SkinIndex() != -1 && SkinPicture && bgpictureindex_ == -1 && borderStyle_ != TbsBorderStyle::bvNone;
}

TRect TbsSkinScrollBox::Margins() const
{
    if (SkinIndex() == -1) {
        const int edge = borderStyle_ == TbsBorderStyle::bvNone ? 0 : 1;
        return {edge, edge, edge, edge};
    }
    if (!HasSkinFrame()) return {};
    return {clientrect.Left, clientrect.Top, skinrect.Width() - clientrect.Right, skinrect.Height() - clientrect.Bottom};
}

void TbsSkinScrollBox::FrameChanged()
{
    if (HandleAllocated()) RecalcNonClientFrame(Handle());
}

void TbsSkinScrollBox::PaintFrame()
{
    const TRect margins = Margins();
    if (margins == TRect{}) return;
    TWindowDC dc(Handle(), true);
    TCanvas* canvas = dc.Canvas();
    if (!canvas) return;
    const TSize size{Width(), Height()};
    if (SkinIndex() == -1) {
        TRect r{0, 0, size.cx, size.cy};
        const TColor shadow = clBtnShadow, light = clBtnHighlight;
        switch (borderStyle_) {
        case TbsBorderStyle::bvFrame: Frame3D(*canvas, r, shadow, shadow, 1); break;
        case TbsBorderStyle::bvRaised: Frame3D(*canvas, r, shadow, light, 1); break;
        case TbsBorderStyle::bvLowered: Frame3D(*canvas, r, light, shadow, 1); break;
        case TbsBorderStyle::bvNone: break;
        }
        return;
    }
    DrawSkinBorder(*canvas, *this, skinrect, size);
}

void TbsSkinScrollBox::DrawSkinImage(TBitmap& bitmap)
{
    TCanvas canvas(bitmap);
    const TSize size{bitmap.Width(), bitmap.Height()};
    if (background_) TileRect(canvas, *background_, {0, 0, background_->Width(), background_->Height()}, {0, 0, size.cx, size.cy});
    else if (SkinPicture) TileRect(canvas, *SkinPicture, clientrect.Offset(skinrect.Left, skinrect.Top), {0, 0, size.cx, size.cy});
    else DrawDefaultImage(bitmap);
}

void TbsSkinScrollBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_NCCALCSIZE:
        ReadSkinObject();
        CalcClientArea(m, Margins());
        return;
    case WM_NCPAINT:
        ReadSkinObject();
        PaintFrame();
        m.Result = 0;
        return;
    default: break;
    }
    TbsSkinCustomControl::WndProc(m);
}

} // namespace tavrik
