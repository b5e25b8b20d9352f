#include "skinforms/FrameGeometry.h"

#include "skin/SkinFormInfo.h"

namespace tavrik {

namespace {

TPoint Moved(TPoint p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

TRect Grown(const TRect& r, int dx, int dy) { return {r.Left, r.Top, r.Right + dx, r.Bottom + dy}; }

} // namespace

TFrameGeometry ComputeFrameGeometry(const TbsSkinFormInfo& info, TSize picture, TSize frame)
{
    const int dx = frame.cx - picture.cx;
    const int dy = frame.cy - picture.cy;
    TFrameGeometry g;
    g.NewLTPoint = info.lefttoppoint;
    g.NewRTPoint = Moved(info.righttoppoint, dx, 0);
    g.NewLBPoint = Moved(info.leftbottompoint, 0, dy);
    g.NewRBPoint = Moved(info.rightbottompoint, dx, dy);
    g.NewClientRect = Grown(info.clientrect, dx, dy);
    g.NewCaptionRect = info.captionrect.IsEmpty() ? info.captionrect : Grown(info.captionrect, dx, 0);
    g.NewButtonsRect = info.buttonsrect;
    if (!info.buttonsrect.IsEmpty() && info.buttonsrect.Left > picture.cx / 2)
        g.NewButtonsRect = info.buttonsrect.Offset(dx, 0);
    g.NewHitTestPoints[0] = info.hittestlefttoppoint;
    g.NewHitTestPoints[1] = Moved(info.hittestrighttoppoint, dx, 0);
    g.NewHitTestPoints[2] = Moved(info.hittestleftbottompoint, 0, dy);
    g.NewHitTestPoints[3] = Moved(info.hittestrightbottompoint, dx, dy);
    g.NewMaskRect = Grown(info.maskrectarea, dx, dy);
    return g;
}

TRect MapObjectRect(const TRect& r, const TbsSkinFormInfo& info, TSize picture, const TFrameGeometry& geometry)
{
    const TRect topLeft{0, 0, info.lefttoppoint.x, info.lefttoppoint.y};
    const TRect topRight{info.righttoppoint.x, 0, picture.cx, info.righttoppoint.y};
    const TRect bottomLeft{0, info.leftbottompoint.y, info.leftbottompoint.x, picture.cy};
    const TRect bottomRight{info.rightbottompoint.x, info.rightbottompoint.y, picture.cx, picture.cy};
    const int dx = geometry.NewRBPoint.x - info.rightbottompoint.x;
    const int dy = geometry.NewRBPoint.y - info.rightbottompoint.y;
    // The rectangle's first and last pixels; its exclusive corner would put an object that
    // reaches the picture's right or bottom edge in no area, and it would not move.
    const TPoint a = r.TopLeft();
    const TPoint b{r.Right - 1, r.Bottom - 1};
    auto within = [&](const TRect& area) { return area.Contains(a) && area.Contains(b); };
    if (within(topLeft)) return r;
    if (within(topRight)) return r.Offset(dx, 0);
    if (within(bottomLeft)) return r.Offset(0, dy);
    if (within(bottomRight)) return r.Offset(dx, dy);
    if (topLeft.Contains(a) && bottomRight.Contains(b)) return Grown(r, dx, dy);
    if (topLeft.Contains(a) && topRight.Contains(b)) return Grown(r, dx, 0);
    if (bottomLeft.Contains(a) && bottomRight.Contains(b)) return Grown(r, dx, 0).Offset(0, dy);
    if (topLeft.Contains(a) && bottomLeft.Contains(b)) return Grown(r, 0, dy);
    if (topRight.Contains(a) && bottomRight.Contains(b)) return Grown(r.Offset(dx, 0), 0, dy);
    return r;
}

} // namespace tavrik
