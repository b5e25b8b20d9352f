#pragma once

#include "ui/CustomControl.h"
#include "ui/Frame3D.h"

namespace tavrik {

enum class TPanelBorderStyle : uint8_t { bsNone, bsSingle };

// A container with bevels and a caption. Aligned children share the area inside the border
// and bevels:
//
//     outer bevel (BevelWidth) | border (BorderWidth, in Color) | inner bevel | children
class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);
    const char* ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    TPanelBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TPanelBorderStyle style);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);

    void AdjustClientRect(TRect& rect) const override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    void FrameChanged();

    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TPanelBorderStyle borderStyle_ = TPanelBorderStyle::bsNone;
    TAlignment alignment_ = TAlignment::taCenter;
};

} // namespace tavrik
