#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyMacros.h"

namespace tavrik {

// Control skins of containers and static parts: panels (group boxes and status bars are
// panels too), roll-up panels, control bars, scroll boxes, splitters, bevels, labels, the
// main menu bar and the tab control.

#define BS_PANEL_CONTROL_KEYS(KEY)                        \
    KEY(PictureIndex, bgpictureindex)                     \
    KEY(Rect, captionrect)                                \
    KEY(Alignment, alignment)                             \
    BS_FONT_KEYS(KEY, )                                   \
    KEY(Rect, checkimagerect) KEY(Rect, uncheckimagerect)

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_PANEL_CONTROL_KEYS)
};

#define BS_EX_PANEL_CONTROL_KEYS(KEY)                                                                                 \
    KEY(Rect, rollhskinrect) KEY(Rect, rollvskinrect)                                                                 \
    KEY(Int, rollleftoffset, 0) KEY(Int, rollrightoffset, 0) KEY(Int, rolltopoffset, 0) KEY(Int, rollbottomoffset, 0) \
    KEY(Rect, rollvcaptionrect) KEY(Rect, rollhcaptionrect)                                                           \
    KEY(Rect, closebuttonrect) KEY(Rect, closebuttonactiverect) KEY(Rect, closebuttondownrect)                        \
    KEY(Rect, hrollbuttonrect) KEY(Rect, hrollbuttonactiverect) KEY(Rect, hrollbuttondownrect)                        \
    KEY(Rect, hrestorebuttonrect) KEY(Rect, hrestorebuttonactiverect) KEY(Rect, hrestorebuttondownrect)               \
    KEY(Rect, vrollbuttonrect) KEY(Rect, vrollbuttonactiverect) KEY(Rect, vrollbuttondownrect)                        \
    KEY(Rect, vrestorebuttonrect) KEY(Rect, vrestorebuttonactiverect) KEY(Rect, vrestorebuttondownrect)               \
    KEY(Rect, captionrect)                                                                                            \
    BS_FONT_KEYS(KEY, )

// A panel that rolls up to a horizontal or vertical strip (rollhskinrect, rollvskinrect)
// with close, roll and restore buttons of its own.
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_EX_PANEL_CONTROL_KEYS)
};

#define BS_CONTROL_BAR_KEYS(KEY)      \
    KEY(Rect, itemrect)               \
    KEY(PictureIndex, bgpictureindex)

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_CONTROL_BAR_KEYS)
};

#define BS_SCROLL_BOX_CONTROL_KEYS(KEY) \
    KEY(PictureIndex, bgpictureindex)

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_SCROLL_BOX_CONTROL_KEYS)
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
};

#define BS_BEVEL_KEYS(KEY)                             \
    KEY(Color, lightcolor, 0) KEY(Color, darkcolor, 0)

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    BS_SECTION_KEYS(TbsDataSkinControl, BS_BEVEL_KEYS)
};

#define BS_LABEL_CONTROL_KEYS(KEY) \
    BS_FONT_KEYS(KEY, )

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;


    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_LABEL_CONTROL_KEYS)
};

#define BS_STD_LABEL_CONTROL_KEYS(KEY)    \
    BS_FONT_KEYS(KEY, )                   \
    KEY(Color, activefontcolor, 16711680)

// A label drawn as text only; activefontcolor (pure blue unless the skin says otherwise) is
// its hot colour as a link.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    BS_SECTION_KEYS(TbsDataSkinControl, BS_STD_LABEL_CONTROL_KEYS)
};

#define BS_MAIN_MENU_BAR_KEYS(KEY)                                                                                    \
    KEY(Rect, itemsrect)                                                                                              \
    KEY(String, menubaritem, "")                                                                                      \
    KEY(String, closebutton, "") KEY(String, minbutton, "") KEY(String, maxbutton, "") KEY(String, sysmenubutton, "") \
    KEY(Color, trackmarkcolor, 0) KEY(Color, trackmarkactivecolor, 0)

// The names are names of skin objects of [SKINOBJECTS], resolved by their users.
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    BS_SECTION_KEYS(TbsDataSkinControl, BS_MAIN_MENU_BAR_KEYS)
};

#define BS_TAB_CONTROL_KEYS(KEY)                                                                  \
    KEY(Rect, tabrect) KEY(Rect, activetabrect) KEY(Rect, focustabrect) KEY(Rect, mouseintabrect) \
    KEY(Rect, clientrect)                                                                         \
    KEY(PictureIndex, bgpictureindex)                                                             \
    BS_CORNER_POINT_KEYS(KEY)                                                                     \
    KEY(Int, tableftoffset, 0) KEY(Int, tabrightoffset, 0)                                        \
    KEY(Rect, tabsbgrect)                                                                         \
    BS_FONT_KEYS(KEY, )                                                                           \
    KEY(Color, activefontcolor, 0) KEY(Color, focusfontcolor, 0) KEY(Color, mouseinfontcolor, 0)  \
    KEY(String, updown, "")

// The tab control reads its own corner points and client rectangle; updown names the
// "updown" control skin of its scroll arrows.
class TbsDataSkinTabControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    BS_SECTION_KEYS(TbsDataSkinControl, BS_TAB_CONTROL_KEYS)
};

} // namespace tavrik
