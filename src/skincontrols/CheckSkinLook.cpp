#include "skincontrols/CheckSkinLook.h"

#include "skin/DataSkinButtonControls.h"

#include <algorithm>

namespace tavrik {

namespace {

TRect Or(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

} // namespace

TCheckSkinLook TCheckSkinLook::From(const TbsDataSkinCheckRadioControl& skin)
{
    TCheckSkinLook look;
    look.Normal = skin.skinrect;
    look.Active = Or(skin.activeskinrect, skin.skinrect);
    look.CheckArea = skin.checkimagearea;
    look.TextArea = skin.textarea;
    look.Check = skin.checkimagerect;
    look.Uncheck = skin.uncheckimagerect;
    look.ActiveCheck = Or(skin.activecheckimagerect, skin.checkimagerect);
    look.ActiveUncheck = Or(skin.activeuncheckimagerect, skin.uncheckimagerect);
    look.DisabledCheck = Or(skin.unenabledcheckimagerect, skin.checkimagerect);
    look.DisabledUncheck = Or(skin.unenableduncheckimagerect, skin.uncheckimagerect);
    look.FontColor = skin.fontcolor;
    look.ActiveFontColor = skin.activefontcolor;
    look.DisabledFontColor = skin.unenabledfontcolor;
    look.FlatFontColor = skin.framefontcolor;
    look.Font = TbsSkinFontKeys::Of(skin);
    look.Morphing = skin.morphing;
    look.MorphKind = int(skin.morphkind);
    return look;
}

TRect TCheckSkinLook::Mark(bool checked, bool enabled, bool hovered) const
{
    if (!enabled) return checked ? DisabledCheck : DisabledUncheck;
    if (hovered) return checked ? ActiveCheck : ActiveUncheck;
    return checked ? Check : Uncheck;
}

TColor TCheckSkinLook::CaptionColor(bool enabled, bool active) const
{
    if (!enabled) return DisabledFontColor;
    return active ? ActiveFontColor : FontColor;
}

TCheckParts PlaceCheckParts(const TCheckSkinLook& look, int widthDelta)
{
    TCheckParts parts;
    parts.Text = look.TextArea;
    parts.Text.Right += widthDelta;
    TRect area = look.CheckArea;
    if (look.TextArea.Right < look.CheckArea.Right) area = area.Offset(widthDelta, 0);
    const int w = look.Check.Width(), h = look.Check.Height();
    parts.Mark = Bounds(area.Left + area.Width() / 2 - w / 2, area.Top + area.Height() / 2 - h / 2, w, h);
    return parts;
}

TRect FlatCaptionRect(int left, TSize text, TSize box)
{
    const int top = box.cy / 2 - text.cy / 2;
    return {left, top, std::min(left + text.cx, box.cx - 2), top + text.cy};
}

} // namespace tavrik
