#pragma once

#include "skincontrols/SkinControl.h"
#include "skincontrols/SkinCustomBound.h"

#include <optional>

namespace tavrik {

// A windowed control drawn from its control skin's picture (TbsSkinCustomBound), whose window
// takes the shape of the skin's mask at every size.
class TbsSkinCustomControl : public TbsSkinCustomBound<TbsSkinControl> {
public:
    explicit TbsSkinCustomControl(TComponent* owner) : TbsSkinCustomBound<TbsSkinControl>(owner) {}
    const char* ClassName() const override { return "TbsSkinCustomControl"; }

    // The shape given to the window, if any.
    const std::optional<TRegion>& Region() const { return region_; }

protected:
    // The mask of a bound control shapes the window; otherwise it is rectangular.
    void UpdateRegion() override;
    void CreateWnd() override;

private:
    std::optional<TRegion> region_;
};

} // namespace tavrik
