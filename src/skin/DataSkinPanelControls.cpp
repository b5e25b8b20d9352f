#include "skin/DataSkinPanelControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinPanelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_PANEL_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinExPanelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_EX_PANEL_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinControlBar::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_CONTROL_BAR_KEYS(BS_KEY)
}

void TbsDataSkinScrollBoxControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_SCROLL_BOX_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinBevel::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_BEVEL_KEYS(BS_KEY)
}

void TbsDataSkinLabelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_LABEL_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinStdLabelControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_STD_LABEL_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinMainMenuBar::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_MAIN_MENU_BAR_KEYS(BS_KEY)
}

void TbsDataSkinTabControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_TAB_CONTROL_KEYS(BS_KEY)
}

} // namespace tavrik
