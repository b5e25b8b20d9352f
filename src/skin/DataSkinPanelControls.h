#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyGroups.h"

namespace tavrik {

// Control skins of containers and static parts: panels (group boxes and status bars are
// panels too), roll-up panels, control bars, scroll boxes, splitters, bevels, labels, the
// main menu bar and the tab control.

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    int32_t bgpictureindex = -1;
    TRect captionrect;
    TbsAlignment alignment = TbsAlignment::taCenter;
    TRect checkimagerect;
    TRect uncheckimagerect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// A panel that rolls up to a horizontal or vertical strip (rollhskinrect, rollvskinrect)
// with close, roll and restore buttons of its own.
class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect rollhskinrect;
    TRect rollvskinrect;
    int32_t rollleftoffset = 0;
    int32_t rollrightoffset = 0;
    int32_t rolltopoffset = 0;
    int32_t rollbottomoffset = 0;
    TRect rollvcaptionrect;
    TRect rollhcaptionrect;
    TRect closebuttonrect;
    TRect closebuttonactiverect;
    TRect closebuttondownrect;
    TRect hrollbuttonrect;
    TRect hrollbuttonactiverect;
    TRect hrollbuttondownrect;
    TRect hrestorebuttonrect;
    TRect hrestorebuttonactiverect;
    TRect hrestorebuttondownrect;
    TRect vrollbuttonrect;
    TRect vrollbuttonactiverect;
    TRect vrollbuttondownrect;
    TRect vrestorebuttonrect;
    TRect vrestorebuttonactiverect;
    TRect vrestorebuttondownrect;
    TRect captionrect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect itemrect;
    int32_t bgpictureindex = -1;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    int32_t bgpictureindex = -1;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor lightcolor = 0;
    TColor darkcolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;


    void DeclareKeys(TbsSkinKeys& keys) override;
};

// A label drawn as text only; activefontcolor (pure blue unless the skin says otherwise) is
// its hot colour as a link.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor activefontcolor = 16711680;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// The names are names of skin objects of [SKINOBJECTS], resolved by their users.
class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect itemsrect;
    std::string menubaritem;
    std::string closebutton;
    std::string minbutton;
    std::string maxbutton;
    std::string sysmenubutton;
    TColor trackmarkcolor = 0;
    TColor trackmarkactivecolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// The tab control reads its own corner points and client rectangle; updown names the
// "updown" control skin of its scroll arrows.
class TbsDataSkinTabControl : public TbsDataSkinControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TRect tabrect;
    TRect activetabrect;
    TRect focustabrect;
    TRect mouseintabrect;
    TRect clientrect;
    int32_t bgpictureindex = -1;
    TPoint lefttoppoint;
    TPoint righttoppoint;
    TPoint leftbottompoint;
    TPoint rightbottompoint;
    int32_t tableftoffset = 0;
    int32_t tabrightoffset = 0;
    TRect tabsbgrect;
    TColor activefontcolor = 0;
    TColor focusfontcolor = 0;
    TColor mouseinfontcolor = 0;
    std::string updown;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

} // namespace tavrik
