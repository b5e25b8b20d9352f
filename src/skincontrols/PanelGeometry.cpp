#include "skincontrols/PanelGeometry.h"

#include "gfx/SystemColors.h"
#include "skin/SkinDrawing.h"

namespace tavrik {

namespace {

bool ContainsWithEdges(const TRect& r, TPoint p)
{
    return p.x >= r.Left && p.x <= r.Right && p.y >= r.Top && p.y <= r.Bottom;
}

} // namespace

TRect PanelChildArea(const TPanelClientInput& in)
{
    if (!in.Skinned) {
        TRect r = in.BorderStyle == TbsBevelStyle::bvNone ? in.Client : in.Client.Inflate(-1, -1);
        if (in.CaptionMode) r.Top += in.DefaultCaptionHeight;
        return r;
    }
    const bool tiledWhole = in.BorderStyle == TbsBevelStyle::bvNone && !in.CaptionMode && in.StretchesBothWays;
    return in.HasBackgroundPicture || tiledWhole ? in.Client : in.FittedClient;
}

int RolledPanelHeight(bool skinned, int defaultCaptionHeight, int height, const TRect& fittedClient)
{
    return skinned ? height - fittedClient.Height() : defaultCaptionHeight + 1;
}

bool PanelCaptionHit(TPoint point, bool skinned, const TRect& fittedCaption, int width, int defaultCaptionHeight)
{
    const TRect bar = skinned ? fittedCaption : TRect{1, 1, width - 1, defaultCaptionHeight};
    return ContainsWithEdges(bar, point);
}

TExPanelCaption SkinExPanelRow(const TRect& caption, const TExPanelButtons& b)
{
    TExPanelCaption c{{}, {}, caption};
    const int gap = b.ShowClose ? 2 : 0;
    int closeLeft = caption.Right;
    if (b.ShowClose) {
        c.Close = {caption.Right - b.Close.cx, caption.Top, caption.Right, caption.Top + b.Close.cy};
        closeLeft = c.Close.Left;
        c.Caption.Right -= b.Close.cx;
    }
    if (b.ShowRoll) {
        c.Roll = {closeLeft - b.Roll.cx - gap, caption.Top, closeLeft - gap, caption.Top + b.Roll.cy};
        c.Caption.Right -= b.Roll.cx + gap;
    }
    return c;
}

TExPanelCaption SkinExPanelColumn(const TRect& caption, const TExPanelButtons& b)
{
    TExPanelCaption c{{}, {}, caption};
    const int gap = b.ShowClose ? 2 : 0;
    int closeBottom = caption.Top;
    if (b.ShowClose) {
        c.Close = {caption.Left, caption.Top, caption.Left + b.Close.cx, caption.Top + b.Close.cy};
        closeBottom = c.Close.Bottom;
        c.Caption.Top += b.Close.cy;
    }
    if (b.ShowRoll) {
        c.Roll = {caption.Left, closeBottom + gap, caption.Left + b.Roll.cx, closeBottom + gap + b.Roll.cy};
        c.Caption.Top += b.Roll.cy + gap;
    }
    return c;
}

TExPanelCaption PlainExPanelRow(TSize control, int captionHeight, bool showClose, bool showRoll)
{
    const int side = captionHeight - 6;
    TExPanelCaption c;
    int closeLeft = control.cx - 2;
    if (showClose) {
        c.Close = {control.cx - side - 2, 3, control.cx - 2, side + 3};
        closeLeft = c.Close.Left;
    }
    if (showRoll) c.Roll = {closeLeft - side, 3, closeLeft, side + 3};
    const int buttons = (showClose ? side : 0) + (showRoll ? side : 0);
    c.Caption = {4, 2, control.cx - 2 - buttons - 2, captionHeight - 2};
    return c;
}

TExPanelCaption PlainExPanelColumn(TSize control, int captionHeight, bool showClose, bool showRoll)
{
    const int side = captionHeight - 6;
    TExPanelCaption c;
    int closeBottom = 3;
    if (showClose) {
        c.Close = {3, 3, side + 3, side + 3};
        closeBottom = c.Close.Bottom;
    }
    if (showRoll) c.Roll = {3, closeBottom, side + 3, closeBottom + side};
    const int buttons = (showClose ? side : 0) + (showRoll ? side : 0);
    c.Caption = {0, buttons + 2, control.cx, control.cy};
    return c;
}

int LabelExtraWidth(bool skinned, bool fixedSkin, int textWidth, int width, const TRect& fittedClient)
{
    if (!skinned) return textWidth + 6 - width;
    if (fixedSkin) return 0;
    return textWidth - fittedClient.Width();
}

void DrawBevelFrame(TCanvas& canvas, const TRect& rect, TbsBevelStyle style)
{
    switch (style) {
    case TbsBevelStyle::bvFrame: DrawFrame3D(canvas, rect, clBtnShadow, clBtnShadow); break;
    case TbsBevelStyle::bvRaised: DrawFrame3D(canvas, rect, clBtnHighlight, clBtnShadow); break;
    case TbsBevelStyle::bvLowered: DrawFrame3D(canvas, rect, clBtnShadow, clBtnHighlight); break;
    case TbsBevelStyle::bvNone: break;
    }
}

} // namespace tavrik
