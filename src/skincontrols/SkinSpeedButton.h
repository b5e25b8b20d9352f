#pragma once

#include "skincontrols/ButtonControl.h"
#include "skincontrols/GraphicSkinCustomControl.h"

#include <string_view>

namespace tavrik {

// A skinned tool button ("toolbutton") without a window of its own: no focus, no keys; a
// caption and a glyph strip, sticky groups and auto-repeat as TbsButtonControl gives them.
// Flat buttons (and transparent ones) draw no face until the pointer is over them, only their
// glyph and caption on the parent. Inside a skinned tool bar a button without a glyph of its
// own shows the bar's image ImageIndex.
class TbsSkinSpeedButton : public TbsButtonControl<TbsGraphicSkinCustomControl> {
public:
    explicit TbsSkinSpeedButton(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinSpeedButton"; }

    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool on);
    // The widths ShowCaption switches between, when both are above 0.
    int WidthWithCaption() const { return widthWithCaption_; }
    void SetWidthWithCaption(int width) { widthWithCaption_ = width; }
    int WidthWithoutCaption() const { return widthWithoutCaption_; }
    void SetWidthWithoutCaption(int width) { widthWithoutCaption_ = width; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // Flat also makes the button transparent (and not flat, opaque again).
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    TButtonFace Face() const override { return SpeedButtonFace(SpeedLook()); }
    bool MorphActive() const override { return Hovered(); }
    // A transparent button does not morph: it has no face to fade.
    bool Morphs() const override { return !transparent_ && TbsButtonControl::Morphs(); }
    TGlyphAndText Content(bool down, bool active) const override;
    void Paint() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TButtonSetup ButtonSetup() const override;
    void ButtonClick() override { Click(); }

    TButtonLook SpeedLook() const;

    bool showCaption_ = true;
    int widthWithCaption_ = 0;
    int widthWithoutCaption_ = 0;
    int imageIndex_ = 0;
    bool flat_ = false;
    bool transparent_ = false;
};

} // namespace tavrik
