#pragma once

#include "gfx/Bitmap.h"

#include <algorithm>
#include <array>
#include <cstdint>

// Row-level pixel access shared by the canvas' drawing paths. Pixels travel as 0x00RRGGBB
// values (the byte order of a 32-bit bitmap in memory: blue, green, red, unused), so that
// 24- and 32-bit rows convert with plain byte moves.
namespace tavrik::pixels {

constexpr uint32_t kRgbMask = 0x00FFFFFF;

constexpr uint32_t FromColor(TColor c)
{
    return uint32_t(GetBValue(c)) | uint32_t(GetGValue(c)) << 8 | uint32_t(GetRValue(c)) << 16;
}
constexpr TColor ToColor(uint32_t v) { return RGB(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)); }

using TPaletteLut = std::array<uint32_t, 256>;
// Pixel values of a paletted bitmap's indices; entries beyond the palette read as black.
TPaletteLut PaletteLut(const TBitmap& bitmap);

// Reads pixels x0 to x1 - 1 of row y, which must lie inside the bitmap. lut is needed for
// paletted bitmaps only.
void ReadRow(const TBitmap& bitmap, int y, int x0, int x1, uint32_t* out, const TPaletteLut* lut);
// Writes pixels x0 to x1 - 1 of row y; paletted targets take the nearest palette entry.
void WriteRow(TBitmap& bitmap, int y, int x0, int x1, const uint32_t* in);
// Fills every row of the rectangle, which must lie inside the bitmap, with one value.
void FillRect(TBitmap& bitmap, int x0, int y0, int x1, int y1, uint32_t value);
// Whether rows of this format can be copied byte for byte and addressed as x * bytes.
constexpr bool IsDirect(TPixelFormat f) { return f == TPixelFormat::pf24bit || f == TPixelFormat::pf32bit; }
// Bytes per pixel of formats whose pixels are whole bytes; 0 for 1- and 4-bit rows.
constexpr int WholeBytesPerPixel(TPixelFormat f) { return BitsPerPixel(f) >= 8 ? BitsPerPixel(f) / 8 : 0; }

// Mixes value into dst with coverage 0 (dst kept) to 255 (value), channel by channel.
inline uint32_t Blend(uint32_t dst, uint32_t value, unsigned coverage)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned d = (dst >> shift) & 255, v = (value >> shift) & 255;
        out |= ((d * (255 - coverage) + v * coverage + 127) / 255) << shift;
    }
    return out;
}

} // namespace tavrik::pixels

namespace tavrik::pixels {

// Replaces pixels x0 to x1 - 1 of row y by op(pixel value), in chunks, for any format.
template <typename Op>
void TransformRow(TBitmap& bitmap, int y, int x0, int x1, Op op)
{
    constexpr int kChunk = 256;
    uint32_t buffer[kChunk];
    TPaletteLut lut{};
    if (IsPaletted(bitmap.PixelFormat())) lut = PaletteLut(bitmap);
    for (int from = x0; from < x1; from += kChunk) {
        int to = std::min(x1, from + kChunk);
        ReadRow(bitmap, y, from, to, buffer, &lut);
        for (int i = 0; i < to - from; ++i) buffer[i] = op(buffer[i]) & kRgbMask;
        WriteRow(bitmap, y, from, to, buffer);
    }
}

} // namespace tavrik::pixels
