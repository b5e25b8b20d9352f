#include "skincontrols/SkinLabel.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinPanelControls.h"
#include "skincontrols/SkinPaint.h"

namespace tavrik {

namespace {

int TextWidthIn(const TFontRequest& font, std::string_view text)
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(font);
    return canvas.TextWidth(text);
}

} // namespace

TbsSkinLabel::TbsSkinLabel(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("label");
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(0, 0, 75, 21);
}

void TbsSkinLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TbsSkinLabel::SetBorderStyle(TbsBevelStyle style)
{
    borderStyle_ = style;
    if (SkinIndex() == -1) Invalidate();
}

void TbsSkinLabel::SetAutoSize(bool on)
{
    TbsSkinCustomControl::SetAutoSize(on);
    if (on) AdjustWidth();
}

void TbsSkinLabel::TextChanged()
{
    TbsSkinCustomControl::TextChanged();
    AdjustWidth();
    Invalidate();
}

void TbsSkinLabel::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinLabelControl*>(SkinControl())) font_ = TbsSkinFontKeys::Of(*skin);
    if (SkinIndex() != -1 && StretchMode == 0 && AutoSize()) TbsSkinCustomControl::SetAutoSize(false);
}

TFontRequest TbsSkinLabel::TextFont()
{
    if (SkinIndex() == -1) return DefaultFont().Request();
    TFontRequest font = WithColor(SkinTextFont(font_), font_.fontcolor);
    return font;
}

int TbsSkinLabel::ExtraWidth()
{
    ReadSkinObject();
    const int text = TextWidthIn(TextFont(), Caption());
    return LabelExtraWidth(SkinIndex() != -1, StretchMode == 0, text, Width(), FittedClientRect);
}

void TbsSkinLabel::AdjustWidth()
{
    if (!AutoSize()) return;
    const TAlign align = Align();
    if (align == TAlign::alTop || align == TAlign::alBottom || align == TAlign::alClient) return;
    const int extra = ExtraWidth();
    if (extra == 0) return;
    // The width asked for already fits the text: fitting it to the skin must not add the
    // same extra again.
    widthAdjusting_ = true;
    SetWidth(Width() + extra);
    widthAdjusting_ = false;
}

void TbsSkinLabel::FitSizeToSkin(int& width, int& height)
{
    if (AutoSize() && !widthAdjusting_) {
        const int extra = ExtraWidth();
        if (extra > 0) width += extra;
    }
    TbsSkinCustomControl::FitSizeToSkin(width, height);
}

void TbsSkinLabel::DrawLabelText(TCanvas& canvas, const TRect& rect) { DrawLabelText(canvas, rect, Caption()); }

void TbsSkinLabel::DrawLabelText(TCanvas& canvas, const TRect& rect, std::string_view text)
{
    TCanvasStateSaver saver(canvas);
    canvas.SetFont(TextFont());
    canvas.Brush().Style = TBrushStyle::bsClear;
    const TSize extent = canvas.TextExtent(text);
    int x = rect.Left;
    if (alignment_ == TAlignment::taRightJustify) x = rect.Right - extent.cx;
    else if (alignment_ == TAlignment::taCenter) x = rect.Left + rect.Width() / 2 - extent.cx / 2;
    canvas.TextRect(rect, x, rect.Top + rect.Height() / 2 - extent.cy / 2, text);
}

void TbsSkinLabel::DrawPlainCell(TCanvas& canvas)
{
    const TRect all{0, 0, Width(), Height()};
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect(all);
    DrawBevelFrame(canvas, all, borderStyle_);
}

void TbsSkinLabel::DrawDefaultImage(TBitmap& bitmap)
{
    TCanvas canvas(bitmap);
    DrawPlainCell(canvas);
    DrawLabelText(canvas, {3, 3, bitmap.Width() - 3, bitmap.Height() - 3});
}

void TbsSkinLabel::DrawSkinImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    TCanvas canvas(bitmap);
    DrawLabelText(canvas, FittedClientRect);
}

} // namespace tavrik
