#include "ui/Frame3D.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"

namespace tavrik {

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    TBrush saved = canvas.Brush();
    canvas.Brush().Style = TBrushStyle::bsSolid;
    for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
        const TRect& r = rect;
        canvas.Brush().Color = topColor;
        canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1});
        canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1});
        canvas.Brush().Color = bottomColor;
        canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
        canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
        rect = rect.Inflate(-1, -1);
    }
    canvas.SetBrush(saved);
}

void BevelColors(TBevelCut cut, TColor& topColor, TColor& bottomColor)
{
    topColor = cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
    bottomColor = cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
    if (cut == TBevelCut::bvSpace) topColor = bottomColor = clBtnFace;
}

} // namespace tavrik
