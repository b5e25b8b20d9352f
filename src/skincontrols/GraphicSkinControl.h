#pragma once

#include "skincontrols/SkinBound.h"
#include "ui/GraphicControl.h"

namespace tavrik {

// The root of the skinned controls without a window: they paint on their parent, every pixel
// of their rectangle, and bind to a control skin as the windowed ones do (TbsSkinBound).
class TbsGraphicSkinControl : public TbsSkinBound<TGraphicControl> {
public:
    explicit TbsGraphicSkinControl(TComponent* owner) : TbsSkinBound<TGraphicControl>(owner) {}
    const char* ClassName() const override { return "TbsGraphicSkinControl"; }
};

} // namespace tavrik
