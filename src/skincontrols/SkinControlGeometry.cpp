#include "skincontrols/SkinControlGeometry.h"

#include "skin/DataSkinControl.h"
#include "skin/PixelCells.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinPictureSet.h"
#include "skin/SkinRects.h"
#include "skin/SkinRegions.h"

namespace tavrik {

namespace {

const TBitmap* PictureAt(const TbsSkinPictureSet& pictures, int index)
{
    if (index < 0 || size_t(index) >= pictures.activepictures.size()) return nullptr;
    const TBitmap& b = pictures.activepictures[size_t(index)];
    return b.Empty() ? nullptr : &b;
}

TRect ZoneOf(int left, int top, int right, int bottom) { return Rect(left, top, right, bottom); }

// Inclusive edges, for the rectangles that reach across zones.
bool InZone(const TRect& zone, TPoint p) { return RectContainsPoint(zone, p); }

} // namespace

int TbsSkinControlGeometry::StretchModeOf(const TRect& skinrect, TPoint righttop, TPoint leftbottom, TPoint rightbottom)
{
    if (IsNullRect(skinrect)) return smNoGeometry;
    if (rightbottom.x != 0 && rightbottom.y != 0) return smBoth;
    if (righttop.x != 0 || righttop.y != 0) return smHorizontal;
    if (leftbottom.x != 0 || leftbottom.y != 0) return smVertical;
    return smFixed;
}

void TbsSkinControlGeometry::CopyFrom(const TbsDataSkinCustomControl& skin, const TbsSkinPictureSet& pictures)
{
    lefttoppoint = skin.lefttoppoint;
    righttoppoint = skin.righttoppoint;
    leftbottompoint = skin.leftbottompoint;
    rightbottompoint = skin.rightbottompoint;
    skinrect = skin.skinrect;
    clientrect = skin.clientrect;
    SkinPicture = PictureAt(pictures, skin.pictureindex);
    SkinMask = PictureAt(pictures, skin.maskpictureindex);
    StretchMode = StretchModeOf(skinrect, righttoppoint, leftbottompoint, rightbottompoint);
}

void TbsSkinControlGeometry::CopyNothingFrom()
{
    // No geometry rather than a fixed one: the copies are another skin's (or none), and a
    // control fitted to them would take a size that is not its own, down to nothing.
    StretchMode = smNoGeometry;
    DropPictures();
}

void TbsSkinControlGeometry::DropPictures()
{
    SkinPicture = nullptr;
    SkinMask = nullptr;
}

void TbsSkinControlGeometry::FitSizeToSkin(int& width, int& height, bool bound)
{
    const int dw = width - RectWidth(skinrect);
    const int dh = height - RectHeight(skinrect);
    switch (StretchMode) {
    case smFixed:
        if (!bound) return;
        width = RectWidth(skinrect);
        height = RectHeight(skinrect);
        FittedClientRect = clientrect;
        return;
    case smBoth:
        FittedLeftTop = lefttoppoint;
        FittedRightTop = {righttoppoint.x + dw, righttoppoint.y};
        FittedLeftBottom = {leftbottompoint.x, leftbottompoint.y + dh};
        FittedRightBottom = {rightbottompoint.x + dw, rightbottompoint.y + dh};
        FittedClientRect = Rect(clientrect.Left, clientrect.Top, clientrect.Right + dw, clientrect.Bottom + dh);
        return;
    case smHorizontal:
        height = RectHeight(skinrect);
        FittedLeftTop = lefttoppoint;
        FittedRightTop = {righttoppoint.x + dw, righttoppoint.y};
        FittedClientRect = Rect(clientrect.Left, clientrect.Top, clientrect.Right + dw, clientrect.Bottom);
        return;
    case smVertical:
        width = RectWidth(skinrect);
        FittedLeftTop = lefttoppoint;
        FittedLeftBottom = {leftbottompoint.x, leftbottompoint.y + dh};
        FittedClientRect = Rect(clientrect.Left, clientrect.Top, clientrect.Right, clientrect.Bottom + dh);
        return;
    default: return;
    }
}

TRect TbsSkinControlGeometry::MapSkinRect(TRect r, TSize size) const
{
    const int dw = size.cx - RectWidth(skinrect);
    const int dh = size.cy - RectHeight(skinrect);
    const int w = RectWidth(skinrect);
    const int h = RectHeight(skinrect);
    switch (StretchMode) {
    case smBoth: {
        const TRect lt = ZoneOf(0, 0, lefttoppoint.x, lefttoppoint.y);
        const TRect rt = ZoneOf(righttoppoint.x, 0, w, righttoppoint.y);
        const TRect lb = ZoneOf(0, leftbottompoint.y, leftbottompoint.x, h);
        const TRect rb = ZoneOf(rightbottompoint.x, rightbottompoint.y, w, h);
        const TPoint a = r.TopLeft();
        const TPoint b = r.BottomRight();
        auto inside = [&](const TRect& zone) { return zone.Contains(a) && zone.Contains(b); };
        if (inside(lt)) return r;
        if (inside(rt)) return r.Offset(dw, 0);
        if (inside(lb)) return r.Offset(0, dh);
        if (inside(rb)) return r.Offset(dw, dh);
        if (InZone(lt, a) && InZone(rb, b)) return Rect(r.Left, r.Top, r.Right + dw, r.Bottom + dh);
        if (InZone(lt, a) && InZone(rt, b)) return Rect(r.Left, r.Top, r.Right + dw, r.Bottom);
        if (InZone(lb, a) && InZone(rb, b)) return Rect(r.Left, r.Top + dh, r.Right + dw, r.Bottom + dh);
        if (InZone(lt, a) && InZone(lb, b)) return Rect(r.Left, r.Top, r.Right, r.Bottom + dh);
        if (InZone(rt, a) && InZone(rb, b)) return Rect(r.Left + dw, r.Top, r.Right + dw, r.Bottom + dh);
        return r;
    }
    case smHorizontal:
        if (r.Left <= lefttoppoint.x && r.Right >= righttoppoint.x) return Rect(r.Left, r.Top, r.Right + dw, r.Bottom);
        if (r.Left >= righttoppoint.x && r.Right > righttoppoint.x) return r.Offset(dw, 0);
        return r;
    case smVertical:
        if (r.Top <= lefttoppoint.y && r.Bottom >= leftbottompoint.y) return Rect(r.Left, r.Top, r.Right, r.Bottom + dh);
        if (r.Top >= leftbottompoint.y && r.Bottom > leftbottompoint.y) return r.Offset(0, dh);
        return r;
    default: return r;
    }
}

void TbsSkinControlGeometry::BuildImage(const TRect& source, TSize size, TBitmap& dest) const
{
    if (!SkinPicture) return;
    const TBitmap& picture = *SkinPicture;
    const int w = RectWidth(skinrect);
    const int h = RectHeight(skinrect);
    switch (StretchMode) {
    case smFixed:
        SetPictureSize(dest, w, h);
        BlitCell(dest, Rect(0, 0, w, h), picture, Rect(source.Left, source.Top, source.Left + w, source.Top + h));
        return;
    case smBoth: {
        const TSkinCut cut{lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect};
        const TSkinCut fitted{FittedLeftTop, FittedRightTop, FittedLeftBottom, FittedRightBottom, FittedClientRect};
        BuildSkinImage(picture, source, cut, size, fitted, TClientFill::Tile, dest);
        return;
    }
    case smHorizontal:
        BuildHSkinImage(picture, source, lefttoppoint.x, w - righttoppoint.x, size.cx, dest);
        return;
    case smVertical:
        BuildVSkinImage(picture, source, lefttoppoint.y, h - leftbottompoint.y, size.cy, dest);
        return;
    default: return;
    }
}

std::optional<TRegion> TbsSkinControlGeometry::RegionFor(TSize size) const
{
    if (!SkinMask) return std::nullopt;
    switch (StretchMode) {
    case smFixed: return RegionFromMask(*SkinMask);
    case smBoth:
        return FrameRegionFromMask(*SkinMask, {lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect},
                                   size.cx,
                                   {FittedLeftTop, FittedRightTop, FittedLeftBottom, FittedRightBottom, FittedClientRect});
    case smHorizontal:
        // The mask stretches as the picture does: its lower points are its upper ones.
        return FrameRegionFromMask(*SkinMask, {lefttoppoint, righttoppoint, lefttoppoint, righttoppoint, clientrect},
                                   size.cx, {FittedLeftTop, FittedRightTop, FittedLeftTop, FittedRightTop, FittedClientRect});
    case smVertical:
        return FrameRegionFromMask(*SkinMask,
                                   {lefttoppoint, lefttoppoint, leftbottompoint, leftbottompoint, clientrect}, size.cx,
                                   {FittedLeftTop, FittedLeftTop, FittedLeftBottom, FittedLeftBottom, FittedClientRect});
    default: return std::nullopt;
    }
}

} // namespace tavrik
