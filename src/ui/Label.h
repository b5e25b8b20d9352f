#pragma once

#include "ui/GraphicControl.h"

namespace tavrik {

// Text on its parent. With AutoSize (on by default) the label takes the size of its text
// (one line's height when empty), growing to the right, or to the left when right-aligned;
// with WordWrap it keeps its width and takes the height of the wrapped text. Layout places
// the text vertically; "&x" underlines x unless ShowAccelChar is off.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    const char* ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool on);
    // Transparent: the parent shows through around the letters; otherwise Color fills it.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on);
    void SetAutoSize(bool on) override;

protected:
    // The font the text is measured and drawn with (colour included); Font unless a
    // descendant takes it from elsewhere.
    virtual TFontRequest TextFont() const { return Font().Request(); }
    void Paint() override;
    void FontChanged() override;
    void TextChanged() override;
    void AdjustBounds();
    unsigned DrawFlags() const;

private:
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TTextLayout layout_ = TTextLayout::tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

} // namespace tavrik
