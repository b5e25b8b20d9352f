#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skincontrols/SkinPaint.h"

namespace tavrik {

class TbsDataSkinCheckRadioControl;

// What a check or radio box takes from its control skin besides the geometry. Missing state
// images fall back: the active background to the normal one, the hot and disabled marks to
// the normal marks.
struct TCheckSkinLook {
    TRect Normal;
    TRect Active;
    TRect CheckArea; // where the mark goes, relative to skinrect
    TRect TextArea;
    TRect Check, Uncheck;
    TRect ActiveCheck, ActiveUncheck;
    TRect DisabledCheck, DisabledUncheck;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DisabledFontColor = 0;
    TColor FlatFontColor = 0; // the caption beside a mark without background
    TbsSkinFontKeys Font;
    bool Morphing = false;
    int MorphKind = 0;

    static TCheckSkinLook From(const TbsDataSkinCheckRadioControl& skin);

    // The mark for the state: disabled, else hot, else normal.
    TRect Mark(bool checked, bool enabled, bool hovered) const;
    TColor CaptionColor(bool enabled, bool active) const;
};

struct TCheckParts {
    TRect Text;
    TRect Mark;
};

// The text area and the mark of a box widthDelta wider than its skin: the text area grows
// with the width; the mark stays in its area, which moves along when it lies right of the
// text (a box with its mark on the right).
TCheckParts PlaceCheckParts(const TCheckSkinLook& look, int widthDelta);

// The caption's rectangle of a box without background: the text's extent from x = left,
// centred vertically, its right edge kept 2 pixels inside the box.
TRect FlatCaptionRect(int left, TSize text, TSize box);

} // namespace tavrik
