#pragma once

#include "skin/SkinKeys.h"

// A skin section lists its keys once, in the order the skin format reads them, as a macro
// over KEY(kind, name[, default]) placed above its class; keys that belong together (the faces
// of one element per state, a pair of offsets) share a line:
//
//   KEY(Rect, buttonrect) KEY(Rect, activebuttonrect)  KEY(Int, beginoffset, 0)  BS_FONT_KEYS(KEY, )
//
// BS_SECTION_KEYS in the class declares its fields from the list and the DeclareKeys that
// visits them after its parent's keys. A field is named exactly as its key, so a field can never
// be read under another key, and it starts at the value a missing key reads as: the default
// given in the list (Int, Color, String) or the kind's own (skin/SkinKeys.h, skinkey).
#define BS_FIELD(kind, field, ...)                                                                                 \
    ::tavrik::skinkey::kind field = BS_FIRST_ARGUMENT(__VA_ARGS__ __VA_OPT__(, )::tavrik::skinkey::kind##Default);
#define BS_KEY(kind, field, ...) keys.kind(#field, field __VA_OPT__(, ) __VA_ARGS__);
#define BS_FIRST_ARGUMENT(first, ...) first

// The fields of a section's list, and the DeclareKeys that visits them after its parent's
// keys; a section that starts the reading order has no parent keys.
#define BS_SECTION_KEYS(parent, LIST)            \
    LIST(BS_FIELD)                               \
    void DeclareKeys(TbsSkinKeys& keys) override \
    {                                            \
    parent::DeclareKeys(keys);                   \
    LIST(BS_KEY)                                 \
    }
#define BS_FIRST_SECTION_KEYS(LIST)                               \
    LIST(BS_FIELD)                                                \
    void DeclareKeys(TbsSkinKeys& keys) override { LIST(BS_KEY) }

// The four keys of a font, with an optional prefix ("caption", "fixed").
#define BS_FONT_KEYS(KEY, prefix)          \
    KEY(String, prefix##fontname, "Arial") \
    KEY(Int, prefix##fontheight, 14)       \
    KEY(FontStyles, prefix##fontstyle)     \
    KEY(Color, prefix##fontcolor, 0)

// The two arrow buttons of a scroll bar, spin edit, up-down pair or list box caption: their
// rectangles, hot faces and pressed faces.
#define BS_ARROW_KEYS(KEY)                                                                  \
    KEY(Rect, upbuttonrect) KEY(Rect, activeupbuttonrect) KEY(Rect, downupbuttonrect)       \
    KEY(Rect, downbuttonrect) KEY(Rect, activedownbuttonrect) KEY(Rect, downdownbuttonrect)

// The corner points that cut an element for resizing (skin/SkinCells.h).
#define BS_CORNER_POINT_KEYS(KEY)                            \
    KEY(Point, lefttoppoint) KEY(Point, righttoppoint)       \
    KEY(Point, leftbottompoint) KEY(Point, rightbottompoint)

// Which edges of a resized element are stretched instead of tiled.
#define BS_STRETCH_KEYS(KEY)                                                                      \
    KEY(Bool, leftstretch) KEY(Bool, rightstretch) KEY(Bool, topstretch) KEY(Bool, bottomstretch)
