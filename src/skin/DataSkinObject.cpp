#include "skin/DataSkinObject.h"

#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

namespace tavrik {

void TbsDataSkinObject::DeclareKeys(TbsSkinKeys& keys)
{
    BS_OBJECT_KEYS(BS_KEY)
}

void TbsDataUserObject::DeclareKeys(TbsSkinKeys& keys)
{
    BS_USER_OBJECT_KEYS(BS_KEY)
}

void TbsDataSkinButton::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_BUTTON_KEYS(BS_KEY)
}

void TbsDataSkinStdButton::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinButton::DeclareKeys(keys);
    BS_STD_BUTTON_KEYS(BS_KEY)
}

void TbsDataSkinAnimate::LoadFromIni(const TbsSkinIni& ini)
{
    TbsDataSkinObject::LoadFromIni(ini);
    morphing = false;
}

void TbsDataSkinAnimate::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_ANIMATE_KEYS(BS_KEY)
}

void TbsDataSkinMenuItem::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_MENU_ITEM_KEYS(BS_KEY)
}

void TbsDataSkinMainMenuItem::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_MAIN_MENU_ITEM_KEYS(BS_KEY)
}

void TbsDataSkinCaption::DeclareKeys(TbsSkinKeys& keys)
{
    TbsDataSkinObject::DeclareKeys(keys);
    BS_CAPTION_KEYS(BS_KEY)
}

} // namespace tavrik
