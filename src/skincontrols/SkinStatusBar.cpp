#include "skincontrols/SkinStatusBar.h"

namespace tavrik {

TbsSkinStatusBar::TbsSkinStatusBar(TComponent* owner) : TbsSkinPanel(owner)
{
    SetSkinDataName("statusbar");
    SetBorderStyle(TbsBevelStyle::bvNone);
    SetDefaultHeight(21);
    SetAlign(TAlign::alBottom);
}

void TbsSkinStatusBar::SetSkinData(TbsSkinData* skinData)
{
    TbsSkinPanel::SetSkinData(skinData);
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* child = dynamic_cast<TbsSkinControl*>(Controls(i))) child->SetSkinData(skinData);
}

} // namespace tavrik
