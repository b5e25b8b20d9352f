#include "skin/DataSkinObject.h"

namespace tavrik {

void TbsDataSkinAnimate::LoadFromIni(const TbsSkinIni& ini)
{
    TbsDataSkinObject::LoadFromIni(ini);
    morphing = false;
}

} // namespace tavrik
