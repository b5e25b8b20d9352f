#pragma once

#include "skincontrols/ControlMorph.h"
#include "skincontrols/CheckSkinLook.h"
#include "skincontrols/SkinCustomControl.h"

namespace tavrik {

class TImageList;

// A skinned check box ("checkbox") or radio box ("radiobox") with a caption and an optional
// image of a list before it. Checking a box of a group (GroupIndex not 0) unchecks the
// other boxes of that group among its siblings. A flat box (the default) draws no skin
// background: its parent shows through around the mark and the caption.
//
//   event                  | check box            | radio box
//   -----------------------+----------------------+----------------------------
//   click (left release    | Checked inverts,     | checked when it was not;
//   over it), Space up,    | OnClick              | OnClick only then
//   caption's "&" letter   |                      |
//   Checked set by code    | OnClick, every time  | OnClick when it became checked
//
// The pointer over it or the focus show its hot look (a morph when the skin has one).
class TbsSkinCheckRadioBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCheckRadioBox(TComponent* owner);
    ~TbsSkinCheckRadioBox() override;
    const char* ClassName() const override { return "TbsSkinCheckRadioBox"; }

    bool Checked() const { return checked_; }
    void SetChecked(bool on);
    // A radio box: the skin's "radiobox" and group 1 (a check box: "checkbox", no group).
    bool Radio() const { return radio_; }
    void SetRadio(bool on);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool Flat() const { return flat_; }
    void SetFlat(bool on);
    // Focus and keyboard; also makes the box a tab stop.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

    bool Hovered() const { return hovered_; }
    double MorphLevel() const { return morph_.MorphLevel(); }

    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void ReadSkinObject() override;
    void FitSizeToSkin(int& width, int& height) override;
    void ApplySkin() override;
    void Paint() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void ApplyBounds(int left, int top, int width, int height) override;

private:
    bool FocusedHere() const;
    void SetHovered(bool on);
    void RefreshState();
    void ToggleCheck();
    void DialogChar(TMessage& m);
    void DrawStateImage(TBitmap& bitmap, const TRect& source, bool active);
    // The flat box on the parent's background.
    void PaintFlat(TBitmap& bitmap);
    // The plain box at (3, middle - 7) and the mark in it.
    void DrawPlainBox(TCanvas& canvas, int height);
    // The caption (and image) of a flat box from x = left; answers the caption's rectangle.
    TRect DrawFlatCaption(TCanvas& canvas, int left, TSize box);

    bool checked_ = false;
    bool radio_ = false;
    int groupIndex_ = 0;
    bool flat_ = true;
    bool canFocused_ = true;
    TImageList* images_ = nullptr;
    int imageIndex_ = 0;
    bool hovered_ = false;
    bool mouseHeld_ = false;
    bool spaceHeld_ = false;
    TCheckSkinLook skin_;
    TbsControlMorph morph_{this, [this] { return hovered_ || FocusedHere(); }, [this] { return SkinIndex() != -1 && skin_.Morphing; }};
};

} // namespace tavrik
