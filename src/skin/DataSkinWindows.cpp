#include "skin/DataSkinWindows.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinPopupWindow::DeclareKeys(TbsSkinKeys& keys)
{
    BS_KEY(PictureIndex, windowpictureindex);
    BS_KEY(PictureIndex, maskpictureindex);
    DeclareCornerPointKeys(keys, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    BS_KEY(Rect, itemsrect);
    BS_KEY(Color, scrollmarkercolor, 0);
    BS_KEY(Color, scrollmarkeractivecolor, 0);
    DeclareStretchKeys(keys, leftstretch, rightstretch, topstretch, bottomstretch);
}

void TbsDataSkinHintWindow::DeclareKeys(TbsSkinKeys& keys)
{
    BS_KEY(PictureIndex, windowpictureindex);
    BS_KEY(PictureIndex, maskpictureindex);
    DeclareCornerPointKeys(keys, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    BS_KEY(Rect, clientrect);
    BS_FONT_KEYS();
    DeclareStretchKeys(keys, leftstretch, rightstretch, topstretch, bottomstretch);
}

} // namespace tavrik
