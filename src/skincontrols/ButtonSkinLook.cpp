#include "skincontrols/ButtonSkinLook.h"

#include "skin/DataSkinButtonControls.h"

namespace tavrik {

TButtonSkinLook TButtonSkinLook::From(const TbsDataSkinButtonControl& skin)
{
    TButtonSkinLook look;
    look.Normal = skin.skinrect;
    look.Active = skin.activeskinrect.IsEmpty() ? skin.skinrect : skin.activeskinrect;
    look.Down = skin.downskinrect.IsEmpty() ? look.Active : skin.downskinrect;
    look.Disabled = skin.disabledskinrect;
    look.FontColor = skin.fontcolor;
    look.ActiveFontColor = skin.activefontcolor;
    look.DownFontColor = skin.downfontcolor;
    look.DisabledFontColor = skin.disabledfontcolor;
    look.Font = TbsSkinFontKeys::Of(skin);
    look.Morphing = skin.morphing;
    look.MorphKind = int(skin.morphkind);
    return look;
}

TRect TButtonSkinLook::Image(TButtonFace face) const
{
    switch (face) {
    case TButtonFace::Active: return Active;
    case TButtonFace::Down: return Down;
    case TButtonFace::Disabled: return Disabled;
    default: return Normal;
    }
}

TColor TButtonSkinLook::CaptionColor(bool enabled, bool down, bool active) const
{
    if (!enabled) return DisabledFontColor;
    if (active && down) return DownFontColor;
    return active ? ActiveFontColor : FontColor;
}

} // namespace tavrik
