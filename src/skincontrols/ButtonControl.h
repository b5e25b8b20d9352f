#pragma once

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skincontrols/ButtonDriver.h"
#include "skincontrols/ButtonFace.h"
#include "skincontrols/ButtonGlyph.h"
#include "skincontrols/ButtonSkinLook.h"
#include "skincontrols/ControlMorph.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinPaint.h"
#include "ui/WinControl.h"

#include <algorithm>

namespace tavrik {

// What the skinned push button (Base = TbsSkinCustomControl) and tool button (Base =
// TbsGraphicSkinCustomControl) share: the glyph strip beside the caption, Down with sticky
// groups among siblings of the same kind, the auto-repeat, the state machine of
// ButtonInteraction.h run by a TButtonDriver, the morph between the normal and the hot image,
// and the skin's images per face (ButtonFace.h). A descendant says which face its state shows
// and what a click does.
template <class Base>
class TbsButtonControl : public Base, protected IButtonHost {
public:
    explicit TbsButtonControl(TComponent* owner) : Base(owner)
    {
        // Clicks come from the state machine: on press for sticky buttons, repeated while held.
        this->SetControlStyle((this->ControlStyle() | csOpaque) & ~unsigned(csClickEvents | csDoubleClicks));
    }

    const TBitmap& Glyph() const { return content_.Glyph; }
    void SetGlyph(const TBitmap& glyph)
    {
        content_.Glyph = glyph;
        this->Invalidate();
    }
    // Cells in the glyph strip: normal, disabled, down, active (1 to 4).
    int NumGlyphs() const { return content_.NumGlyphs; }
    void SetNumGlyphs(int count) { Changed(content_.SetNumGlyphs(count)); }
    TButtonLayout Layout() const { return content_.Layout; }
    void SetLayout(TButtonLayout layout) { Changed(content_.SetLayout(layout)); }
    // Distance of the glyph from its edge; -1 centres glyph and caption together.
    int Margin() const { return content_.Margin; }
    void SetMargin(int margin) { Changed(content_.SetMargin(margin)); }
    int Spacing() const { return content_.Spacing; }
    void SetSpacing(int spacing) { Changed(content_.SetSpacing(spacing)); }

