#pragma once

#include "skincontrols/SkinBound.h"
#include "ui/CustomControl.h"

namespace tavrik {

// The root of the skinned windowed controls: a window of its own, the focus, and a binding to
// a control skin (TbsSkinBound). It leaves both looks to its descendants.
class TbsSkinControl : public TbsSkinBound<TCustomControl> {
public:
    explicit TbsSkinControl(TComponent* owner) : TbsSkinBound<TCustomControl>(owner) {}
    const char* ClassName() const override { return "TbsSkinControl"; }
};

} // namespace tavrik
