#pragma once

#include "core/Geometry.h"
#include "skin/SkinKeyMacros.h"
#include "skin/SkinValues.h"

namespace tavrik {

class TbsSkinIni;

#define BS_FORM_FRAME_KEYS(KEY)                                            \
    BS_CORNER_POINT_KEYS(KEY)                                              \
    KEY(Rect, clientrect)                                                  \
    KEY(PictureIndex, bgpictureindex) KEY(PictureIndex, mdibgpictureindex) \
    BS_STRETCH_KEYS(KEY)                                                   \
    KEY(Rect, maskrectarea) /* the inner part that belongs wholly to a masked window's shape */ \
    KEY(Point, hittestlefttoppoint) KEY(Point, hittestrighttoppoint)       \
    KEY(Point, hittestleftbottompoint) KEY(Point, hittestrightbottompoint)

#define BS_FORM_CAPTION_KEYS(KEY)         \
    KEY(Rect, buttonsrect)                \
    KEY(Rect, captionrect)                \
    KEY(Int, buttonsoffset, 0)            \
    KEY(Bool, buttonsinleft)              \
    KEY(Bool, mainmenupopupup)            \
    KEY(Int, borderwidth, 0)              \
    KEY(Bool, autorenderinginactiveimage) \
    KEY(InactiveEffect, inactiveeffect)

// How the skinned form frame is cut out of the frame picture: the values of [FORMINFO],
// one field per key. The whole frame picture is the element, so points and rectangles are
// in picture coordinates.
struct TbsSkinFormInfo {
    BS_FORM_FRAME_KEYS(BS_FIELD)
    BS_FORM_CAPTION_KEYS(BS_FIELD)

    // Reads [FORMINFO] and normalises it. With a mask (hasMask), maskrectarea grows to hold
    // clientrect and each hit-test point with a zero coordinate becomes its corner point.
    // Unless the frame is degenerate (rightbottompoint sharing an x or y with lefttoppoint),
    // the corner points are then moved into clientrect. Throws EConvertError on a malformed
    // rectangle or point.
    void LoadFormInfo(const TbsSkinIni& ini, bool hasMask);
    // Writes the fields as they are now (normalised) to [FORMINFO].
    void SaveFormInfo(TbsSkinIni& ini) const;

private:
    void DeclareFrameKeys(TbsSkinKeys& keys);
    void DeclareCaptionKeys(TbsSkinKeys& keys);
    void NormaliseMaskArea();
    void MoveCornerPointsIntoClient();
};

} // namespace tavrik
