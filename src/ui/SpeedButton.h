#pragma once

#include "gfx/Bitmap.h"
#include "ui/GraphicControl.h"

namespace tavrik {

// A small button without a window of its own, showing a glyph (its bottom-left pixel's colour
// is transparent) and usually a hint instead of a caption. A press and release over it fires
// OnClick; Flat draws no frame until the pointer is over it.
class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* owner);
    const char* ClassName() const override { return "TSpeedButton"; }

    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    // Hot: the pointer is over it; Down: pressed and held with the pointer over it.
    bool Hot() const { return hot_; }
    bool Down() const { return down_; }

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void SetHotDown(bool hot, bool down);

    TBitmap glyph_;
    bool flat_ = false;
    bool hot_ = false;
    bool down_ = false;
    bool pressed_ = false; // the left button went down on it and is held
};

} // namespace tavrik
