#include "skin/DataSkinObject.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinObject::DeclareKeys(TbsSkinKeys& keys)
{
    BS_KEY(String, hint, "");
    BS_KEY(PictureIndex, activepictureindex);
    BS_KEY(Bool, skinrectinapicture);
    BS_KEY(Rect, skinrect);
    BS_KEY(Rect, activeskinrect);
    BS_KEY(Bool, morphing);
    BS_KEY(MorphKind, morphkind);
}

void TbsDataUserObject::DeclareKeys(TbsSkinKeys& keys)
{
    BS_KEY(Rect, skinrect);
}

void TbsDataSkinButton::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_KEY(Rect, downrect);
    BS_KEY(Rect, disableskinrsect);
}

void TbsDataSkinStdButton::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinButton::DeclareKeys(keys);
    BS_KEY(Command, command);
    BS_KEY(Rect, restorerect);
    BS_KEY(Rect, restoreactiverect);
    BS_KEY(Rect, restoredownrect);
    BS_KEY(Rect, restoreinactiverect);
}

void TbsDataSkinAnimate::LoadFromIni(const TbsSkinIni& ini)
{
    TbsDataSkinObject::LoadFromIni(ini);
    morphing = false;
}

void TbsDataSkinAnimate::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_KEY(Int, countframes, 1);
    BS_KEY(Bool, cycle);
    BS_KEY(Bool, buttonstyle);
    BS_KEY(Int, timerinterval, 50);
    BS_KEY(Command, command);
}

void TbsDataSkinMenuItem::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_KEY(Int, itemleftoffset, 0);
    BS_KEY(Int, itemrightoffset, 0);
    BS_KEY(Rect, dividerrect);
    BS_KEY(Int, dividerleftoffset, 0);
    BS_KEY(Int, dividerrightoffset, 0);
    BS_KEY(Rect, textrect);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Color, unenabledfontcolor, 0);
}

void TbsDataSkinMainMenuItem::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_KEY(Int, itemleftoffset, 0);
    BS_KEY(Int, itemrightoffset, 0);
    BS_KEY(Rect, downrect);
    BS_KEY(Rect, textrect);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Color, downfontcolor, 0);
    BS_KEY(Color, unenabledfontcolor, 0);
}

void TbsDataSkinCaption::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_KEY(Rect, textrect);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Alignment, alignment);
    BS_KEY(Bool, shadow);
    BS_KEY(Color, shadowcolor, 0);
    BS_KEY(Color, activeshadowcolor, 0);
    BS_KEY(Rect, framerect);
    BS_KEY(Rect, activeframerect);
    BS_KEY(Rect, frametextrect);
    BS_KEY(Int, frameleftoffset, 0);
    BS_KEY(Int, framerightoffset, 0);
}

} // namespace tavrik
