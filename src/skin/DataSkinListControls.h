#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyMacros.h"

namespace tavrik {

// Control skins of lists and scrolling: list boxes, check list boxes, scroll bars, grids,
// and the plain text views (tree view, list view, rich edit).
//
// itemleftoffset and itemrightoffset are the widths of the fixed ends of an item image
// whose middle is tiled; itemtextrect and itemcheckrect are relative to the item image.

#define BS_LIST_BOX_KEYS(KEY)                                                                  \
    KEY(Rect, itemrect) KEY(Rect, activeitemrect) KEY(Rect, focusitemrect)                     \
    KEY(Int, itemleftoffset, 0) KEY(Int, itemrightoffset, 0)                                   \
    KEY(Rect, itemtextrect)                                                                    \
    BS_FONT_KEYS(KEY, )                                                                        \
    KEY(Color, activefontcolor, 0) KEY(Color, focusfontcolor, 0)                               \
    KEY(Rect, captionrect)                                                                     \
    BS_FONT_KEYS(KEY, caption)                                                                 \
    BS_ARROW_KEYS(KEY)                                                                         \
    KEY(Rect, checkbuttonrect) KEY(Rect, activecheckbuttonrect) KEY(Rect, downcheckbuttonrect) \
    /* the "scrollbar" control skins it scrolls with */                                        \
    KEY(String, vscrollbarname, "vscrollbar")                                                  \
    KEY(String, hscrollbarname, "hscrollbar")                                                  \
    KEY(String, bothhscrollbarname, "bothhscrollbar")

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_LIST_BOX_KEYS)
};

#define BS_CHECK_LIST_BOX_KEYS(KEY)                       \
    KEY(Rect, itemcheckrect)                              \
    KEY(Rect, checkimagerect) KEY(Rect, uncheckimagerect)

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;

    BS_SECTION_KEYS(TbsDataSkinListBox, BS_CHECK_LIST_BOX_KEYS)
};

#define BS_SCROLL_BAR_CONTROL_KEYS(KEY)                                      \
    KEY(Rect, trackarea)                                                     \
    BS_ARROW_KEYS(KEY)                                                       \
    KEY(Rect, thumbrect) KEY(Rect, activethumbrect) KEY(Rect, downthumbrect) \
    KEY(Int, thumboffset1, 0) KEY(Int, thumboffset2, 0)                      \
    KEY(Rect, glyphrect) KEY(Rect, activeglyphrect) KEY(Rect, downglyphrect)

// The "up" button of a scroll bar is the one at its bottom or right end.
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_SCROLL_BAR_CONTROL_KEYS)
};

#define BS_GRID_CONTROL_KEYS(KEY)                                               \
    KEY(Rect, fixedcellrect) KEY(Rect, selectcellrect) KEY(Rect, focuscellrect) \
    KEY(Int, fixedcellleftoffset, 0) KEY(Int, fixedcellrightoffset, 0)          \
    KEY(Rect, fixedcelltextrect)                                                \
    KEY(Int, cellleftoffset, 0) KEY(Int, cellrightoffset, 0)                    \
    KEY(Rect, celltextrect)                                                     \
    KEY(Color, linescolor, 0)                                                   \
    KEY(Color, bgcolor, 0)                                                      \
    BS_FONT_KEYS(KEY, )                                                         \
    KEY(Color, selectfontcolor, 0) KEY(Color, focusfontcolor, 0)                \
    BS_FONT_KEYS(KEY, fixed)

class TbsDataSkinGridControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    BS_SECTION_KEYS(TbsDataSkinControl, BS_GRID_CONTROL_KEYS)
};

#define BS_TEXT_VIEW_CONTROL_KEYS(KEY) \
    BS_FONT_KEYS(KEY, )                \
    KEY(Color, bgcolor, 0)

// The common keys of the tree view, list view and rich edit skins, which only set the
// font and background of a plain text view.
class TbsDataSkinTextViewControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    BS_SECTION_KEYS(TbsDataSkinControl, BS_TEXT_VIEW_CONTROL_KEYS)
};

class TbsDataSkinTreeView : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
};

class TbsDataSkinListView : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
};

class TbsDataSkinRichEdit : public TbsDataSkinTextViewControl {
public:
    using TbsDataSkinTextViewControl::TbsDataSkinTextViewControl;
};

} // namespace tavrik
