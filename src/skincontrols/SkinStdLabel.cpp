#include "skincontrols/SkinStdLabel.h"

#include "skin/DataSkinPanelControls.h"
#include "skin/SkinData.h"
#include "skin/SkinMessages.h"
#include "skincontrols/SkinPaint.h"

namespace tavrik {

TbsSkinStdLabel::TbsSkinStdLabel(TComponent* owner) : TLabel(owner)
{
    SetTransparent(true);
    defaultFont_.OnChange = [this] { SkinChanged(); };
}

void TbsSkinStdLabel::SetSkinData(TbsSkinData* skinData)
{
    skinData_ = skinData;
    SkinChanged();
}

void TbsSkinStdLabel::SetSkinDataName(const std::string& name)
{
    if (name == skinDataName_) return;
    skinDataName_ = name;
    SkinChanged();
}

void TbsSkinStdLabel::SetUseSkinFont(bool on)
{
    if (on == useSkinFont_) return;
    useSkinFont_ = on;
    SkinChanged();
}

void TbsSkinStdLabel::SkinChanged()
{
    AdjustBounds();
    Invalidate();
}

void TbsSkinStdLabel::WndProc(TMessage& m)
{
    if (m.Msg == SKM_CHANGE && (m.WParam == 0 || TbsSkinData::FromMessageParam(m.WParam) == skinData_)) SkinChanged();
    TLabel::WndProc(m);
}

const TbsDataSkinStdLabelControl* TbsSkinStdLabel::BoundSkin() const
{
    if (!skinData_ || skinData_->NoSkinLoaded()) return nullptr;
    const int index = skinData_->IndexOfSkinControl(skinDataName_);
    if (index < 0) return nullptr;
    return dynamic_cast<const TbsDataSkinStdLabelControl*>(skinData_->SkinControls[size_t(index)].get());
}

TFontRequest TbsSkinStdLabel::TextFont() const
{
    const TbsDataSkinStdLabelControl* skin = BoundSkin();
    if (!skin) return useSkinFont_ ? defaultFont_.Request() : Font().Request();
    if (!useSkinFont_) {
        TFontRequest font = Font().Request();
        font.Color = skin->fontcolor;
        return font;
    }
    return SkinFontRequest(TbsSkinFontKeys::Of(*skin), skin->fontcolor);
}

} // namespace tavrik
