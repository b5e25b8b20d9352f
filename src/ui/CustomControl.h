#pragma once

#include "ui/WinControl.h"

namespace tavrik {

class TCanvas;

// A windowed control that paints itself: Paint draws the client area on Canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TCustomControl"; }

    // The canvas of the client area, clipped to what needs painting; only valid while Paint
    // runs.
    TCanvas* Canvas() const { return canvas_; }

protected:
    virtual void Paint() {}
    void PaintWindow(TCanvas& canvas) override;

private:
    TCanvas* canvas_ = nullptr;
};

} // namespace tavrik
