#include "skin/DataSkinPanelControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinPanelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(PictureIndex, bgpictureindex);
    BS_KEY(Rect, captionrect);
    BS_KEY(Alignment, alignment);
    BS_FONT_KEYS();
    BS_KEY(Rect, checkimagerect);
    BS_KEY(Rect, uncheckimagerect);
}

void TbsDataSkinExPanelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, rollhskinrect);
    BS_KEY(Rect, rollvskinrect);
    BS_KEY(Int, rollleftoffset, 0);
    BS_KEY(Int, rollrightoffset, 0);
    BS_KEY(Int, rolltopoffset, 0);
    BS_KEY(Int, rollbottomoffset, 0);
    BS_KEY(Rect, rollvcaptionrect);
    BS_KEY(Rect, rollhcaptionrect);
    BS_KEY(Rect, closebuttonrect);
    BS_KEY(Rect, closebuttonactiverect);
    BS_KEY(Rect, closebuttondownrect);
    BS_KEY(Rect, hrollbuttonrect);
    BS_KEY(Rect, hrollbuttonactiverect);
    BS_KEY(Rect, hrollbuttondownrect);
    BS_KEY(Rect, hrestorebuttonrect);
    BS_KEY(Rect, hrestorebuttonactiverect);
    BS_KEY(Rect, hrestorebuttondownrect);
    BS_KEY(Rect, vrollbuttonrect);
    BS_KEY(Rect, vrollbuttonactiverect);
    BS_KEY(Rect, vrollbuttondownrect);
    BS_KEY(Rect, vrestorebuttonrect);
    BS_KEY(Rect, vrestorebuttonactiverect);
    BS_KEY(Rect, vrestorebuttondownrect);
    BS_KEY(Rect, captionrect);
    BS_FONT_KEYS();
}

void TbsDataSkinControlBar::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, itemrect);
    BS_KEY(PictureIndex, bgpictureindex);
}

void TbsDataSkinScrollBoxControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(PictureIndex, bgpictureindex);
}

void TbsDataSkinBevel::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_KEY(Color, lightcolor, 0);
    BS_KEY(Color, darkcolor, 0);
}

void TbsDataSkinLabelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_FONT_KEYS();
}

void TbsDataSkinStdLabelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 16711680);
}

void TbsDataSkinMainMenuBar::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_KEY(Rect, itemsrect);
    BS_KEY(String, menubaritem, "");
    BS_KEY(String, closebutton, "");
    BS_KEY(String, minbutton, "");
    BS_KEY(String, maxbutton, "");
    BS_KEY(String, sysmenubutton, "");
    BS_KEY(Color, trackmarkcolor, 0);
    BS_KEY(Color, trackmarkactivecolor, 0);
}

void TbsDataSkinTabControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_KEY(Rect, tabrect);
    BS_KEY(Rect, activetabrect);
    BS_KEY(Rect, focustabrect);
    BS_KEY(Rect, mouseintabrect);
    BS_KEY(Rect, clientrect);
    BS_KEY(PictureIndex, bgpictureindex);
    DeclareCornerPointKeys(keys, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    BS_KEY(Int, tableftoffset, 0);
    BS_KEY(Int, tabrightoffset, 0);
    BS_KEY(Rect, tabsbgrect);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Color, focusfontcolor, 0);
    BS_KEY(Color, mouseinfontcolor, 0);
    BS_KEY(String, updown, "");
}

} // namespace tavrik
