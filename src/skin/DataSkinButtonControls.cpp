#include "skin/DataSkinButtonControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinButtonControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Color, downfontcolor, 0);
    BS_KEY(Color, disabledfontcolor, 0);
    BS_KEY(Rect, activeskinrect);
    BS_KEY(Rect, downskinrect);
    BS_KEY(Rect, disabledskinrect);
    BS_KEY(Bool, morphing);
    BS_KEY(MorphKind, morphkind);
}

void TbsDataSkinMenuButtonControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinButtonControl::DeclareKeys(keys);
    BS_KEY(Rect, trackbuttonrect);
}

void TbsDataSkinCheckRadioControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Color, unenabledfontcolor, 0);
    BS_KEY(Color, framefontcolor, 0);
    BS_KEY(Rect, activeskinrect);
    BS_KEY(Rect, checkimagearea);
    BS_KEY(Rect, textarea);
    BS_KEY(Rect, checkimagerect);
    BS_KEY(Rect, uncheckimagerect);
    BS_KEY(Rect, activecheckimagerect);
    BS_KEY(Rect, activeuncheckimagerect);
    BS_KEY(Rect, unenabledcheckimagerect);
    BS_KEY(Rect, unenableduncheckimagerect);
    BS_KEY(Bool, morphing);
    BS_KEY(MorphKind, morphkind);
}

void TbsDataSkinUpDownControl::LoadFromIni(const TbsSkinIni& ini)
{
    TbsDataSkinCustomControl::LoadFromIni(ini);
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint{};
    clientrect = TRect{};
}

void TbsDataSkinUpDownControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_ARROW_KEYS();
}

void TbsDataSkinTrackBarControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, trackarea);
    BS_KEY(Rect, buttonrect);
    BS_KEY(Rect, activebuttonrect);
    BS_KEY(Bool, vertical);
}

void TbsDataSkinGaugeControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, progressarea);
    BS_KEY(Rect, progressrect);
    BS_KEY(Int, beginoffset, 0);
    BS_KEY(Int, endoffset, 0);
    BS_KEY(Bool, vertical);
    BS_FONT_KEYS();
}

void TbsDataSkinSlider::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_KEY(Color, bgcolor, 0);
    BS_KEY(Rect, hrulerrect);
    BS_KEY(Rect, hthumbrect);
    BS_KEY(Rect, vrulerrect);
    BS_KEY(Rect, vthumbrect);
    BS_KEY(Int, edgesize, 0);
    BS_KEY(Color, pointscolor, 0);
}

} // namespace tavrik
