#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skincontrols/SkinPaint.h"
#include "skincontrols/ButtonFace.h"

namespace tavrik {

class TbsDataSkinButtonControl;

// What a button takes from its control skin besides the geometry: one image per face and
// the caption colour per state. A skin without an active image shows the normal one when
// hot, and one without a down image shows the (possibly replaced) active one when pressed.
struct TButtonSkinLook {
    TRect Normal;
    TRect Active;
    TRect Down;
    TRect Disabled;
    TColor FontColor = 0;
    TColor ActiveFontColor = 0;
    TColor DownFontColor = 0;
    TColor DisabledFontColor = 0;
    TbsSkinFontKeys Font;
    bool Morphing = false;
    int MorphKind = 0;

    static TButtonSkinLook From(const TbsDataSkinButtonControl& skin);

    // The image of a face (Morph and Bare have none of their own: Normal).
    TRect Image(TButtonFace face) const;
    // Disabled, else pressed (down and active), else active, else normal.
    TColor CaptionColor(bool enabled, bool down, bool active) const;
};

} // namespace tavrik
