#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"

#include <optional>

namespace tavrik {

class TbsDataSkinCustomControl;
struct TbsSkinPictureSet;

// How a control's skin picture follows the control's size, from the corner points of its
// control skin (first match):
enum TbsStretchMode : int {
    smNoGeometry = -1, // skinrect is empty: the size is left alone
    smFixed = 0,       // no corner point: the control takes exactly the skinrect size
    smBoth = 1,        // rightbottompoint set (both coordinates): stretches both ways
    smHorizontal = 2,  // a righttoppoint coordinate set: the height stays the skinrect height
    smVertical = 3,    // a leftbottompoint coordinate set: the width stays the skinrect width
};

// What a skinned control copies from its control skin, and the same points and client
// rectangle moved for the control's current size. The fields bear the names of the skin's
// keys: skinrect is in picture coordinates, the points and clientrect relative to the
// top-left corner of skinrect. The pictures belong to the skin data and are valid until its
// next change.
struct TbsSkinControlGeometry {
    const TBitmap* SkinPicture = nullptr;
    const TBitmap* SkinMask = nullptr;
    TRect skinrect;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect;
    TPoint FittedLeftTop;
    TPoint FittedRightTop;
    TPoint FittedLeftBottom;
    TPoint FittedRightBottom;
    TRect FittedClientRect;
    int StretchMode = smNoGeometry;

    static int StretchModeOf(const TRect& skinrect, TPoint righttop, TPoint leftbottom, TPoint rightbottom);

    // Copies the geometry and picks the pictures; an index outside the pictures gives none.
    void CopyFrom(const TbsDataSkinCustomControl& skin, const TbsSkinPictureSet& pictures);
    // A control skin of a kind without picture geometry: no pictures, and the size is left alone.
    void CopyNothingFrom();
    void DropPictures();

    // The size a control of a bound skin takes for a requested size, and the fitted points.
    void FitSizeToSkin(int& width, int& height, bool bound);
    // A rectangle given relative to skinrect (a caption rectangle of the skin), in the
    // coordinates of a control of the given size.
    TRect MapSkinRect(TRect r, TSize size) const;
    // Draws the rectangle `source` of the skin picture (skinrect, or another state's rectangle
    // of its size) at the control's size into `dest`. Nothing without a picture.
    void BuildImage(const TRect& source, TSize size, TBitmap& dest) const;
    // The shape of a control of that size from the mask; none without a mask or geometry.
    std::optional<TRegion> RegionFor(TSize size) const;
};

} // namespace tavrik
