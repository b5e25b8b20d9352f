#include "skin/DataSkinListControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinListBox::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_LIST_BOX_KEYS(BS_KEY)
}

void TbsDataSkinCheckListBox::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinListBox::DeclareKeys(keys);
    BS_CHECK_LIST_BOX_KEYS(BS_KEY)
}

void TbsDataSkinScrollBarControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_SCROLL_BAR_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinGridControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_GRID_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinTextViewControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_TEXT_VIEW_CONTROL_KEYS(BS_KEY)
}

} // namespace tavrik
