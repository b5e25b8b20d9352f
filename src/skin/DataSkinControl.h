#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinKeyMacros.h"
#include "skin/SkinSection.h"
#include "skin/SkinValues.h"

#include <string>

namespace tavrik {

#define BS_CONTROL_KEYS(KEY)        \
    KEY(PictureIndex, pictureindex) \
    KEY(PictureIndex, maskpictureindex) /* black pixels are inside the control's shape */ \
    KEY(Rect, skinrect)

// A control skin of [SKINCONTROLS]: one look a skinned control can take, drawn from the
// active picture pictureindex. Fields are named exactly as the keys they are read from.
// Rectangles of other states are in the picture's coordinates; clientrect, the corner points
// and the placement rectangles are relative to the top-left corner of skinrect.
class TbsDataSkinControl : public TbsSkinSection {
public:
    using TbsSkinSection::TbsSkinSection;

    BS_FIRST_SECTION_KEYS(BS_CONTROL_KEYS)
};

#define BS_CUSTOM_CONTROL_KEYS(KEY) \
    BS_CORNER_POINT_KEYS(KEY)       \
    KEY(Rect, clientrect)

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

    BS_SECTION_KEYS(TbsDataSkinControl, BS_CUSTOM_CONTROL_KEYS)
};

} // namespace tavrik
