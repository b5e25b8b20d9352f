#include "skincontrols/SkinMenuSpeedButton.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/Glyphs.h"
#include "skin/SkinMessages.h"
#include "skincontrols/SkinPopupMenu.h"

namespace tavrik {

namespace {

constexpr int kPlainTrackWidth = 15;

} // namespace

TbsSkinMenuSpeedButton::TbsSkinMenuSpeedButton(TComponent* owner) : TbsSkinSpeedButton(owner)
{
    SetSkinDataName("toolmenubutton");
    SetWidth(36);
}

TbsSkinMenuSpeedButton::~TbsSkinMenuSpeedButton()
{
    if (menu_) menu_->RemoveFreeNotification(this);
}

void TbsSkinMenuSpeedButton::SetSkinPopupMenu(TbsSkinPopupMenu* menu)
{
    if (menu == menu_) return;
    if (menu_) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_) menu_->FreeNotification(this);
}

void TbsSkinMenuSpeedButton::SetTrackButtonMode(bool on)
{
    trackButtonMode_ = on;
    Invalidate();
}

void TbsSkinMenuSpeedButton::Notification(TComponent* component, TOperation operation)
{
    TbsSkinSpeedButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) menu_ = nullptr;
}

void TbsSkinMenuSpeedButton::ReadSkinObject()
{
    TbsSkinSpeedButton::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinMenuButtonControl*>(SkinControl())) trackbuttonrect_ = skin->trackbuttonrect;
}

TRect TbsSkinMenuSpeedButton::TrackButtonRect() const
{
    if (SkinIndex() == -1 || trackbuttonrect_.IsEmpty()) return {Width() - kPlainTrackWidth, 0, Width(), Height()};
    return trackbuttonrect_.Offset(Width() - skinrect.Width(), 0);
}

void TbsSkinMenuSpeedButton::OpenMenu()
{
    SetDown(true);
    menuOpen_ = true;
    auto alive = Guard();
    if (OnShowTrackMenu) OnShowTrackMenu(this);
    if (!alive || !menu_) return;
    const TPoint topLeft = ClientToScreen({0, 0});
    menu_->PopupFromControl(this, Bounds(topLeft.x, topLeft.y, Width(), Height()), false);
}

void TbsSkinMenuSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool onMenu = !trackButtonMode_ || TrackButtonRect().Contains(TPoint{x, y});
    if (button == TMouseButton::Left && menu_ && onMenu && !menuOpen_) {
        OpenMenu();
        return;
    }
    TbsSkinSpeedButton::MouseDown(button, shift, x, y);
}

void TbsSkinMenuSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    // The press that opened the menu has no release of its own to act on.
    if (menuOpen_) return;
    TbsSkinSpeedButton::MouseUp(button, shift, x, y);
}

void TbsSkinMenuSpeedButton::WndProc(TMessage& m)
{
    if (m.Msg == SKM_MENUCLOSED && menuOpen_) {
        menuOpen_ = false;
        SetDown(false);
        auto alive = Guard();
        if (OnHideTrackMenu) OnHideTrackMenu(this);
        if (!alive) return;
    }
    TbsSkinSpeedButton::WndProc(m);
}

void TbsSkinMenuSpeedButton::DrawDefaultImage(TBitmap& bitmap)
{
    TbsSkinSpeedButton::DrawDefaultImage(bitmap);
    TCanvas canvas(bitmap);
    DrawSmallDownArrow(canvas, TrackButtonRect(), Enabled() ? clBtnText : clBtnShadow);
}

} // namespace tavrik
