#pragma once

#include "skincontrols/ControlMorph.h"
#include "skincontrols/ButtonDriver.h"
#include "skincontrols/ButtonGlyph.h"
#include "skincontrols/ButtonSkinLook.h"
#include "skincontrols/GraphicSkinCustomControl.h"

namespace tavrik {

// A skinned tool button ("toolbutton") without a window of its own: no focus, no keys. It
// shows a caption and a glyph strip, may stick down in a group of its siblings and may
// repeat its click while held (ButtonInteraction.h). Flat buttons show no frame until the
// pointer is over them; transparent ones draw only their glyph and caption on the parent.
// Inside a skinned tool bar without a glyph of its own it shows the bar's image ImageIndex.
class TbsSkinSpeedButton : public TbsGraphicSkinCustomControl, private IButtonHost {
public:
    explicit TbsSkinSpeedButton(TComponent* owner);
    ~TbsSkinSpeedButton() override;
    const char* ClassName() const override { return "TbsSkinSpeedButton"; }

    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool on);
    // The widths ShowCaption switches between, when both are above 0.
    int WidthWithCaption() const { return widthWithCaption_; }
    void SetWidthWithCaption(int width) { widthWithCaption_ = width; }
    int WidthWithoutCaption() const { return widthWithoutCaption_; }
    void SetWidthWithoutCaption(int width) { widthWithoutCaption_ = width; }

    const TBitmap& Glyph() const { return content_.Glyph; }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return content_.NumGlyphs; }
    void SetNumGlyphs(int count);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    TButtonLayout Layout() const { return content_.Layout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return content_.Margin; }
    void SetMargin(int margin);
    int Spacing() const { return content_.Spacing; }
    void SetSpacing(int spacing);

    bool Down() const { return driver_.State().Down; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool on) { repeatMode_ = on; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { repeatInterval_ = ms; }
    // Flat also makes the button transparent (and not flat, opaque again).
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);

    bool Hovered() const { return driver_.State().Hovered; }
    double MorphLevel() const { return morph_.MorphLevel(); }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void ReadSkinObject() override;
    void ApplySkin() override;
    void Paint() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    virtual void DrawStateImage(TBitmap& bitmap, const TRect& source, bool down, bool active);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Glyph and caption in rect: the glyph strip's cell, or the tool bar's image.
    void DrawContent(TCanvas& canvas, const TRect& rect, bool down, bool active);

private:
    TButtonSetup ButtonSetup() const override;
    void ButtonSetDown(bool down) override { SetDown(down); }
    void ButtonClick() override { Click(); }
    void ButtonFullMorph() override;
    void ButtonRefresh() override;
    void ButtonRepaint() override { Invalidate(); }
    int ButtonRepeatInterval() const override { return repeatInterval_; }
    TComponentGuard ButtonGuard() const override { return Guard(); }

    bool Morphs() const;
    TButtonLook Look() const;
    void ReleaseGroup();
    std::string_view ShownCaption() const;

    bool showCaption_ = true;
    int widthWithCaption_ = 0;
    int widthWithoutCaption_ = 0;
    TButtonContent content_;
    int imageIndex_ = 0;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    bool flat_ = false;
    bool transparent_ = false;
    TButtonDriver driver_{*this};
    TButtonSkinLook skin_;
    TbsControlMorph morph_{this, [this] { return Hovered(); }, [this] { return Morphs(); }};
};

} // namespace tavrik
