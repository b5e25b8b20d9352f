#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinKeyMacros.h"
#include "skin/SkinSection.h"
#include "skin/SkinValues.h"

namespace tavrik {

#define BS_POPUP_WINDOW_KEYS(KEY)                                             \
    KEY(PictureIndex, windowpictureindex) KEY(PictureIndex, maskpictureindex) \
    BS_CORNER_POINT_KEYS(KEY)                                                 \
    KEY(Rect, itemsrect) /* where the menu items are laid out */              \
    KEY(Color, scrollmarkercolor, 0) KEY(Color, scrollmarkeractivecolor, 0)   \
    BS_STRETCH_KEYS(KEY)

// The frames of popup menu windows and hint windows, read from the fixed sections
// [POPUPWINDOW] and [HINTWINDOW]. The whole picture windowpictureindex is the element, so
// points and rectangles are in picture coordinates; windowpictureindex -1 means the skin has
// no such window and users draw their plain look.
class TbsDataSkinPopupWindow : public TbsSkinSection {
public:
    TbsDataSkinPopupWindow() : TbsSkinSection("POPUPWINDOW") {}

    BS_FIRST_SECTION_KEYS(BS_POPUP_WINDOW_KEYS)
};

#define BS_HINT_WINDOW_KEYS(KEY)                                              \
    KEY(PictureIndex, windowpictureindex) KEY(PictureIndex, maskpictureindex) \
    BS_CORNER_POINT_KEYS(KEY)                                                 \
    KEY(Rect, clientrect) /* where the hint text goes */                      \
    BS_FONT_KEYS(KEY, )                                                       \
    BS_STRETCH_KEYS(KEY)

// Before any skin is read a hint window uses Arial of height 12; a skin that names no height
// gives 14 like every other font.
class TbsDataSkinHintWindow : public TbsSkinSection {
public:
    TbsDataSkinHintWindow() : TbsSkinSection("HINTWINDOW") { fontheight = 12; }

    BS_FIRST_SECTION_KEYS(BS_HINT_WINDOW_KEYS)
};

} // namespace tavrik
