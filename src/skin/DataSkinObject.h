#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skin/SkinKeyMacros.h"
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

#define BS_OBJECT_KEYS(KEY)                       \
    KEY(String, hint, "")                         \
    KEY(PictureIndex, activepictureindex)         \
    KEY(Bool, skinrectinapicture) /* skinrect lies in the active picture, not the frame picture */ \
    KEY(Rect, skinrect) KEY(Rect, activeskinrect) \
    KEY(Bool, morphing) KEY(MorphKind, morphkind)

class TbsDataSkinObject : public TbsSkinSection {
public:
    using TbsSkinSection::TbsSkinSection;

    BS_FIRST_SECTION_KEYS(BS_OBJECT_KEYS)
};

// Reads skinrect alone: a user object has no hint, no active picture and no morph.
class TbsDataUserObject : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    void DeclareKeys(TbsSkinKeys& keys) override { BS_KEY(Rect, skinrect) }
};

#define BS_BUTTON_KEYS(KEY) \
    KEY(Rect, downrect)     \
    KEY(Rect, disableskinrsect) /* the key is spelled so in every skin */

class TbsDataSkinButton : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    BS_SECTION_KEYS(TbsDataSkinObject, BS_BUTTON_KEYS)
};

#define BS_STD_BUTTON_KEYS(KEY)                                                                                   \
    KEY(Command, command)                                                                                         \
    KEY(Rect, restorerect) KEY(Rect, restoreactiverect) KEY(Rect, restoredownrect) KEY(Rect, restoreinactiverect)

// A caption button; the restore rectangles are the face it shows while its command is in
// effect (a maximised or rolled-up form).
class TbsDataSkinStdButton : public TbsDataSkinButton {
public:
    using TbsDataSkinButton::TbsDataSkinButton;

    BS_SECTION_KEYS(TbsDataSkinButton, BS_STD_BUTTON_KEYS)
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
public:
    using TbsDataSkinStdButton::TbsDataSkinStdButton;
};

#define BS_ANIMATE_KEYS(KEY)    \
    KEY(Int, countframes, 1)    \
    KEY(Bool, cycle)            \
    KEY(Bool, buttonstyle)      \
    KEY(Int, timerinterval, 50) \
    KEY(Command, command)

// An animation never morphs, whatever its section says.
class TbsDataSkinAnimate : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;
    void LoadFromIni(const TbsSkinIni& ini) override;

    BS_SECTION_KEYS(TbsDataSkinObject, BS_ANIMATE_KEYS)
};

#define BS_MENU_ITEM_KEYS(KEY)                                       \
    KEY(Int, itemleftoffset, 0) KEY(Int, itemrightoffset, 0)         \
    KEY(Rect, dividerrect)                                           \
    KEY(Int, dividerleftoffset, 0) KEY(Int, dividerrightoffset, 0)   \
    KEY(Rect, textrect)                                              \
    BS_FONT_KEYS(KEY, )                                              \
    KEY(Color, activefontcolor, 0) KEY(Color, unenabledfontcolor, 0)

class TbsDataSkinMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    BS_SECTION_KEYS(TbsDataSkinObject, BS_MENU_ITEM_KEYS)
};

#define BS_MAIN_MENU_ITEM_KEYS(KEY)                                                               \
    KEY(Int, itemleftoffset, 0) KEY(Int, itemrightoffset, 0)                                      \
    KEY(Rect, downrect)                                                                           \
    KEY(Rect, textrect)                                                                           \
    BS_FONT_KEYS(KEY, )                                                                           \
    KEY(Color, activefontcolor, 0) KEY(Color, downfontcolor, 0) KEY(Color, unenabledfontcolor, 0)

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    BS_SECTION_KEYS(TbsDataSkinObject, BS_MAIN_MENU_ITEM_KEYS)
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
public:
    using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
};

#define BS_CAPTION_KEYS(KEY)                                    \
    KEY(Rect, textrect)                                         \
    BS_FONT_KEYS(KEY, )                                         \
    KEY(Color, activefontcolor, 0)                              \
    KEY(Alignment, alignment)                                   \
    KEY(Bool, shadow)                                           \
    KEY(Color, shadowcolor, 0) KEY(Color, activeshadowcolor, 0) \
    KEY(Rect, framerect) KEY(Rect, activeframerect)             \
    KEY(Rect, frametextrect)                                    \
    KEY(Int, frameleftoffset, 0) KEY(Int, framerightoffset, 0)

class TbsDataSkinCaption : public TbsDataSkinObject {
public:
    using TbsDataSkinObject::TbsDataSkinObject;

    BS_SECTION_KEYS(TbsDataSkinObject, BS_CAPTION_KEYS)
};

} // namespace tavrik
