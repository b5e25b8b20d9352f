#pragma once

#include "core/Geometry.h"
#include "skin/SkinValues.h"

namespace tavrik {

class TbsSkinIni;
class TbsSkinKeys;

// How the skinned form frame is cut out of the frame picture: the values of [FORMINFO],
// one field per key. The whole frame picture is the element, so points and rectangles are
// in picture coordinates.
struct TbsSkinFormInfo {
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect;
    int32_t bgpictureindex = -1;
    int32_t mdibgpictureindex = -1;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;
    TRect maskrectarea; // the inner part that belongs wholly to a masked window's shape
    TPoint hittestlefttoppoint;
    TPoint hittestrighttoppoint;
    TPoint hittestleftbottompoint;
    TPoint hittestrightbottompoint;
    TRect buttonsrect;
    TRect captionrect;
    int32_t buttonsoffset = 0;
    bool buttonsinleft = false;
    bool mainmenupopupup = false;
    int32_t borderwidth = 0;
    bool autorenderinginactiveimage = false;
    SkinInactiveEffect inactiveeffect = SkinInactiveEffect::ieBrightness;

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
