#include "ui/Panel.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"

namespace tavrik {

TPanel::TPanel(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetBounds(0, 0, 185, 41);
}

void TPanel::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    if (borderStyle_ == TPanelBorderStyle::bsSingle) p.Style |= WS_BORDER;
}

void TPanel::AdjustClientRect(TRect& rect) const
{
    rect = rect.Inflate(-borderWidth_, -borderWidth_);
    if (bevelOuter_ != TBevelCut::bvNone) rect = rect.Inflate(-bevelWidth_, -bevelWidth_);
    if (bevelInner_ != TBevelCut::bvNone) rect = rect.Inflate(-bevelWidth_, -bevelWidth_);
}

void TPanel::FrameChanged()
{
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut cut)
{
    if (cut == bevelOuter_) return;
    bevelOuter_ = cut;
    FrameChanged();
}

void TPanel::SetBevelInner(TBevelCut cut)
{
    if (cut == bevelInner_) return;
    bevelInner_ = cut;
    FrameChanged();
}

void TPanel::SetBevelWidth(int width)
{
    if (width < 1 || width == bevelWidth_) return;
    bevelWidth_ = width;
    FrameChanged();
}

void TPanel::SetBorderWidth(int width)
{
    if (width < 0 || width == borderWidth_) return;
    borderWidth_ = width;
    FrameChanged();
}

void TPanel::SetBorderStyle(TPanelBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
    Realign();
}

void TPanel::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TPanel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    TColor top, bottom;
    if (bevelOuter_ != TBevelCut::bvNone) {
        BevelColors(bevelOuter_, top, bottom);
        Frame3D(c, r, top, bottom, bevelWidth_);
    }
    Frame3D(c, r, Color(), Color(), borderWidth_);
    if (bevelInner_ != TBevelCut::bvNone) {
        BevelColors(bevelInner_, top, bottom);
        Frame3D(c, r, top, bottom, bevelWidth_);
    }
    c.Brush().Color = Color();
    c.FillRect(r);
    if (Caption().empty()) return;
    c.Brush().Style = TBrushStyle::bsClear;
    c.SetFont(Font().Request());
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
    TRect text = r.Inflate(-2, 0);
    if (!Enabled()) c.Font().Color = clGrayText;
    c.DrawText(Caption(), text, flags);
}

} // namespace tavrik
