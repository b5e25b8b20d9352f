#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinKeyGroups.h"
#include "skin/SkinSection.h"
#include "skin/SkinValues.h"

namespace tavrik {

// The frames of popup menu windows and hint windows, read from the fixed sections
// [POPUPWINDOW] and [HINTWINDOW]. The whole picture windowpictureindex is the element, so
// points and rectangles are in picture coordinates; windowpictureindex -1 means the skin has
// no such window and users draw their plain look.
class TbsDataSkinPopupWindow : public TbsSkinSection {
public:
    TbsDataSkinPopupWindow() : TbsSkinSection("POPUPWINDOW") {}

    int32_t windowpictureindex = -1;
    int32_t maskpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect itemsrect; // where the menu items are laid out
    TColor scrollmarkercolor = 0;
    TColor scrollmarkeractivecolor = 0;
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// Before any skin is read a hint window uses Arial of height 12; a skin that names no height
// gives 14 like every other font.
class TbsDataSkinHintWindow : public TbsSkinSection, public TbsSkinFontKeys {
public:
    TbsDataSkinHintWindow() : TbsSkinSection("HINTWINDOW") { fontheight = 12; }

    int32_t windowpictureindex = -1;
    int32_t maskpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    TRect clientrect; // where the hint text goes
    bool leftstretch = false;
    bool rightstretch = false;
    bool topstretch = false;
    bool bottomstretch = false;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

} // namespace tavrik
