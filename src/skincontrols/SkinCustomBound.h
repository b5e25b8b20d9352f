#pragma once

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinControl.h"
#include "skincontrols/SkinBound.h"
#include "skincontrols/SkinControlGeometry.h"
#include "ui/Font.h"

namespace tavrik {

// A skinned control that draws itself from its control skin's picture, resized by the skin's
// corner points (TbsSkinControlGeometry), or in a plain look of system colours while it is not
// bound; Base is TbsSkinControl or TbsGraphicSkinControl. Either look is painted into one
// off-screen bitmap of the control's size and copied to the screen at once.
//
// Size: a bound control keeps the size its skin allows (FitSizeToSkin) whenever it is moved,
// resized or skinned; an unbound one takes DefaultWidth and DefaultHeight (when above 0) when
// the skin is applied.
template <class Base>
class TbsSkinCustomBound : public Base, public TbsSkinControlGeometry {
public:
    explicit TbsSkinCustomBound(TComponent* owner) : Base(owner)
    {
        defaultFont_.SetName("Arial");
        defaultFont_.SetHeight(14);
        defaultFont_.OnChange = [this] {
            DefaultFontChanged();
            if (this->SkinIndex() == -1) this->Invalidate();
        };
    }

    // The font of the plain look, and of skinned text when UseSkinFont is off.
    TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int width)
    {
        defaultWidth_ = width;
        if (this->SkinIndex() == -1 && width > 0) this->SetWidth(width);
    }
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int height)
    {
        defaultHeight_ = height;
        if (this->SkinIndex() == -1 && height > 0) this->SetHeight(height);
    }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on)
    {
        if (on == useSkinFont_) return;
        useSkinFont_ = on;
        this->Invalidate();
    }

    void ReadSkinObject() override
    {
        Base::ReadSkinObject();
        if (this->SkinIndex() == -1) {
            // The pictures belong to a skin that may be gone.
            DropPictures();
            return;
        }
        if (auto* skin = dynamic_cast<const TbsDataSkinCustomControl*>(this->SkinControl()))
            CopyFrom(*skin, *this->SkinData());
        else
            CopyNothingFrom();
    }
    void DetachSkin() override
    {
        Base::DetachSkin();
        DropPictures();
    }
    virtual void DefaultFontChanged() {}
    virtual void FitSizeToSkin(int& width, int& height)
    {
        TbsSkinControlGeometry::FitSizeToSkin(width, height, this->SkinIndex() != -1);
    }
    TRect MapSkinRect(const TRect& r) const { return TbsSkinControlGeometry::MapSkinRect(r, Size()); }

    // The plain look: the face of a button.
    void DrawDefaultImage(TBitmap& bitmap) override
    {
        TCanvas canvas(bitmap);
        canvas.Brush().Color = clBtnFace;
        canvas.Brush().Style = TBrushStyle::bsSolid;
        canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    }
    // A control skin without a picture or without its geometry leaves the plain look.
    void DrawSkinImage(TBitmap& bitmap) override
    {
        if (SkinPicture && StretchMode != smNoGeometry) DrawSkinImageFrom(skinrect, bitmap);
        else DrawDefaultImage(bitmap);
    }
    // The skin look from another rectangle of the picture of skinrect's size (a hot or pressed
    // face of the same control skin).
    void DrawSkinImageFrom(const TRect& source, TBitmap& bitmap) { BuildImage(source, Size(), bitmap); }

    void ApplySkin() override
    {
        ReadSkinObject();
        const TSize before = Size();
        if (this->SkinIndex() == -1) {
            if (defaultWidth_ > 0) this->SetWidth(defaultWidth_);
            if (defaultHeight_ > 0) this->SetHeight(defaultHeight_);
        } else {
            int w = this->Width(), h = this->Height();
            FitSizeToSkin(w, h);
            if (w != this->Width()) this->SetWidth(w);
            if (h != this->Height()) this->SetHeight(h);
        }
        if (Size() == before || this->SkinIndex() == -1) {
            UpdateRegion();
            this->Invalidate();
        }
    }

    // Every move or resize keeps the size the skin allows.
    void SetBounds(int left, int top, int width, int height) override
    {
        ReadSkinObject();
        bool fitted = this->SkinIndex() != -1 && (width != this->Width() || height != this->Height());
        if (fitted) {
            FitSizeToSkin(width, height);
            if (StretchMode == smFixed) FittedClientRect = clientrect;
        }
        Base::SetBounds(left, top, width, height);
        if (fitted) {
            UpdateRegion();
            this->Invalidate();
        }
    }

protected:
    // Windowed controls give their window the shape of the mask; graphic ones have no window.
    virtual void UpdateRegion() {}

    void Paint() override
    {
        if (this->Width() <= 0 || this->Height() <= 0) return;
        ReadSkinObject();
        TBitmap image(this->Width(), this->Height());
        if (this->SkinIndex() == -1) DrawDefaultImage(image);
        else DrawSkinImage(image);
        this->Canvas()->Draw(0, 0, image);
    }

    // The font of text drawn from a control skin's font keys (fontname, fontheight, fontstyle):
    // the skin's with DefaultFont's character set, or DefaultFont itself when UseSkinFont is
    // off; the colour is the caller's.
    template <class FontKeys>
    TFont SkinTextFont(const FontKeys& keys) const
    {
        TFont font = defaultFont_;
        if (!useSkinFont_) return font;
        font.SetName(keys.fontname);
        font.SetHeight(keys.fontheight);
        font.SetStyle(keys.fontstyle);
        return font;
    }

private:
    TSize Size() const { return {this->Width(), this->Height()}; }

    TFont defaultFont_;
    int defaultWidth_ = 0;
    int defaultHeight_ = 0;
    bool useSkinFont_ = true;
};

} // namespace tavrik
