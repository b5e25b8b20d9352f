#include "skincontrols/EditFrame.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinEditControls.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/DefaultLook.h"
#include "skincontrols/NonClientFrame.h"
#include "ui/Frame3D.h"

namespace tavrik {

namespace {

constexpr int kPlainMargin = 2;
constexpr int kPlainButtonMargin = 22;

} // namespace

void TbsEditFrame::CopyFrom(const TbsDataSkinEditControl& skin, const TbsSkinPictureSet& pictures)
{
    geometry_.CopyFrom(skin, pictures);
    bound_ = true;
    activeskinrect_ = skin.activeskinrect.IsEmpty() ? skin.skinrect : skin.activeskinrect;
    buttonrect_ = skin.buttonrect;
    activebuttonrect_ = skin.activebuttonrect;
    downbuttonrect_ = skin.downbuttonrect.IsEmpty() ? skin.activebuttonrect : skin.downbuttonrect;
    unenabledbuttonrect_ = skin.unenabledbuttonrect;
    fontname_ = skin.fontname;
    fontheight_ = skin.fontheight;
    fontstyle_ = skin.fontstyle;
    fontcolor_ = skin.fontcolor;
    activefontcolor_ = skin.activefontcolor;
    disabledfontcolor_ = skin.disabledfontcolor;
    auto* memo = dynamic_cast<const TbsDataSkinMemoControl*>(&skin);
    bgcolor_ = memo ? memo->bgcolor : clWindow;
    activebgcolor_ = memo ? memo->activebgcolor : clWindow;
}

TRect TbsEditFrame::Margins(bool buttonMode) const
{
    if (!bound_) return {kPlainMargin, kPlainMargin, buttonMode ? kPlainButtonMargin : kPlainMargin, kPlainMargin};
    const TRect& s = geometry_.skinrect;
    const TRect& c = geometry_.clientrect;
    return {c.Left, c.Top, s.Width() - c.Right, s.Height() - c.Bottom};
}

TRect TbsEditFrame::TextRect(TSize size, bool buttonMode) const
{
    if (!bound_) {
        const int right = buttonMode ? ButtonRect(size, true).Left : size.cx;
        return {kPlainMargin, kPlainMargin, right - kPlainMargin, size.cy - kPlainMargin};
    }
    TRect r = geometry_.clientrect;
    r.Right += size.cx - geometry_.skinrect.Width();
    return r;
}

TRect TbsEditFrame::ButtonRect(TSize size, bool buttonMode) const
{
    if (!buttonMode) return {};
    if (!bound_) return {size.cx - size.cy, 0, size.cx, size.cy};
    // A button in the right cap moves with the right end.
    const int dW = size.cx - geometry_.skinrect.Width();
    return buttonrect_.Left >= geometry_.righttoppoint.x ? buttonrect_.Offset(dW, 0) : buttonrect_;
}

namespace {

// Two one-pixel frames: button shadow outside, button face inside.
void DrawPlainFrame(TCanvas& canvas, TSize size, int buttonWidth)
{
    canvas.Brush().Color = clBtnFace;
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.FillRect(Rect(0, 0, size.cx, size.cy));
    TRect frame{0, 0, size.cx - buttonWidth, size.cy};
    Frame3D(canvas, frame, clBtnShadow, clBtnShadow, 1);
    Frame3D(canvas, frame, clBtnFace, clBtnFace, 1);
}

} // namespace

void TbsEditFrame::Draw(TBitmap& image, bool active, bool buttonMode, TButtonLook button) const
{
    const TSize size{image.Width(), image.Height()};
    const TRect buttonRect = ButtonRect(size, buttonMode);
    if (!bound_ || !geometry_.SkinPicture) {
        TCanvas canvas(image);
        DrawPlainFrame(canvas, size, buttonRect.Width());
        if (!buttonMode) return;
        TRect face = buttonRect;
        DrawDefaultElement(canvas, face, button == TButtonLook::Pressed ? TbsElementState::Pressed
                                         : button == TButtonLook::Hot   ? TbsElementState::Hot
                                                                        : TbsElementState::Normal);
        return;
    }
    const TbsSkinControlGeometry& g = geometry_;
    BuildHSkinImage(*g.SkinPicture, active ? activeskinrect_ : g.skinrect, g.lefttoppoint.x,
                    g.skinrect.Width() - g.righttoppoint.x, size.cx, image);
    if (!buttonMode) return;
    TRect face;
    switch (button) {
    case TButtonLook::Disabled: face = unenabledbuttonrect_; break;
    case TButtonLook::Pressed: face = downbuttonrect_; break;
    case TButtonLook::Hot: face = activebuttonrect_; break;
    case TButtonLook::Normal: break;
    }
    if (!face.IsEmpty()) TCanvas(image).CopyRect(buttonRect, *g.SkinPicture, face);
}

void TbsEditFrame::DrawBorder(TBitmap& image, bool active) const
{
    const TSize size{image.Width(), image.Height()};
    TCanvas canvas(image);
    if (!bound_ || !geometry_.SkinPicture) {
        DrawPlainFrame(canvas, size, 0);
        return;
    }
    DrawSkinBorder(canvas, geometry_, active ? activeskinrect_ : geometry_.skinrect, size);
}

TColor TbsEditFrame::FontColor(bool active, bool enabled) const
{
    if (!enabled) return disabledfontcolor_;
    return active ? activefontcolor_ : fontcolor_;
}

TFont TbsEditFrame::SkinFont(const TFont& base) const
{
    TFont font = base;
    font.SetName(fontname_);
    font.SetHeight(fontheight_);
    font.SetStyle(fontstyle_);
    return font;
}

} // namespace tavrik
