#pragma once

#include "skincontrols/SkinCustomControl.h"
#include "skincontrols/SkinPaint.h"
#include "skincontrols/TrackBarGeometry.h"

#include <string>

namespace tavrik {

// A skinned progress bar ("gauge", or "vgauge" standing): Value between MinValue and
// MaxValue shown as the filled part of the skin's progress area, from the left or from the
// bottom, with an optional text: ProgressText, the percentage and "%", or both. A standing
// gauge turns its text to run upward. With UseSkinSize off the skinned picture is stretched
// to whatever size the gauge has.
class TbsSkinGauge : public TbsSkinCustomControl {
public:
    explicit TbsSkinGauge(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinGauge"; }

    int MinValue() const { return range_.Min; }
    void SetMinValue(int value);
    int MaxValue() const { return range_.Max; }
    void SetMaxValue(int value);
    int Value() const { return range_.Value; }
    void SetValue(int value);
    bool Vertical() const { return vertical_; }
    void SetVertical(bool on);
    bool UseSkinSize() const { return useSkinSize_; }
    void SetUseSkinSize(bool on);
    bool ShowProgressText() const { return showProgressText_; }
    void SetShowProgressText(bool on);
    const std::string& ProgressText() const { return progressText_; }
    void SetProgressText(const std::string& text);
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool on);

    // The text the gauge shows now.
    std::string ProgressString() const;

protected:
    void ReadSkinObject() override;
    void FitSizeToSkin(int& width, int& height) override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;

private:
    bool ShownVertical() const;
    // The skin picture with the fill, at the size the skin gives the gauge.
    void DrawSkinProgress(TBitmap& bitmap);
    void DrawText(TBitmap& bitmap, const TFontRequest& font);

    TValueRange range_;
    bool vertical_ = false;
    bool useSkinSize_ = true;
    bool showProgressText_ = false;
    std::string progressText_;
    bool showPercent_ = false;
    TRect progressarea_;
    TRect progressrect_;
    int beginoffset_ = 0;
    int endoffset_ = 0;
    bool skinVertical_ = false;
    TbsSkinFontKeys font_;
    TRect FittedProgressArea;
    TSize fittedSize_;
};

} // namespace tavrik
