#pragma once

#include "skinforms/ActiveSkinObject.h"

namespace tavrik {

// An area of the frame the application paints itself (the frame's OnPaintEvent).
class TbsUserObject : public TbsActiveSkinObject {
public:
    using TbsActiveSkinObject::TbsActiveSkinObject;

    void Draw(TCanvas& canvas, bool repaint) override;
};

} // namespace tavrik
