#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>

namespace tavrik {

class TCanvas;

// One 24-bit pixel as stored: blue, green, red.
struct TEffectPixel {
    uint8_t Blue = 0;
    uint8_t Green = 0;
    uint8_t Red = 0;

    friend bool operator==(const TEffectPixel&, const TEffectPixel&) = default;
};

// The working picture of state morphs and of the inactive-frame effects: a 24-bit copy of a
// picture, rows top first, each pixel blue, green, red. It holds no timing; the element that
// morphs owns the timer and the morph factor.
//
// The morphs replace this image (the element's normal image, A) by a mix with a second image
// of the same size (the active image, B) at factor k: k = 0 shows A, k = 1 shows B or the
// morph's last step. A second image of another size leaves this one unchanged.
class TbsEffectBmp {
public:
    TbsEffectBmp(int width, int height);
    explicit TbsEffectBmp(const TBitmap& picture);

    int Width() const { return pixels_.Width(); }
    int Height() const { return pixels_.Height(); }
    int RowStride() const { return int(pixels_.RowBytes()); }
    int Size() const { return int(pixels_.SizeBytes()); }
    const TBitmap& Bitmap() const { return pixels_; }

    // The whole image copied unscaled with its top-left at (x, y).
    void Draw(TCanvas& canvas, int x, int y) const;

    // Coordinates outside the image read as black and are ignored on write.
    TEffectPixel GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TEffectPixel value);
    // buffer holds Width() * 3 bytes; rows outside the image are ignored.
    void GetLine(int row, uint8_t* buffer) const;
    void SetLine(int row, const uint8_t* buffer);
    uint8_t* LineAddress(int row) { return pixels_.ScanLine(row); }

    void MorphBlend(const TbsEffectBmp& b, double k);
    void MorphCenterGradient(const TbsEffectBmp& b, double k);
    void MorphLeftGradient(const TbsEffectBmp& b, double k);
    void MorphRightGradient(const TbsEffectBmp& b, double k);
    void MorphLeftSlide(const TbsEffectBmp& b, double k);
    void MorphRightSlide(const TbsEffectBmp& b, double k);
    void MorphPush(const TbsEffectBmp& b, double k);
    // The morph a skin's morph kind selects, by its ordinal 0 to 6 (others blend).
    void Morph(int morphKind, const TbsEffectBmp& b, double k);

    void ApplyBrightness(double k);
    void ApplyDarkness(double k);
    void ApplyGrayScale();
    void ApplyInvert();
    // Adds the same pseudo-random offset from -(amount div 2) to amount - 1 - amount div 2 to
    // the three channels of each pixel. The sequence follows from seed, so a frame drawn
    // twice looks the same.
    void ApplyNoise(int amount, uint32_t seed = 0x2545F491u);
    void ApplySplitBlur(int amount);
    // The inactive-frame effect a skin's effect ordinal 0 to 5 selects, with its fixed
    // parameter; other ordinals do nothing.
    void ApplyInactiveEffect(int effect);

    // target becomes Height() x Width() and receives this image turned a quarter to the left
    // (counter-clockwise) or to the right.
    void RotateLeft(TbsEffectBmp& target) const;
    void RotateRight(TbsEffectBmp& target) const;

private:
    bool SameSize(const TbsEffectBmp& b) const { return b.Width() == Width() && b.Height() == Height(); }
    uint8_t* PixelAddress(int x, int y) { return pixels_.ScanLine(y) + 3 * size_t(x); }
    const uint8_t* PixelAddress(int x, int y) const { return pixels_.ScanLine(y) + 3 * size_t(x); }
    // Mixes column (or row) index j of A and B with weight w over every row (or column).
    void MixColumn(const TbsEffectBmp& b, int column, double w);
    void MixRow(const TbsEffectBmp& b, int row, double w);
    void CopyColumnFrom(const TbsEffectBmp& from, int fromColumn, int toColumn);
    void CenterGradientColumns(const TbsEffectBmp& b, double k);
    void CenterGradientRows(const TbsEffectBmp& b, double k);

    TBitmap pixels_;
};

} // namespace tavrik
