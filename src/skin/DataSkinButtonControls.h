#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyGroups.h"

namespace tavrik {

// Control skins of things the user presses or drags: buttons, check boxes and radio
// buttons, up-down pairs, track bars, sliders and gauges.
//
// The prefixes name states: "active" is the mouse-over (hot) image, "down" the pressed one,
// "disabled"/"unenabled" the disabled one.

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TColor activefontcolor = 0;
    TColor downfontcolor = 0;
    TColor disabledfontcolor = 0;
    TRect activeskinrect;
    TRect downskinrect;
    TRect disabledskinrect;
    bool morphing = false;
    SkinMorphKind morphkind = SkinMorphKind::mkDefault;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// A button with a drop-down part at trackbuttonrect (relative to skinrect).
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;

    TRect trackbuttonrect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// A check box or radio button: checkimagearea and textarea place the mark and the text
// inside skinrect; the check image rectangles are the mark's faces per state.
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TColor activefontcolor = 0;
    TColor unenabledfontcolor = 0;
    TColor framefontcolor = 0;
    TRect activeskinrect;
    TRect checkimagearea;
    TRect textarea;
    TRect checkimagerect;
    TRect uncheckimagerect;
    TRect activecheckimagerect;
    TRect activeuncheckimagerect;
    TRect unenabledcheckimagerect;
    TRect unenableduncheckimagerect;
    bool morphing = false;
    SkinMorphKind morphkind = SkinMorphKind::mkDefault;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// A pair of arrow buttons: upbuttonrect and downbuttonrect place them in skinrect, the
// "active" and "down" rectangles are their hot and pressed faces. Its size is fixed by
// skinrect: the corner points and clientrect are cleared after loading whatever the section
// says.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl, public TbsSkinArrowKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void LoadFromIni(const TbsSkinIni& ini) override;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// trackarea places the track in skinrect; buttonrect and activebuttonrect are the thumb.
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect trackarea;
    TRect buttonrect;
    TRect activebuttonrect;
    bool vertical = false;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl, public TbsSkinFontKeys {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    TRect progressarea; // placement of the bar in skinrect
    TRect progressrect; // image of the bar
    int32_t beginoffset = 0;
    int32_t endoffset = 0;
    bool vertical = false;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    TColor bgcolor = 0;
    TRect hrulerrect;
    TRect hthumbrect;
    TRect vrulerrect;
    TRect vthumbrect;
    int32_t edgesize = 0;
    TColor pointscolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

} // namespace tavrik
