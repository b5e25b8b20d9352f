#include "skincontrols/ButtonFace.h"

namespace tavrik {

namespace {

bool Morphing(const TButtonLook& b) { return b.Morphing && b.MorphLevel > 0 && b.MorphLevel < 1; }

bool PushShowsDown(const TButtonLook& b) { return b.Down && (b.Hovered || (b.Focused && !b.MouseHeld) || b.Grouped); }

bool SpeedShowsDown(const TButtonLook& b) { return b.Down && (b.Hovered || b.Grouped); }

} // namespace

TButtonFace PushButtonFace(const TButtonLook& b)
{
    if (Morphing(b) && b.Enabled) return TButtonFace::Morph;
    if (!b.Enabled && b.HasDisabledImage) return TButtonFace::Disabled;
    if (PushShowsDown(b)) return TButtonFace::Down;
    if (b.Focused || b.Hovered) return TButtonFace::Active;
    if (b.Morphing && b.MorphLevel == 1) return TButtonFace::Active;
    return TButtonFace::Normal;
}

TButtonFace SpeedButtonFace(const TButtonLook& b)
{
    if (Morphing(b) && !b.Transparent) return TButtonFace::Morph;
    if (SpeedShowsDown(b)) return TButtonFace::Down;
    if (b.Hovered || (b.Morphing && b.MorphLevel == 1)) return TButtonFace::Active;
    if (b.Transparent) return TButtonFace::Bare;
    if (!b.Enabled && b.HasDisabledImage) return TButtonFace::Disabled;
    return TButtonFace::Normal;
}

TPlainFace PlainPushButtonFace(const TButtonLook& b)
{
    if (PushShowsDown(b)) return TPlainFace::Pressed;
    if (b.Focused || b.Hovered) return TPlainFace::Hot;
    return TPlainFace::Normal;
}

TPlainFace PlainSpeedButtonFace(const TButtonLook& b)
{
    if (SpeedShowsDown(b)) return TPlainFace::Pressed;
    if (b.Hovered) return TPlainFace::Hot;
    if (!b.Flat) return TPlainFace::Normal;
    return b.Transparent ? TPlainFace::Bare : TPlainFace::FaceOnly;
}

} // namespace tavrik
