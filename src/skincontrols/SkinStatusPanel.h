#pragma once

#include "gfx/Bitmap.h"
#include "skincontrols/SkinLabel.h"

namespace tavrik {

// A framed text cell of a status bar ("statuspanel"): a skinned label with an optional glyph
// before its text. A glyph of two cells shows the second while disabled.
class TbsSkinStatusPanel : public TbsSkinLabel {
public:
    explicit TbsSkinStatusPanel(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinStatusPanel"; }

    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);

    int ExtraWidth() override;

protected:
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;

private:
    TSize GlyphCell() const;
    // Draws the glyph at the left of rect, vertically centred, and answers the rectangle
    // left for the text.
    TRect DrawGlyph(TCanvas& canvas, const TRect& rect);
    void DrawPanelText(TCanvas& canvas, const TRect& rect);

    TBitmap glyph_;
    int numGlyphs_ = 1;
};

} // namespace tavrik
