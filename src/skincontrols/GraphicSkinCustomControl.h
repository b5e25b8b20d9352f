#pragma once

#include "skincontrols/GraphicSkinControl.h"
#include "skincontrols/SkinCustomBound.h"

namespace tavrik {

// A graphic control drawn from its control skin's picture (TbsSkinCustomBound); it repaints on
// its parent when its size follows the skin.
class TbsGraphicSkinCustomControl : public TbsSkinCustomBound<TbsGraphicSkinControl> {
public:
    explicit TbsGraphicSkinCustomControl(TComponent* owner) : TbsSkinCustomBound<TbsGraphicSkinControl>(owner) {}
    const char* ClassName() const override { return "TbsGraphicSkinCustomControl"; }
};

} // namespace tavrik
