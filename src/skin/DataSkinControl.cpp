#include "skin/DataSkinControl.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinControl::DeclareKeys(TbsSkinKeys& keys)
{
    BS_KEY(PictureIndex, pictureindex);
    BS_KEY(PictureIndex, maskpictureindex);
    BS_KEY(Rect, skinrect);
}

void TbsDataSkinCustomControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    DeclareCornerPointKeys(keys, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    BS_KEY(Rect, clientrect);
}

} // namespace tavrik
