#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

#include <string_view>

namespace tavrik {

class TCanvas;
class TImageList;

// Where a button's glyph sits relative to its caption.
enum class TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A glyph strip holds cellCount equal cells side by side:
//
//   +--------+--------+--------+--------+ - +
//   | normal |disabled|  down  | active |   |  <- a width that is not a multiple of the
//   +--------+--------+--------+--------+ - +     count leaves its last columns unused
//    cell 1   cell 2   cell 3   cell 4
//
// A cell is (width div cellCount) wide; a strip narrower than its count has no cells.
TSize GlyphCellSize(TSize strip, int cellCount);

// The cell a button shows: down and active with three or more cells: 3; active with four: 4;
// disabled with two or more: 2; otherwise 1.
int GlyphCellFor(int cellCount, bool down, bool active, bool enabled);

struct TGlyphTextPlacement {
    TPoint Glyph;
    TPoint Text;
};

// Places a glyph of size glyph and a caption of size text in rect. margin -1 centres the
// pair; margin >= 0 puts the glyph that far from the edge its layout names, the caption
// spacing pixels beyond it. A pressed button shows both one pixel right and down.
TGlyphTextPlacement PlaceGlyphAndText(const TRect& rect, int margin, int spacing, TButtonLayout layout,
                                      TSize glyph, TSize text, bool pressed);

// What a button draws inside its client rectangle.
struct TGlyphAndText {
    std::string_view Caption; // "&x" marks the accelerator
    const TBitmap* Glyph = nullptr;
    int CellCount = 1;
    int Cell = 1;
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1;
    int Spacing = 1;
    bool Pressed = false;
    // An image of a list in place of the glyph cell (a tool bar's buttons).
    const TImageList* Images = nullptr;
    int ImageIndex = 0;
};

// A button's glyph strip and how it sits beside the caption, as push and speed buttons keep
// them. The setters answer whether the value changed (the button then repaints).
struct TButtonContent {
    TBitmap Glyph;
    int NumGlyphs = 1; // 1 to 4
    TButtonLayout Layout = TButtonLayout::blGlyphLeft;
    int Margin = -1; // -1 or more
    int Spacing = 1;

    bool SetNumGlyphs(int count);
    bool SetLayout(TButtonLayout layout);
    bool SetMargin(int margin);
    bool SetSpacing(int spacing);
    // What to draw for the state: the glyph cell of (down, active), pressed when both.
    TGlyphAndText For(std::string_view caption, bool down, bool active, bool enabled) const;
};

// Draws the caption in the canvas' font and the glyph cell (its bottom-left pixel's colour
// left out), or the list's image, placed by PlaceGlyphAndText; the canvas' brush is left
// clear.
void DrawGlyphAndText(TCanvas& canvas, const TRect& rect, const TGlyphAndText& what);

} // namespace tavrik
