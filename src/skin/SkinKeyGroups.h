#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinValues.h"

#include <string>

namespace tavrik {

// Groups of fields that many skin sections share, each named as its key. A section class
// takes a group as a base and declares its keys with BS_FONT_KEYS / BS_ARROW_KEYS.

struct TbsSkinFontKeys {
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TbsFontStyles fontstyle = 0;
    TColor fontcolor = 0;
};

// The two arrow buttons of a scroll bar, spin edit, up-down pair or list box caption: their
// rectangles, hot faces and pressed faces.
struct TbsSkinArrowKeys {
    TRect upbuttonrect;
    TRect activeupbuttonrect;
    TRect downupbuttonrect;
    TRect downbuttonrect;
    TRect activedownbuttonrect;
    TRect downdownbuttonrect;
};

} // namespace tavrik
