#include "skin/DataSkinListControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinListBox::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, itemrect);
    BS_KEY(Rect, activeitemrect);
    BS_KEY(Rect, focusitemrect);
    BS_KEY(Int, itemleftoffset, 0);
    BS_KEY(Int, itemrightoffset, 0);
    BS_KEY(Rect, itemtextrect);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Color, focusfontcolor, 0);
    BS_KEY(Rect, captionrect);
    BS_FONT_KEYS(caption);
    BS_ARROW_KEYS();
    BS_KEY(Rect, checkbuttonrect);
    BS_KEY(Rect, activecheckbuttonrect);
    BS_KEY(Rect, downcheckbuttonrect);
    BS_KEY(String, vscrollbarname, "vscrollbar");
    BS_KEY(String, hscrollbarname, "hscrollbar");
    BS_KEY(String, bothhscrollbarname, "bothhscrollbar");
}

void TbsDataSkinCheckListBox::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinListBox::DeclareKeys(keys);
    BS_KEY(Rect, itemcheckrect);
    BS_KEY(Rect, checkimagerect);
    BS_KEY(Rect, uncheckimagerect);
}

void TbsDataSkinScrollBarControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, trackarea);
    BS_ARROW_KEYS();
    BS_KEY(Rect, thumbrect);
    BS_KEY(Rect, activethumbrect);
    BS_KEY(Rect, downthumbrect);
    BS_KEY(Int, thumboffset1, 0);
    BS_KEY(Int, thumboffset2, 0);
    BS_KEY(Rect, glyphrect);
    BS_KEY(Rect, activeglyphrect);
    BS_KEY(Rect, downglyphrect);
}

void TbsDataSkinGridControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_KEY(Rect, fixedcellrect);
    BS_KEY(Rect, selectcellrect);
    BS_KEY(Rect, focuscellrect);
    BS_KEY(Int, fixedcellleftoffset, 0);
    BS_KEY(Int, fixedcellrightoffset, 0);
    BS_KEY(Rect, fixedcelltextrect);
    BS_KEY(Int, cellleftoffset, 0);
    BS_KEY(Int, cellrightoffset, 0);
    BS_KEY(Rect, celltextrect);
    BS_KEY(Color, linescolor, 0);
    BS_KEY(Color, bgcolor, 0);
    BS_FONT_KEYS();
    BS_KEY(Color, selectfontcolor, 0);
    BS_KEY(Color, focusfontcolor, 0);
    BS_FONT_KEYS(fixed);
}

void TbsDataSkinTextViewControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_FONT_KEYS();
    BS_KEY(Color, bgcolor, 0);
}

} // namespace tavrik
