#include "skincontrols/SkinPaint.h"
#include "skincontrols/SkinSpeedButton.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinToolBar.h"
#include "ui/ImageList.h"

namespace tavrik {

TbsSkinSpeedButton::TbsSkinSpeedButton(TComponent* owner) : TbsGraphicSkinCustomControl(owner)
{
    SetSkinDataName("toolbutton");
    SetControlStyle((ControlStyle() | csOpaque) & ~unsigned(csClickEvents | csDoubleClicks));
    SetBounds(0, 0, 25, 25);
}

TbsSkinSpeedButton::~TbsSkinSpeedButton() = default;

void TbsSkinSpeedButton::SetShowCaption(bool on)
{
    if (on == showCaption_) return;
    showCaption_ = on;
    if (widthWithCaption_ > 0 && widthWithoutCaption_ > 0) SetWidth(on ? widthWithCaption_ : widthWithoutCaption_);
    else Invalidate();
}

void TbsSkinSpeedButton::SetGlyph(const TBitmap& glyph)
{
    content_.Glyph = glyph;
    Invalidate();
}

void TbsSkinSpeedButton::SetNumGlyphs(int count)
{
    if (content_.SetNumGlyphs(count)) Invalidate();
}

void TbsSkinSpeedButton::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    if (dynamic_cast<TbsSkinToolBar*>(Parent())) Invalidate();
}

void TbsSkinSpeedButton::SetLayout(TButtonLayout layout)
{
    if (content_.SetLayout(layout)) Invalidate();
}

void TbsSkinSpeedButton::SetMargin(int margin)
{
    if (content_.SetMargin(margin)) Invalidate();
}

void TbsSkinSpeedButton::SetSpacing(int spacing)
{
    if (content_.SetSpacing(spacing)) Invalidate();
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

void TbsSkinSpeedButton::SetDown(bool down)
{
    if (down == Down()) return;
    driver_.StoreDown(down);
    if (Morphs()) {
        morph_.SetMorphLevel(1);
        if (down) morph_.Stop();
        else morph_.Start();
    }
    Invalidate();
    if (down && groupIndex_ != 0) ReleaseGroup();
}

void TbsSkinSpeedButton::ReleaseGroup()
{
    TWinControl* parent = Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TbsSkinSpeedButton*>(parent->Controls(i));
        if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_ && sibling->Down())
            sibling->SetDown(false);
    }
}

bool TbsSkinSpeedButton::Morphs() const { return SkinIndex() != -1 && skin_.Morphing && !transparent_; }

TButtonSetup TbsSkinSpeedButton::ButtonSetup() const
{
    TButtonSetup s;
    s.Grouped = groupIndex_ != 0;
    s.AllowAllUp = allowAllUp_;
    s.RepeatMode = repeatMode_;
    s.SpeedButton = true;
    return s;
}

void TbsSkinSpeedButton::ButtonFullMorph()
{
    if (Morphs()) morph_.SetMorphLevel(1);
}

void TbsSkinSpeedButton::ButtonRefresh()
{
    if (Morphs()) morph_.Start();
    else Invalidate();
}

TButtonLook TbsSkinSpeedButton::Look() const
{
    TButtonLook look;
    look.Enabled = Enabled();
    look.Down = Down();
    look.Hovered = Hovered();
    look.MouseHeld = driver_.State().MouseHeld;
    look.Grouped = groupIndex_ != 0;
    look.Morphing = skin_.Morphing && !transparent_;
    look.MorphLevel = morph_.MorphLevel();
    look.HasDisabledImage = !skin_.Disabled.IsEmpty();
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
    case CM_ENABLEDCHANGED:
        morph_.Reset();
        driver_.ClearHover();
        Invalidate();
        break;
    default: break;
    }
    TbsGraphicSkinCustomControl::WndProc(m);
}

void TbsSkinSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && !driver_.Handle(TButtonEvent::LeftPress)) return;
    TbsGraphicSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    if (!driver_.TrackHeldPointer(ClientRect().Contains({x, y}))) return;
    TbsGraphicSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    TbsGraphicSkinCustomControl::MouseUp(button, shift, x, y);
    if (alive && button == TMouseButton::Left) driver_.Handle(TButtonEvent::LeftRelease);
}

void TbsSkinSpeedButton::ReadSkinObject()
{
    TbsGraphicSkinCustomControl::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinButtonControl*>(SkinControl())) skin_ = TButtonSkinLook::From(*skin);
}

void TbsSkinSpeedButton::ApplySkin()
{
    morph_.Reset();
    TbsGraphicSkinCustomControl::ApplySkin();
    if (Morphs() && Hovered()) morph_.SetMorphLevel(1);
}

std::string_view TbsSkinSpeedButton::ShownCaption() const { return showCaption_ ? std::string_view(Caption()) : ""; }

void TbsSkinSpeedButton::DrawContent(TCanvas& canvas, const TRect& rect, bool down, bool active)
{
    TGlyphAndText what = content_.For(ShownCaption(), down, active, Enabled());
    auto* bar = dynamic_cast<TbsSkinToolBar*>(Parent());
    if (bar && content_.Glyph.Empty()) {
        what.Images = bar->ImagesFor(Enabled(), Hovered() || Down());
        what.ImageIndex = imageIndex_;
    }
    DrawGlyphAndText(canvas, rect, what);
}

void TbsSkinSpeedButton::DrawStateImage(TBitmap& bitmap, const TRect& source, bool down, bool active)
{
    DrawSkinImageFrom(source, bitmap);
    TCanvas canvas(bitmap);
    canvas.SetFont(WithColor(SkinTextFont(skin_.Font), skin_.CaptionColor(Enabled(), down, active)));
    DrawContent(canvas, FittedClientRect, down, active);
}

void TbsSkinSpeedButton::DrawSkinImage(TBitmap& bitmap)
{
    const TButtonFace face = SpeedButtonFace(Look());
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

void TbsSkinSpeedButton::DrawDefaultImage(TBitmap& bitmap)
{
    TCanvas canvas(bitmap);
    const TPlainFace face = PlainSpeedButtonFace(Look());
    DrawPlainFace(canvas, {0, 0, bitmap.Width(), bitmap.Height()}, face);
    TFontRequest font = DefaultFont().Request();
    if (!Enabled()) font.Color = clBtnShadow;
    canvas.SetFont(font);
    DrawContent(canvas, {0, 0, bitmap.Width(), bitmap.Height()}, Down(), face == TPlainFace::Pressed || Hovered());
}

void TbsSkinSpeedButton::Paint()
{
    ReadSkinObject();
    const TButtonLook look = Look();
    const bool bare = SkinIndex() != -1 ? SpeedButtonFace(look) == TButtonFace::Bare
                                        : PlainSpeedButtonFace(look) == TPlainFace::Bare;
    if (!bare) {
        TbsGraphicSkinCustomControl::Paint();
        return;
    }
    // Nothing behind the glyph and caption: they go straight onto the parent.
    TCanvas& canvas = *Canvas();
    TFontRequest font = DefaultFont().Request();
    if (SkinIndex() != -1) font = WithColor(SkinTextFont(skin_.Font), Enabled() ? skin_.FontColor : skin_.DisabledFontColor);
    else if (!Enabled()) font.Color = clBtnShadow;
    canvas.SetFont(font);
    DrawContent(canvas, SkinIndex() != -1 ? FittedClientRect : ClientRect(), false, false);
}

} // namespace tavrik
