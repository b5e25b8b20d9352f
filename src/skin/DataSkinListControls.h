#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyGroups.h"

namespace tavrik {

// Control skins of lists and scrolling: list boxes, check list boxes, scroll bars, grids,
// and the plain text views (tree view, list view, rich edit).
//
// itemleftoffset and itemrightoffset are the widths of the fixed ends of an item image
// whose middle is tiled; itemtextrect and itemcheckrect are relative to the item image.

class TbsDataSkinListBox : public TbsDataSkinCustomControl, public TbsSkinFontKeys, public TbsSkinArrowKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect itemrect;
    TRect activeitemrect;
    TRect focusitemrect;
    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect itemtextrect;
    TColor activefontcolor = 0;
    TColor focusfontcolor = 0;
    TRect captionrect;
    std::string captionfontname = "Arial";
    int32_t captionfontheight = 14;
    TbsFontStyles captionfontstyle = 0;
    TColor captionfontcolor = 0;
    TRect checkbuttonrect;
    TRect activecheckbuttonrect;
    TRect downcheckbuttonrect;
    // Names of the "scrollbar" control skins the list box scrolls with.
    std::string vscrollbarname = "vscrollbar";
    std::string hscrollbarname = "hscrollbar";
    std::string bothhscrollbarname = "bothhscrollbar";

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
public:
    using TbsDataSkinListBox::TbsDataSkinListBox;

    TRect itemcheckrect;
    TRect checkimagerect;
    TRect uncheckimagerect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// The "up" button of a scroll bar is the one at its bottom or right end.
class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl, public TbsSkinArrowKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect trackarea;
    TRect thumbrect;
    TRect activethumbrect;
    TRect downthumbrect;
    int32_t thumboffset1 = 0;
    int32_t thumboffset2 = 0;
    TRect glyphrect;
    TRect activeglyphrect;
    TRect downglyphrect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinGridControl : public TbsDataSkinControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect fixedcellrect;
    TRect selectcellrect;
    TRect focuscellrect;
    int32_t fixedcellleftoffset = 0;
    int32_t fixedcellrightoffset = 0;
    TRect fixedcelltextrect;
    int32_t cellleftoffset = 0;
    int32_t cellrightoffset = 0;
    TRect celltextrect;
    TColor linescolor = 0;
    TColor bgcolor = 0;
    TColor selectfontcolor = 0;
    TColor focusfontcolor = 0;
    std::string fixedfontname = "Arial";
    int32_t fixedfontheight = 14;
    TbsFontStyles fixedfontstyle = 0;
    TColor fixedfontcolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// The common keys of the tree view, list view and rich edit skins, which only set the
// font and background of a plain text view.
class TbsDataSkinTextViewControl : public TbsDataSkinControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor bgcolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
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
