#include "skincontrols/SkinButton.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Form.h"
#include "ui/Accelerator.h"
#include "wsys/WinApi.h"

namespace tavrik {

TbsSkinButton::TbsSkinButton(TComponent* owner) : TbsButtonControl<TbsSkinCustomControl>(owner)
{
    SetSkinDataName("button");
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TbsSkinButton::SetGroupIndex(int index)
{
    TbsButtonControl::SetGroupIndex(index);
    if (index != 0) SetCanFocused(false);
}

void TbsSkinButton::SetCanFocused(bool on)
{
    canFocused_ = on;
    SetTabStop(on);
}

void TbsSkinButton::SetDefault(bool on)
{
    default_ = on;
    if (!HandleAllocated() || !canFocused_) return;
    if (TForm* form = GetParentForm(this)) form->Perform(CM_FOCUSCHANGED, 0, LPARAM(reinterpret_cast<intptr_t>(form->ActiveControl())));
}

TButtonSetup TbsSkinButton::ButtonSetup() const
{
    TButtonSetup s;
    s.Grouped = GroupIndex() != 0;
    s.AllowAllUp = AllowAllUp();
    s.RepeatMode = RepeatMode();
    s.Focused = FocusedHere();
    s.DefaultButton = canFocused_ && default_;
    return s;
}

TButtonLook TbsSkinButton::PushLook() const
{
    TButtonLook look = Look();
    look.Focused = FocusedHere();
    return look;
}

void TbsSkinButton::ExecuteClick()
{
    if (canFocused_)
        if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    if (OnClick) OnClick(this);
}

void TbsSkinButton::FocusMoved(TWinControl* focused)
{
    TButtonEvent event = TButtonEvent::FocusToNonButton;
    if (dynamic_cast<TbsSkinButton*>(focused))
        event = focused == this ? TButtonEvent::FocusToThis : TButtonEvent::FocusToOtherButton;
    driver_.Handle(event);
}

void TbsSkinButton::DialogKey(TMessage& m)
{
    const auto key = uint16_t(m.WParam);
    const auto shift = TShiftState(m.LParam);
    if (key == VK_RETURN && DefaultActive() && Enabled()) {
        m.Result = 1;
        ExecuteClick();
    } else if (key == VK_ESCAPE && cancel_ && canFocused_ && !(shift & (ssShift | ssCtrl | ssAlt)) && CanFocus()) {
        m.Result = 1;
        ExecuteClick();
    }
}

void TbsSkinButton::DialogChar(TMessage& m)
{
    if (!canFocused_ || !CanFocus() || !IsAccel(char32_t(m.WParam), Caption())) return;
    m.Result = 1;
    SetFocus();
    ExecuteClick();
}

void TbsSkinButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break;
    case WM_GETDLGCODE: m.Result = 0; return;
    case CM_DIALOGKEY: DialogKey(m); return;
    case CM_DIALOGCHAR: DialogChar(m); return;
    case CM_FOCUSCHANGED: FocusMoved(reinterpret_cast<TWinControl*>(intptr_t(m.LParam))); return;
    case CM_MOUSEENTER:
        if (!driver_.PointerCrossed(true)) return;
        break;
    case CM_MOUSELEAVE:
        if (!driver_.PointerCrossed(false)) return;
        break;
    case WM_SETFOCUS:
        TbsButtonControl::WndProc(m);
        if (canFocused_) driver_.Handle(TButtonEvent::FocusGained);
        return;
    case WM_KILLFOCUS:
        TbsButtonControl::WndProc(m);
        driver_.Handle(TButtonEvent::FocusLost);
        return;
    default: break;
    }
    TbsButtonControl::WndProc(m);
}

void TbsSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) {
        if (canFocused_ && !Focused()) {
            SetFocus();
            if (!Focused()) return;
        }
        if (!driver_.Handle(TButtonEvent::LeftPress)) return;
    }
    TbsButtonControl::MouseDown(button, shift, x, y);
}

void TbsSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && !driver_.Handle(TButtonEvent::LeftRelease)) return;
    if (!HandleAllocated() || !Visible()) return;
    TbsButtonControl::MouseUp(button, shift, x, y);
}

void TbsSkinButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && !driver_.Handle(TButtonEvent::SpaceDown)) return;
    TbsButtonControl::KeyDown(key, shift);
}

void TbsSkinButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && !driver_.Handle(TButtonEvent::SpaceUp)) return;
    TbsButtonControl::KeyUp(key, shift);
}

void TbsSkinButton::CreateWnd()
{
    TbsButtonControl::CreateWnd();
    driver_.SetDefaultActive(default_);
}

void TbsSkinButton::DrawDefaultImage(TBitmap& bitmap) { DrawPlainButton(bitmap, PlainPushButtonFace(PushLook())); }

} // namespace tavrik
