#include "skin/DataSkinButtonControls.h"

namespace tavrik {

void TbsDataSkinUpDownControl::LoadFromIni(const TbsSkinIni& ini)
{
    TbsDataSkinCustomControl::LoadFromIni(ini);
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint{};
    clientrect = TRect{};
}

} // namespace tavrik
