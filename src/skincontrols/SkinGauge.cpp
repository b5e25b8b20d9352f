#include "skincontrols/SkinPaint.h"
#include "skincontrols/SkinGauge.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/SkinDrawing.h"
#include "skincontrols/GaugeGeometry.h"
#include "skincontrols/DefaultLook.h"
#include "skincontrols/PlainLook.h"

namespace tavrik {

TbsSkinGauge::TbsSkinGauge(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("gauge");
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(0, 0, 100, 20);
}

void TbsSkinGauge::SetMinValue(int value)
{
    range_.Min = value;
    range_.Value = range_.Clamp(range_.Value);
    Invalidate();
}

void TbsSkinGauge::SetMaxValue(int value)
{
    range_.Max = value;
    range_.Value = range_.Clamp(range_.Value);
    Invalidate();
}

void TbsSkinGauge::SetValue(int value)
{
    value = range_.Clamp(value);
    if (value == range_.Value) return;
    range_.Value = value;
    Invalidate();
}

void TbsSkinGauge::SetVertical(bool on)
{
    if (on == vertical_) return;
    vertical_ = on;
    SetSkinDataName(on ? "vgauge" : "gauge");
    if ((Width() > Height()) == on) SetBounds(Left(), Top(), Height(), Width());
    const int defaultWidth = DefaultWidth(), defaultHeight = DefaultHeight();
    SetDefaultWidth(on ? defaultHeight : 0);
    SetDefaultHeight(on ? 0 : defaultWidth);
    Invalidate();
}

void TbsSkinGauge::SetUseSkinSize(bool on)
{
    if (on == useSkinSize_) return;
    useSkinSize_ = on;
    ApplySkin();
}

void TbsSkinGauge::SetShowProgressText(bool on)
{
    showProgressText_ = on;
    Invalidate();
}

void TbsSkinGauge::SetProgressText(const std::string& text)
{
    progressText_ = text;
    Invalidate();
}

void TbsSkinGauge::SetShowPercent(bool on)
{
    showPercent_ = on;
    Invalidate();
}

std::string TbsSkinGauge::ProgressString() const
{
    return tavrik::ProgressString(range_, showProgressText_, progressText_, showPercent_);
}

bool TbsSkinGauge::ShownVertical() const { return SkinIndex() != -1 ? skinVertical_ : vertical_; }

void TbsSkinGauge::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinGaugeControl*>(SkinControl())) {
        progressarea_ = skin->progressarea;
        progressrect_ = skin->progressrect;
        beginoffset_ = skin->beginoffset;
        endoffset_ = skin->endoffset;
        skinVertical_ = skin->vertical;
        font_ = TbsSkinFontKeys::Of(*skin);
    }
    // A gauge stretched to any size keeps its rectangle: a mask drawn for the skin's size
    // would cut it wrongly.
    if (!useSkinSize_) SkinMask = nullptr;
}

void TbsSkinGauge::FitSizeToSkin(int& width, int& height)
{
    int fittedWidth = width, fittedHeight = height;
    TbsSkinCustomControl::FitSizeToSkin(fittedWidth, fittedHeight);
    FittedProgressArea = progressarea_;
    if (StretchMode > 0) {
        if (skinVertical_) FittedProgressArea.Bottom += fittedHeight - skinrect.Height();
        else FittedProgressArea.Right += fittedWidth - skinrect.Width();
    }
    fittedSize_ = {fittedWidth, fittedHeight};
    if (useSkinSize_) {
        width = fittedWidth;
        height = fittedHeight;
    }
}

void TbsSkinGauge::DrawSkinProgress(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    if (!SkinPicture) return;
    const TRect fill = ProgressFillRect(FittedProgressArea, ShownVertical(), range_);
    TCanvas canvas(bitmap);
    for (const TGaugePiece& piece : GaugeFillPieces(fill, progressrect_, beginoffset_, endoffset_, ShownVertical()))
        canvas.CopyRect(piece.Dest, *SkinPicture, piece.Source);
}

void TbsSkinGauge::DrawSkinImage(TBitmap& bitmap)
{
    TFontRequest font = WithColor(SkinTextFont(font_), font_.fontcolor);
    if (useSkinSize_) {
        DrawSkinProgress(bitmap);
    } else {
        // The skin's picture at the size the skin would give, stretched to the gauge.
        int width = Width(), height = Height();
        FitSizeToSkin(width, height);
        TBitmap fitted(std::max(1, fittedSize_.cx), std::max(1, fittedSize_.cy));
        DrawSkinProgress(fitted);
        TCanvas canvas(bitmap);
        canvas.StretchDraw({0, 0, bitmap.Width(), bitmap.Height()}, fitted);
    }
    DrawText(bitmap, font);
}

void TbsSkinGauge::DrawDefaultImage(TBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    {
        TCanvas canvas(bitmap);
        canvas.Brush().Color = clWindow;
        canvas.FillRect({0, 0, w, h});
        DrawFrame3D(canvas, {0, 0, w, h}, clBtnShadow, clBtnShadow);
        const TRect fill = ProgressFillRect({1, 1, w - 1, h - 1}, vertical_, range_);
        if (!fill.IsEmpty()) {
            canvas.Brush().Color = kDefaultHotFill;
            canvas.FillRect(fill);
        }
    }
    DrawText(bitmap, DefaultFont().Request());
}

void TbsSkinGauge::DrawText(TBitmap& bitmap, const TFontRequest& font)
{
    const std::string text = ProgressString();
    if (text.empty()) return;
    TCanvas canvas(bitmap);
    canvas.Brush().Style = TBrushStyle::bsClear;
    TFontRequest f = font;
    const bool vertical = ShownVertical();
    if (vertical) f.Orientation = 900;
    canvas.SetFont(f);
    const TSize extent = canvas.TextExtent(text);
    const int w = bitmap.Width(), h = bitmap.Height();
    if (vertical) canvas.TextOut(w / 2 - extent.cy / 2, h / 2 + extent.cx / 2, text);
    else canvas.TextOut(w / 2 - extent.cx / 2, h / 2 - extent.cy / 2, text);
}

} // namespace tavrik
