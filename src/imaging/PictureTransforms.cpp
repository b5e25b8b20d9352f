#include "imaging/PictureTransforms.h"

#include <algorithm>
#include <cstring>

namespace tavrik {

namespace {

const TBitmap& AsPictureBuffer(const TBitmap& picture, TBitmap& converted)
{
    if (picture.PixelFormat() == TPixelFormat::pf24bit) return picture;
    converted = picture.ToPictureBuffer();
    return converted;
}

// Square tiles keep both the rows read and the rows written in cache for large pictures.
constexpr int kTile = 64;

void RotateTile(const TBitmap& source, TBitmap& target, int x0, int y0)
{
    const int height = source.Height();
    const int x1 = std::min(x0 + kTile, source.Width());
    const int y1 = std::min(y0 + kTile, height);
    for (int y = y0; y < y1; ++y) {
        const uint8_t* src = source.ScanLine(y) + 3 * x0;
        const int targetX = height - 1 - y;
        for (int x = x0; x < x1; ++x, src += 3) std::memcpy(target.ScanLine(x) + 3 * targetX, src, 3);
    }
}

} // namespace

void FlipHorz(TBitmap& picture)
{
    TBitmap converted;
    const TBitmap& source = AsPictureBuffer(picture, converted);
    const int width = source.Width();
    TBitmap flipped(width, source.Height());
    for (int y = 0; width > 0 && y < source.Height(); ++y) {
        const uint8_t* src = source.ScanLine(y);
        uint8_t* dst = flipped.ScanLine(y) + 3 * (width - 1);
        for (int x = 0; x < width; ++x, src += 3, dst -= 3) std::memcpy(dst, src, 3);
    }
    picture = std::move(flipped);
}

void Rotate90(TBitmap& picture)
{
    TBitmap converted;
    const TBitmap& source = AsPictureBuffer(picture, converted);
    TBitmap rotated(source.Height(), source.Width());
    for (int y0 = 0; y0 < source.Height(); y0 += kTile)
        for (int x0 = 0; x0 < source.Width(); x0 += kTile) RotateTile(source, rotated, x0, y0);
    picture = std::move(rotated);
}

} // namespace tavrik
