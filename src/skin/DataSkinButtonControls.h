#pragma once

#include "skin/DataSkinControl.h"
#include "skin/SkinKeyMacros.h"

namespace tavrik {

// Control skins of things the user presses or drags: buttons, check boxes and radio
// buttons, up-down pairs, track bars, sliders and gauges.
//
// The prefixes name states: "active" is the mouse-over (hot) image, "down" the pressed one,
// "disabled"/"unenabled" the disabled one.

#define BS_BUTTON_CONTROL_KEYS(KEY)                                                              \
    BS_FONT_KEYS(KEY, )                                                                          \
    KEY(Color, activefontcolor, 0) KEY(Color, downfontcolor, 0) KEY(Color, disabledfontcolor, 0) \
    KEY(Rect, activeskinrect) KEY(Rect, downskinrect) KEY(Rect, disabledskinrect)                \
    KEY(Bool, morphing) KEY(MorphKind, morphkind)

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_BUTTON_CONTROL_KEYS)
};

#define BS_MENU_BUTTON_CONTROL_KEYS(KEY) \
    KEY(Rect, trackbuttonrect)

// A button with a drop-down part at trackbuttonrect (relative to skinrect).
class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
public:
    using TbsDataSkinButtonControl::TbsDataSkinButtonControl;

    BS_SECTION_KEYS(TbsDataSkinButtonControl, BS_MENU_BUTTON_CONTROL_KEYS)
};

#define BS_CHECK_RADIO_CONTROL_KEYS(KEY)                                                           \
    BS_FONT_KEYS(KEY, )                                                                            \
    KEY(Color, activefontcolor, 0) KEY(Color, unenabledfontcolor, 0) KEY(Color, framefontcolor, 0) \
    KEY(Rect, activeskinrect)                                                                      \
    KEY(Rect, checkimagearea)                                                                      \
    KEY(Rect, textarea)                                                                            \
    KEY(Rect, checkimagerect) KEY(Rect, uncheckimagerect)                                          \
    KEY(Rect, activecheckimagerect) KEY(Rect, activeuncheckimagerect)                              \
    KEY(Rect, unenabledcheckimagerect) KEY(Rect, unenableduncheckimagerect)                        \
    KEY(Bool, morphing) KEY(MorphKind, morphkind)

// A check box or radio button: checkimagearea and textarea place the mark and the text
// inside skinrect; the check image rectangles are the mark's faces per state.
class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_CHECK_RADIO_CONTROL_KEYS)
};

#define BS_UP_DOWN_CONTROL_KEYS(KEY) \
    BS_ARROW_KEYS(KEY)

// A pair of arrow buttons: upbuttonrect and downbuttonrect place them in skinrect, the
// "active" and "down" rectangles are their hot and pressed faces. Its size is fixed by
// skinrect: the corner points and clientrect are cleared after loading whatever the section
// says.
class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void LoadFromIni(const TbsSkinIni& ini) override;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_UP_DOWN_CONTROL_KEYS)
};

#define BS_TRACK_BAR_CONTROL_KEYS(KEY)                \
    KEY(Rect, trackarea)                              \
    KEY(Rect, buttonrect) KEY(Rect, activebuttonrect) \
    KEY(Bool, vertical)                               \
    KEY(Rect, filledskinrect)

// trackarea places the track in skinrect; buttonrect and activebuttonrect are the thumb.
// filledskinrect, when given, is the whole bar again (skinrect's size, cut by the same corner
// points) with its track filled: the bar shows it from the track's start (the left end, or the
// bottom when it stands) up to the thumb's centre. A skin without it shows no filled part.
class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_TRACK_BAR_CONTROL_KEYS)
};

#define BS_GAUGE_CONTROL_KEYS(KEY)                  \
    KEY(Rect, progressarea) /* placement of the bar in skinrect */ \
    KEY(Rect, progressrect) /* image of the bar */  \
    KEY(Int, beginoffset, 0) KEY(Int, endoffset, 0) \
    KEY(Bool, vertical)                             \
    BS_FONT_KEYS(KEY, )

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;

    BS_SECTION_KEYS(TbsDataSkinCustomControl, BS_GAUGE_CONTROL_KEYS)
};

#define BS_SLIDER_KEYS(KEY)    \
    KEY(Color, bgcolor, 0)     \
    KEY(Rect, hrulerrect)      \
    KEY(Rect, hthumbrect)      \
    KEY(Rect, vrulerrect)      \
    KEY(Rect, vthumbrect)      \
    KEY(Int, edgesize, 0)      \
    KEY(Color, pointscolor, 0)

class TbsDataSkinSlider : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;

    BS_SECTION_KEYS(TbsDataSkinControl, BS_SLIDER_KEYS)
};

} // namespace tavrik
