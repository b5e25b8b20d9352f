#pragma once

#include "skincontrols/SkinBound.h"
#include "skincontrols/SkinControlGeometry.h"
#include "ui/Splitter.h"

namespace tavrik {

// A splitter bar painted from a "vsplitter" (or "hsplitter") control skin: stretched along
// its length between the skin's caps, and as thick as the skin (its MinSize too). Unbound it
// is DefaultSize thick and drawn as the plain splitter. Dragging is the plain splitter's.
class TbsSkinSplitter : public TbsSkinBound<TSplitter> {
public:
    explicit TbsSkinSplitter(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinSplitter"; }

    int DefaultSize() const { return defaultSize_; }
    void SetDefaultSize(int size) { defaultSize_ = size; }

    void ReadSkinObject() override;
    void ApplySkin() override;
    void SetSkinData(TbsSkinData* data) override;

protected:
    void Paint() override;

private:
    bool Lying() const { return Align() == TAlign::alTop || Align() == TAlign::alBottom; }

    int defaultSize_ = 10;
    TbsSkinControlGeometry geometry_;
};

} // namespace tavrik
