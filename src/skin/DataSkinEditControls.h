#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyMacros.h"

namespace tavrik {

// Control skins of text entry: edits (with an optional button at buttonrect, relative to
// skinrect), memos, spin edits and combo boxes.

#define BS_EDIT_CONTROL_KEYS(KEY)                                                                              \
    KEY(Rect, activeskinrect)                                                                                  \
    BS_FONT_KEYS(KEY, )                                                                                        \
    KEY(Color, disabledfontcolor, 0) KEY(Color, activefontcolor, 0)                                            \
    KEY(Rect, buttonrect) KEY(Rect, activebuttonrect) KEY(Rect, downbuttonrect) KEY(Rect, unenabledbuttonrect)

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_EDIT_CONTROL_KEYS)
};

#define BS_MEMO_CONTROL_KEYS(KEY)                       \
    KEY(Color, bgcolor, 0) KEY(Color, activebgcolor, 0)

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;

    BS_SECTION_KEYS(TbsDataSkinEditControl, BS_MEMO_CONTROL_KEYS)
};

#define BS_SPIN_EDIT_CONTROL_KEYS(KEY)                              \
    KEY(Rect, activeskinrect)                                       \
    BS_FONT_KEYS(KEY, )                                             \
    KEY(Color, activefontcolor, 0) KEY(Color, disabledfontcolor, 0) \
    BS_ARROW_KEYS(KEY)

// upbuttonrect and downbuttonrect place the arrow buttons in skinrect; the "active" and
// "down" rectangles are their hot and pressed faces.
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_SPIN_EDIT_CONTROL_KEYS)
};

#define BS_COMBO_BOX_KEYS(KEY)                                                                                 \
    KEY(Rect, itemrect) KEY(Rect, focusitemrect)                                                               \
    KEY(Int, itemleftoffset, 0) KEY(Int, itemrightoffset, 0)                                                   \
    KEY(Rect, itemtextrect)                                                                                    \
    BS_FONT_KEYS(KEY, )                                                                                        \
    KEY(Color, focusfontcolor, 0)                                                                              \
    KEY(String, listboxname, "")                                                                               \
    KEY(Rect, buttonrect) KEY(Rect, activebuttonrect) KEY(Rect, downbuttonrect) KEY(Rect, unenabledbuttonrect)

// listboxname names the "listbox" control skin of the drop-down list.
class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_COMBO_BOX_KEYS)
};

} // namespace tavrik
