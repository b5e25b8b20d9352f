#include "skin/DataSkinEditControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinEditControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, activeskinrect);
    BS_FONT_KEYS();
    BS_KEY(Color, disabledfontcolor, 0);
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Rect, buttonrect);
    BS_KEY(Rect, activebuttonrect);
    BS_KEY(Rect, downbuttonrect);
    BS_KEY(Rect, unenabledbuttonrect);
}

void TbsDataSkinMemoControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinEditControl::DeclareKeys(keys);
    BS_KEY(Color, bgcolor, 0);
    BS_KEY(Color, activebgcolor, 0);
}

void TbsDataSkinSpinEditControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, activeskinrect);
    BS_FONT_KEYS();
    BS_KEY(Color, activefontcolor, 0);
    BS_KEY(Color, disabledfontcolor, 0);
    BS_ARROW_KEYS();
}

void TbsDataSkinComboBox::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_KEY(Rect, itemrect);
    BS_KEY(Rect, focusitemrect);
    BS_KEY(Int, itemleftoffset, 0);
    BS_KEY(Int, itemrightoffset, 0);
    BS_KEY(Rect, itemtextrect);
    BS_FONT_KEYS();
    BS_KEY(Color, focusfontcolor, 0);
    BS_KEY(String, listboxname, "");
    BS_KEY(Rect, buttonrect);
    BS_KEY(Rect, activebuttonrect);
    BS_KEY(Rect, downbuttonrect);
    BS_KEY(Rect, unenabledbuttonrect);
}

} // namespace tavrik
