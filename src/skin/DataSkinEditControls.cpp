#include "skin/DataSkinEditControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinEditControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_EDIT_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinMemoControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinEditControl::DeclareKeys(keys);
    BS_MEMO_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinSpinEditControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_SPIN_EDIT_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinComboBox::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_COMBO_BOX_KEYS(BS_KEY)
}

} // namespace tavrik
