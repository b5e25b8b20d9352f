#include "skin/DataSkinControl.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinControl::DeclareKeys(TbsSkinKeys& keys)
{
    BS_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinCustomControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_CUSTOM_CONTROL_KEYS(BS_KEY)
}

} // namespace tavrik
