#pragma once

#include "skincontrols/SkinPanel.h"

namespace tavrik {

// A titled frame ("groupbox"): a panel in caption mode.
class TbsSkinGroupBox : public TbsSkinPanel {
public:
    explicit TbsSkinGroupBox(TComponent* owner) : TbsSkinPanel(owner)
    {
        SetSkinDataName("groupbox");
        SetCaptionMode(true);
    }
    const char* ClassName() const override { return "TbsSkinGroupBox"; }
};

} // namespace tavrik
