#pragma once

#include "core/Color.h"
#include "gfx/Bitmap.h"
#include "ui/Component.h"

#include <vector>

namespace tavrik {

class TCanvas;

// Small pictures of one size (16 x 16 unless set otherwise before the first is added), kept
// with their transparency as 32-bit bitmaps with alpha.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner);
    const char* ClassName() const override { return "TImageList"; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Clears the list when the size changes.
    void SetSize(int width, int height);
    int Count() const { return int(images_.size()); }
    // The colour drawn beneath each image, so that its transparent pixels show it instead of
    // the surface (a list matched to a control's background); clNone lets the surface show.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color) { bkColor_ = color; }

    // Cuts the bitmap into images of the list's size, left to right (a bitmap narrower than
    // one image gives one image, the rest transparent); pixels of maskColor become
    // transparent (clDefault: the colour of the bottom-left pixel; clNone: none). Answers the
    // index of the first image added.
    int AddMasked(const TBitmap& bitmap, TColor maskColor);
    // As AddMasked, with a 32-bit bitmap's own alpha (other depths: opaque).
    int Add(const TBitmap& bitmap);
    void Delete(int index);
    void Clear();

    // The image with its alpha; an empty bitmap for an index out of range.
    TBitmap GetBitmap(int index) const;
    // Draws image `index` with its top-left at (x, y); a disabled image is drawn greyed out.
    // An index out of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

private:
    int AddCells(const TBitmap& bitmap, TColor key, bool keyed);

    int width_ = 16;
    int height_ = 16;
    TColor bkColor_ = clNone;
    std::vector<TBitmap> images_;
};

} // namespace tavrik
