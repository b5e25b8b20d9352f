#include "skin/DataSkinButtonControls.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinButtonControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_BUTTON_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinMenuButtonControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinButtonControl::DeclareKeys(keys);
    BS_MENU_BUTTON_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinCheckRadioControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_CHECK_RADIO_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinUpDownControl::LoadFromIni(const TbsSkinIni& ini)
{
    TbsDataSkinCustomControl::LoadFromIni(ini);
    lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint{};
    clientrect = TRect{};
}

void TbsDataSkinUpDownControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_UP_DOWN_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinTrackBarControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_TRACK_BAR_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinGaugeControl::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinCustomControl::DeclareKeys(keys);
    BS_GAUGE_CONTROL_KEYS(BS_KEY)
}

void TbsDataSkinSlider::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinControl::DeclareKeys(keys);
    BS_SLIDER_KEYS(BS_KEY)
}

} // namespace tavrik
