#include "skincontrols/SkinButton.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/SkinData.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinPaint.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TbsSkinButton::TbsSkinButton(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("button");
    // Clicks come from the state machine (on press for sticky buttons, repeated while held).
    SetControlStyle((ControlStyle() | csOpaque) & ~unsigned(csClickEvents | csDoubleClicks));
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

TbsSkinButton::~TbsSkinButton() = default;

void TbsSkinButton::SetGlyph(const TBitmap& glyph)
{
    content_.Glyph = glyph;
    Invalidate();
}

void TbsSkinButton::SetNumGlyphs(int count)
{
    if (content_.SetNumGlyphs(count)) Invalidate();
}

void TbsSkinButton::SetLayout(TButtonLayout layout)
{
    if (content_.SetLayout(layout)) Invalidate();
}

void TbsSkinButton::SetMargin(int margin)
{
    if (content_.SetMargin(margin)) Invalidate();
}

void TbsSkinButton::SetSpacing(int spacing)
{
    if (content_.SetSpacing(spacing)) Invalidate();
}

void TbsSkinButton::SetDown(bool down)
{
    if (down == Down()) return;
    driver_.StoreDown(down);
    if (SkinIndex() != -1 && skin_.Morphing) {
        morph_.SetMorphLevel(1);
        if (down) morph_.Stop();
        else morph_.Start();
    }
    Invalidate();
    if (down && groupIndex_ != 0) ReleaseGroup();
}

void TbsSkinButton::ReleaseGroup()
{
    TWinControl* parent = Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TbsSkinButton*>(parent->Controls(i));
        if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_ && sibling->Down())
            sibling->SetDown(false);
    }
}

void TbsSkinButton::SetGroupIndex(int index)
{
    groupIndex_ = index;
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

bool TbsSkinButton::FocusedHere() const { return canFocused_ && Focused(); }

TButtonSetup TbsSkinButton::ButtonSetup() const
{
    TButtonSetup s;
    s.Grouped = groupIndex_ != 0;
    s.AllowAllUp = allowAllUp_;
    s.RepeatMode = repeatMode_;
    s.Focused = FocusedHere();
    s.DefaultButton = canFocused_ && default_;
    return s;
}

TButtonLook TbsSkinButton::Look() const
{
    TButtonLook look;
    look.Enabled = Enabled();
    look.Down = Down();
    look.Hovered = Hovered();
    look.Focused = FocusedHere();
    look.MouseHeld = driver_.State().MouseHeld;
    look.Grouped = groupIndex_ != 0;
    look.Morphing = skin_.Morphing;
    look.MorphLevel = morph_.MorphLevel();
    look.HasDisabledImage = !skin_.Disabled.IsEmpty();
    return look;
}

void TbsSkinButton::ButtonFullMorph()
{
    if (SkinIndex() != -1 && skin_.Morphing) morph_.SetMorphLevel(1);
}

void TbsSkinButton::ButtonRefresh()
{
    if (SkinIndex() != -1 && skin_.Morphing) morph_.Start();
    else Invalidate();
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
    if (!canFocused_ || !CanFocus() || !IsAccelerator(char32_t(m.WParam), Caption())) return;
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
        TbsSkinCustomControl::WndProc(m);
        if (canFocused_) driver_.Handle(TButtonEvent::FocusGained);
        return;
    case WM_KILLFOCUS:
        TbsSkinCustomControl::WndProc(m);
        driver_.Handle(TButtonEvent::FocusLost);
        return;
    case CM_ENABLEDCHANGED:
        morph_.Reset();
        driver_.ClearHover();
        Invalidate();
        break;
    default: break;
    }
    TbsSkinCustomControl::WndProc(m);
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
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinButton::MouseMove(TShiftState shift, int x, int y)
{
    if (!driver_.TrackHeldPointer(ClientRect().Contains({x, y}))) return;
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && !driver_.Handle(TButtonEvent::LeftRelease)) return;
    if (!HandleAllocated() || !Visible()) return;
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && !driver_.Handle(TButtonEvent::SpaceDown)) return;
    TbsSkinCustomControl::KeyDown(key, shift);
}

void TbsSkinButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && !driver_.Handle(TButtonEvent::SpaceUp)) return;
    TbsSkinCustomControl::KeyUp(key, shift);
}

void TbsSkinButton::CreateWnd()
{
    TbsSkinCustomControl::CreateWnd();
    driver_.SetDefaultActive(default_);
}

void TbsSkinButton::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinButtonControl*>(SkinControl())) skin_ = TButtonSkinLook::From(*skin);
}

void TbsSkinButton::ApplySkin()
{
    morph_.Reset();
    TbsSkinCustomControl::ApplySkin();
    if (SkinIndex() != -1 && skin_.Morphing && (FocusedHere() || Hovered())) morph_.SetMorphLevel(1);
}

void TbsSkinButton::DrawStateImage(TBitmap& bitmap, const TRect& source, bool down, bool active)
{
    DrawSkinImageFrom(source, bitmap);
    TCanvas canvas(bitmap);
    canvas.SetFont(WithColor(SkinTextFont(skin_.Font), skin_.CaptionColor(Enabled(), down, active)));
    DrawGlyphAndText(canvas, FittedClientRect, content_.For(Caption(), down, active, Enabled()));
}

void TbsSkinButton::DrawSkinImage(TBitmap& bitmap)
{
    const TButtonFace face = PushButtonFace(Look());
    if (face != TButtonFace::Morph) {
        const bool down = face == TButtonFace::Down;
        const bool active = down || face == TButtonFace::Active;
        DrawStateImage(bitmap, skin_.Image(face), down, active);
        return;
    }
    TBitmap normal, active;
    DrawStateImage(normal, skin_.Normal, false, false);
    DrawStateImage(active, skin_.Active, false, true);
    bitmap = morph_.Compose(normal, active, skin_.MorphKind);
}

void TbsSkinButton::DrawDefaultImage(TBitmap& bitmap)
{
    const TButtonLook look = Look();
    const TPlainFace face = PlainPushButtonFace(look);
    TCanvas canvas(bitmap);
    const TRect r{0, 0, bitmap.Width(), bitmap.Height()};
    DrawPlainFace(canvas, r, face);
    TFontRequest font = DefaultFont().Request();
    if (!Enabled()) font.Color = clBtnShadow;
    canvas.SetFont(font);
    TGlyphAndText what = content_.For(Caption(), Down(), Hovered(), Enabled());
    what.Pressed = face == TPlainFace::Pressed;
    DrawGlyphAndText(canvas, r, what);
}

} // namespace tavrik
