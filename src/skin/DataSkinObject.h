#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinKeyGroups.h"
#include "skin/SkinSection.h"
#include "skin/SkinValues.h"

#include <string>

namespace tavrik {

// The skin objects of [SKINOBJECTS]: the parts the skinned form frame and its menus draw.
// The family is kept in one header because every class is a handful of fields. Fields are
// named exactly as the keys they are read from.
//
//   TbsDataSkinObject
//     TbsDataUserObject
//     TbsDataSkinButton
//       TbsDataSkinStdButton
//         TbsDataSkinMainMenuBarButton
//     TbsDataSkinAnimate
//     TbsDataSkinMenuItem
//     TbsDataSkinMainMenuItem
//       TbsDataSkinMainMenuBarItem
//     TbsDataSkinCaption
class TbsDataSkinObject : public TbsSkinSection {
public:
    using TbsSkinSection::TbsSkinSection;

    std::string hint;
    int32_t activepictureindex = -1;
    bool skinrectinapicture = false; // skinrect lies in the active picture, not the frame picture
    TRect skinrect;
    TRect activeskinrect;
    bool morphing = false;
    SkinMorphKind morphkind = SkinMorphKind::mkDefault;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// Reads skinrect alone: a user object has no hint, no active picture and no morph.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    TRect downrect;
    TRect disableskinrsect; // the key is spelled so in every skin

    void DeclareKeys(TbsSkinKeys& keys) override;
};

// A caption button; the restore rectangles are the face it shows while its command is in
// effect (a maximised or rolled-up form).
class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;

    SkinCommand command = SkinCommand::cmDefault;
    TRect restorerect;
    TRect restoreactiverect;
    TRect restoredownrect;
    TRect restoreinactiverect;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

// An animation never morphs, whatever its section says.
class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void LoadFromIni(const TbsSkinIni& ini) override;

    int32_t countframes = 1;
    bool cycle = false;
    bool buttonstyle = false;
    int32_t timerinterval = 50;
    SkinCommand command = SkinCommand::cmDefault;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinMenuItem : public TbsDataSkinObject, public TbsSkinFontKeys {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect dividerrect;
    int32_t dividerleftoffset = 0;
    int32_t dividerrightoffset = 0;
    TRect textrect;
    TColor activefontcolor = 0;
    TColor unenabledfontcolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject, public TbsSkinFontKeys {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    int32_t itemleftoffset = 0;
    int32_t itemrightoffset = 0;
    TRect downrect;
    TRect textrect;
    TColor activefontcolor = 0;
    TColor downfontcolor = 0;
    TColor unenabledfontcolor = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

class TbsDataSkinCaption : public TbsDataSkinObject, public TbsSkinFontKeys {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    TRect textrect;
    TColor activefontcolor = 0;
    TbsAlignment alignment = TbsAlignment::taCenter;
    bool shadow = false;
    TColor shadowcolor = 0;
    TColor activeshadowcolor = 0;
    TRect framerect;
    TRect activeframerect;
    TRect frametextrect;
    int32_t frameleftoffset = 0;
    int32_t framerightoffset = 0;

    void DeclareKeys(TbsSkinKeys& keys) override;
};

} // namespace tavrik