    bool Down() const { return driver_.State().Down; }
    // Down brings every other button of its group among its siblings up.
    void SetDown(bool down)
    {
        if (down == Down()) return;
        driver_.StoreDown(down);
        if (Morphs()) {
            morph_.SetMorphLevel(1);
            if (down) morph_.Stop();
            else morph_.Start();
        }
        this->Invalidate();
        if (down && groupIndex_ != 0) ReleaseGroup();
    }
    // Non-zero: a sticky button, one down at a time among the siblings with the same index.
    int GroupIndex() const { return groupIndex_; }
    virtual void SetGroupIndex(int index) { groupIndex_ = index; }
    // A grouped button that is down comes up when clicked again.
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    // Clicks repeat every RepeatInterval ms while the button is held.
    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool on) { repeatMode_ = on; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { repeatInterval_ = ms; }

    bool Hovered() const { return driver_.State().Hovered; }
    double MorphLevel() const { return morph_.MorphLevel(); }

protected:
    // The face the state shows.
    virtual TButtonFace Face() const = 0;
    // Toward the hot image while this holds.
    virtual bool MorphActive() const = 0;
    virtual bool Morphs() const { return this->SkinIndex() != -1 && skin_.Morphing; }
    // Caption and glyph of a state.
    virtual TGlyphAndText Content(bool down, bool active) const
    {
        return content_.For(this->Caption(), down, active, this->Enabled());
    }

    void ReadSkinObject() override
    {
        Base::ReadSkinObject();
        if (auto* skin = dynamic_cast<const TbsDataSkinButtonControl*>(this->SkinControl())) skin_ = TButtonSkinLook::From(*skin);
    }
    void ApplySkin() override
    {
        morph_.Reset();
        Base::ApplySkin();
        if (Morphs() && MorphActive()) morph_.SetMorphLevel(1);
    }
    // The skin image of source at the control's size with the caption and glyph of the state.
    virtual void DrawStateImage(TBitmap& bitmap, const TRect& source, bool down, bool active)
    {
        this->DrawSkinImageFrom(source, bitmap);
        TCanvas canvas(bitmap);
        canvas.SetFont(WithColor(this->SkinTextFont(skin_.Font), skin_.CaptionColor(this->Enabled(), down, active)));
        DrawGlyphAndText(canvas, this->FittedClientRect, Content(down, active));
    }
    void DrawSkinImage(TBitmap& bitmap) override
    {
        const TButtonFace face = Face();
        if (face != TButtonFace::Morph) {
            const bool down = face == TButtonFace::Down;
            DrawStateImage(bitmap, skin_.Image(face), down, down || face == TButtonFace::Active);
            return;
        }
        TBitmap normal, active;
        DrawStateImage(normal, skin_.Normal, false, false);
        DrawStateImage(active, skin_.Active, false, true);
        bitmap = morph_.Compose(normal, active, skin_.MorphKind);
    }
    // The plain look of a face: its frame and fill, then caption and glyph in DefaultFont
    // (shifted when pressed).
    void DrawPlainButton(TBitmap& bitmap, TPlainFace face)
    {
        TCanvas canvas(bitmap);
        const TRect r{0, 0, bitmap.Width(), bitmap.Height()};
        DrawPlainFace(canvas, r, face);
        TFontRequest font = this->DefaultFont().Request();
        if (!this->Enabled()) font.Color = clBtnShadow;
        canvas.SetFont(font);
        TGlyphAndText what = Content(Down(), Hovered());
        what.Pressed = face == TPlainFace::Pressed;
        DrawGlyphAndText(canvas, r, what);
    }
    // The look's inputs the descendants share.
    TButtonLook Look() const
    {
        TButtonLook look;
        look.Enabled = this->Enabled();
        look.Down = Down();
        look.Hovered = Hovered();
        look.MouseHeld = driver_.State().MouseHeld;
        look.Grouped = groupIndex_ != 0;
        look.Morphing = Morphs();
        look.MorphLevel = morph_.MorphLevel();
        look.HasDisabledImage = !skin_.Disabled.IsEmpty();
        return look;
    }
    void EnabledChanged() override
    {
        Base::EnabledChanged();
        morph_.Reset();
        driver_.ClearHover();
        this->Invalidate();
    }
    void MouseMove(TShiftState shift, int x, int y) override
    {
        if (!driver_.TrackHeldPointer(this->ClientRect().Contains(TPoint{x, y}))) return;
        Base::MouseMove(shift, x, y);
    }

    void ButtonSetDown(bool down) override { SetDown(down); }
    void ButtonFullMorph() override
    {
        if (Morphs()) morph_.SetMorphLevel(1);
    }
    void ButtonRefresh() override
    {
        if (Morphs()) morph_.Start();
        else this->Invalidate();
    }
    void ButtonRepaint() override { this->Invalidate(); }
    int ButtonRepeatInterval() const override { return repeatInterval_; }
    TComponentGuard ButtonGuard() const override { return this->Guard(); }

    TButtonContent content_;
    TButtonDriver driver_{*this};
    TButtonSkinLook skin_;
    TbsControlMorph morph_{this, [this] { return MorphActive(); }, [this] { return Morphs(); }};

private:
    void Changed(bool changed)
    {
        if (changed) this->Invalidate();
    }
    void ReleaseGroup()
    {
        TWinControl* parent = this->Parent();
        if (!parent) return;
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TbsButtonControl*>(parent->Controls(i));
            if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_ && sibling->Down()) sibling->SetDown(false);
        }
    }

    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
};

} // namespace tavrik
