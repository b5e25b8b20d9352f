#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyGroups.h"

namespace tavrik {

// Control skins of text entry: edits (with an optional button at buttonrect, relative to
// skinrect), memos, spin edits and combo boxes.

class TbsDataSkinEditControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect activeskinrect;
    TColor disabledfontcolor = 0;
    TColor activefontcolor = 0;
    TRect buttonrect;
    TRect activebuttonrect;
    TRect downbuttonrect;
    TRect unenabledbuttonrect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
public:
    using TbsDataSkinEditControl::TbsDataSkinEditControl;

    TColor bgcolor = 0;
    TColor activebgcolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// upbuttonrect and downbuttonrect place the arrow buttons in skinrect; the "active" and
// "down" rectangles are their hot and pressed faces.
class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys, public TbsSkinArrowKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect activeskinrect;
    TColor activefontcolor = 0;
    TColor disabledfontcolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// listboxname names the "listbox" control skin of the drop-down list.
class TbsDataSkinComboBox : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect itemrect;
    TRect focusitemrect;
    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect itemtextrect;
    TColor focusfontcolor = 0;
    std::string listboxname;
    TRect buttonrect;
    TRect activebuttonrect;
    TRect downbuttonrect;
    TRect unenabledbuttonrect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

} // namespace tavrik
