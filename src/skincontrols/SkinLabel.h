#pragma once

#include "skincontrols/PanelGeometry.h"
#include "skincontrols/SkinCustomControl.h"
#include "skincontrols/SkinPaint.h"
#include "ui/ControlTypes.h"

#include <string_view>

namespace tavrik {

class TCanvas;

// A one-line text on a skinned cell ("label"), aligned left, right or centred and
// vertically centred. With AutoSize it grows and shrinks with its caption (not when aligned
// to the top, bottom or whole of its parent, and never with a skin of fixed size).
class TbsSkinLabel : public TbsSkinCustomControl {
public:
    explicit TbsSkinLabel(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinLabel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // The frame of the plain look.
    TbsBevelStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsBevelStyle style);
    void SetAutoSize(bool on) override;

    // How much wider the label must be to show its caption (negative: it could be narrower).
    virtual int ExtraWidth();

protected:
    void ReadSkinObject() override;
    void FitSizeToSkin(int& width, int& height) override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void TextChanged() override;
    // The caption (or the given text) in rect, in the label's font and colour, clipped to rect.
    void DrawLabelText(TCanvas& canvas, const TRect& rect);
    void DrawLabelText(TCanvas& canvas, const TRect& rect, std::string_view text);
    // The plain look's background: button face and the one-pixel frame of BorderStyle.
    void DrawPlainCell(TCanvas& canvas);
    TFontRequest TextFont();
    void AdjustWidth();

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TbsBevelStyle borderStyle_ = TbsBevelStyle::bvFrame;
    TbsSkinFontKeys font_;
    bool widthAdjusting_ = false;
};

} // namespace tavrik
