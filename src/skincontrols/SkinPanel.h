#pragma once

#include "gfx/Bitmap.h"
#include "skincontrols/PanelGeometry.h"
#include "skincontrols/RollState.h"
#include "skincontrols/SkinCustomControl.h"
#include "skincontrols/SkinPaint.h"

#include <vector>

namespace tavrik {

class TCanvas;

// A skinned container ("panel") that lays out its children inside its frame. In caption
// mode it shows a caption bar, which may carry a glyph, a check box (CheckedMode: Checked
// enables or disables every child) and a roll-up arrow (RollUpMode: the panel rolls up to
// its caption bar and back; a click on the bar toggles both).
class TbsSkinPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinPanel(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinPanel"; }

    TbsBevelStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsBevelStyle style);
    bool CaptionMode() const { return captionMode_; }
    void SetCaptionMode(bool on);
    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int height);
    TAlignment DefaultAlignment() const { return defaultAlignment_; }
    void SetDefaultAlignment(TAlignment alignment);
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    // 1, or 2 with the disabled image second.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool CheckedMode() const { return checkedMode_; }
    void SetCheckedMode(bool on);
    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    bool AutoEnabledControls() const { return autoEnabledControls_; }
    void SetAutoEnabledControls(bool on) { autoEnabledControls_ = on; }
    bool RollUpMode() const { return rollUpMode_; }
    void SetRollUpMode(bool on);
    bool RollUpState() const { return rollUpState_; }
    void SetRollUpState(bool on);
    // The height before rolling up; -1 while unrolled.
    int RealHeight() const { return roll_.Saved(); }

    TNotifyEvent OnChecked;

    void AdjustClientRect(TRect& rect) const override;

protected:
    void ReadSkinObject() override;
    void ApplySkin() override;
    void Paint() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void TextChanged() override;
    void EnabledChanged() override;
    void ApplyBounds(int left, int top, int width, int height) override;
    bool Skinned() const;

private:
    int RolledHeight() const;
    void HideChildren();
    void ShowChildren();
    void CaptionChanged();
    // Glyph and caption from x, vertically centred in bar.
    void DrawGlyphAndCaption(TCanvas& canvas, const TRect& bar, int x);
    int CaptionWidth(TCanvas& canvas) const;
    void DrawSkinCaption(TCanvas& canvas);
    void DrawPlainCaption(TCanvas& canvas);

    TbsBevelStyle borderStyle_ = TbsBevelStyle::bvFrame;
    bool captionMode_ = false;
    int defaultCaptionHeight_ = 22;
    TAlignment defaultAlignment_ = TAlignment::taLeftJustify;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    int spacing_ = 2;
    bool checkedMode_ = false;
    bool checked_ = false;
    bool autoEnabledControls_ = true;
    bool rollUpMode_ = false;
    bool rollUpState_ = false;
    TRollState roll_{-1};
    std::vector<TComponentRef<TControl>> hiddenChildren_;
    bool hasHiddenChildren_ = false;
    // From the panel skin.
    TRect captionrect_;
    TbsAlignment alignment_ = TbsAlignment::taLeftJustify;
    TbsSkinFontKeys font_;
    int bgpictureindex_ = -1;
    TRect checkimagerect_;
    TRect uncheckimagerect_;
    TRect FittedCaptionRect;
};

} // namespace tavrik
