#pragma once

#include "skincontrols/SkinPanel.h"

namespace tavrik {

// The bar at the bottom of a window ("statusbar") that holds status panels. Giving it a skin
// gives its skinned children the same one.
class TbsSkinStatusBar : public TbsSkinPanel {
public:
    explicit TbsSkinStatusBar(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinStatusBar"; }

    void SetSkinData(TbsSkinData* skinData) override;
};

} // namespace tavrik
