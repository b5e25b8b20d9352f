#include "skincontrols/SkinSpeedButton.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skincontrols/SkinToolBar.h"

namespace tavrik {

TbsSkinSpeedButton::TbsSkinSpeedButton(TComponent* owner) : TbsButtonControl<TbsGraphicSkinCustomControl>(owner)
{
    SetSkinDataName("toolbutton");
    SetBounds(0, 0, 25, 25);
}

void TbsSkinSpeedButton::SetShowCaption(bool on)
{
    if (on == showCaption_) return;
    showCaption_ = on;
    if (widthWithCaption_ > 0 && widthWithoutCaption_ > 0) SetWidth(on ? widthWithCaption_ : widthWithoutCaption_);
    else Invalidate();
}

void TbsSkinSpeedButton::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    if (dynamic_cast<TbsSkinToolBar*>(Parent())) Invalidate();
}

void TbsSkinSpeedButton::SetFlat(bool on)
{
    flat_ = on;
    SetTransparent(on);
    Invalidate();
}

void TbsSkinSpeedButton::SetTransparent(bool on)
{
    if (on == transparent_) return;
    transparent_ = on;
    SetControlStyle(on ? ControlStyle() & ~unsigned(csOpaque) : ControlStyle() | csOpaque);
    if (on) morph_.Reset();
    Invalidate();
}

TButtonSetup TbsSkinSpeedButton::ButtonSetup() const
{
    TButtonSetup s;
    s.Grouped = GroupIndex() != 0;
    s.AllowAllUp = AllowAllUp();
    s.RepeatMode = RepeatMode();
    s.SpeedButton = true;
    return s;
}

TButtonLook TbsSkinSpeedButton::SpeedLook() const
{
    TButtonLook look = Look();
    look.Transparent = transparent_;
    look.Flat = flat_;
    return look;
}

void TbsSkinSpeedButton::Click()
{
    if (OnClick) OnClick(this);
}

void TbsSkinSpeedButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (Enabled() && !driver_.PointerCrossed(m.Msg == CM_MOUSEENTER)) return;
        break;
    default: break;
    }
    TbsButtonControl::WndProc(m);
}

void TbsSkinSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && !driver_.Handle(TButtonEvent::LeftPress)) return;
    TbsButtonControl::MouseDown(button, shift, x, y);
}

void TbsSkinSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    TbsButtonControl::MouseUp(button, shift, x, y);
    if (alive && button == TMouseButton::Left) driver_.Handle(TButtonEvent::LeftRelease);
}

TGlyphAndText TbsSkinSpeedButton::Content(bool down, bool active) const
{
    TGlyphAndText what = content_.For(showCaption_ ? std::string_view(Caption()) : std::string_view(), down, active, Enabled());
    auto* bar = dynamic_cast<const TbsSkinToolBar*>(Parent());
    if (bar && content_.Glyph.Empty()) {
        what.Images = bar->ImagesFor(Enabled(), Hovered() || Down());
        what.ImageIndex = imageIndex_;
    }
    return what;
}

void TbsSkinSpeedButton::DrawDefaultImage(TBitmap& bitmap) { DrawPlainButton(bitmap, PlainSpeedButtonFace(SpeedLook())); }

void TbsSkinSpeedButton::Paint()
{
    ReadSkinObject();
    const bool skinned = SkinIndex() != -1;
    const bool bare = skinned ? Face() == TButtonFace::Bare : PlainSpeedButtonFace(SpeedLook()) == TPlainFace::Bare;
    if (!bare) {
        TbsButtonControl::Paint();
        return;
    }
    // Nothing behind the glyph and caption: they go straight onto the parent.
    TCanvas& canvas = *Canvas();
    TFontRequest font = DefaultFont().Request();
    if (skinned) font = WithColor(SkinTextFont(skin_.Font), Enabled() ? skin_.FontColor : skin_.DisabledFontColor);
    else if (!Enabled()) font.Color = clBtnShadow;
    canvas.SetFont(font);
    DrawGlyphAndText(canvas, skinned ? FittedClientRect : ClientRect(), Content(false, false));
}

} // namespace tavrik
