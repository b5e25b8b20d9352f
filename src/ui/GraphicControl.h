#pragma once

#include "ui/Control.h"

namespace tavrik {

class TCanvas;

// A control without a window: it paints on its parent's canvas, below the parent's windowed
// children, and gets its mouse messages from its parent.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    const char* ClassName() const override { return "TGraphicControl"; }

    // The canvas the control is painted on, translated to it and clipped to it; only valid
    // while Paint runs.
    TCanvas* Canvas() const { return canvas_; }

protected:
    virtual void Paint() {}
    void PaintGraphic(TCanvas& canvas) override;

private:
    TCanvas* canvas_ = nullptr;
};

} // namespace tavrik
