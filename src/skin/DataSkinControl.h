#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinSection.h"
#include "skin/SkinValues.h"

#include <string>

namespace tavrik {

// A control skin of [SKINCONTROLS]: one look a skinned control can take, drawn from the
// active picture pictureindex. Fields are named exactly as the keys they are read from.
// Rectangles of other states are in the picture's coordinates; clientrect, the corner points
// and the placement rectangles are relative to the top-left corner of skinrect.
class TbsDataSkinControl : public TbsSkinSection {
public:
    using TbsSkinSection::TbsSkinSection;

    int32_t pictureindex = -1;
    int32_t maskpictureindex = -1; // black pixels are inside the control's shape
    TRect skinrect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// A control skin that is resized by its corner points:
//
//        lefttoppoint.x      righttoppoint.x
//   +---------+-------------------+---------+
//   | corner  |   top edge        | corner  |  <- lefttoppoint.y / righttoppoint.y
//   +---------+-------------------+---------+
//   |  left   |    clientrect     |  right  |
//   +---------+-------------------+---------+  <- leftbottompoint.y / rightbottompoint.y
//   | corner  |   bottom edge     | corner  |
//   +---------+-------------------+---------+
//
// A rightbottompoint with both coordinates non-zero resizes both ways; otherwise a non-zero
// righttoppoint resizes the width only and a non-zero leftbottompoint the height only.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

} // namespace tavrik
