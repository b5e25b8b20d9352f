#include "gfx/PixelOps.h"

#include <cstring>
#include <vector>

namespace tavrik::pixels {

namespace {

uint32_t Expand555(unsigned v)
{
    auto expand = [](unsigned five) { return (five << 3) | (five >> 2); };
    return expand(v & 31) | expand((v >> 5) & 31) << 8 | expand((v >> 10) & 31) << 16;
}

uint16_t Pack555(uint32_t v)
{
    return uint16_t(((v >> 19) & 31) << 10 | ((v >> 11) & 31) << 5 | ((v >> 3) & 31));
}

} // namespace

TPaletteLut PaletteLut(const TBitmap& bitmap)
{
    TPaletteLut lut{};
    const auto& palette = bitmap.Palette();
    for (size_t i = 0; i < palette.size() && i < lut.size(); ++i) lut[i] = FromColor(ColorFromQuad(palette[i]));
    return lut;
}

void ReadRow(const TBitmap& bitmap, int y, int x0, int x1, uint32_t* out, const TPaletteLut* lut)
{
    const uint8_t* row = bitmap.ScanLine(y);
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf32bit:
        for (int x = x0; x < x1; ++x) {
            uint32_t v;
            std::memcpy(&v, row + 4 * x, 4);
            *out++ = v & kRgbMask;
        }
        break;
    case TPixelFormat::pf24bit: {
        // Four-byte loads with the fourth byte masked off; the last pixel is read bytewise
        // because its fourth byte may lie past the end of the bitmap.
        const uint8_t* p = row + 3 * x0;
        for (int x = x0; x < x1 - 1; ++x, p += 3) {
            uint32_t v;
            std::memcpy(&v, p, 4);
            *out++ = v & kRgbMask;
        }
        if (x1 > x0) *out = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16;
        break;
    }
    case TPixelFormat::pf16bit:
        for (int x = x0; x < x1; ++x) *out++ = Expand555(unsigned(row[2 * x] | row[2 * x + 1] << 8));
        break;
    case TPixelFormat::pf8bit:
        for (int x = x0; x < x1; ++x) *out++ = (*lut)[row[x]];
        break;
    case TPixelFormat::pf4bit:
        for (int x = x0; x < x1; ++x) *out++ = (*lut)[(x & 1) ? row[x >> 1] & 15 : row[x >> 1] >> 4];
        break;
    case TPixelFormat::pf1bit:
        for (int x = x0; x < x1; ++x) *out++ = (*lut)[(row[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    }
}

void WriteRow(TBitmap& bitmap, int y, int x0, int x1, const uint32_t* in)
{
    uint8_t* row = bitmap.ScanLine(y);
    switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf32bit:
        std::memcpy(row + 4 * x0, in, size_t(x1 - x0) * 4);
        break;
    case TPixelFormat::pf24bit:
        for (uint8_t* p = row + 3 * x0; p < row + 3 * x1; p += 3, ++in)
            p[0] = uint8_t(*in), p[1] = uint8_t(*in >> 8), p[2] = uint8_t(*in >> 16);
        break;
    case TPixelFormat::pf16bit:
        for (int x = x0; x < x1; ++x, ++in) {
            uint16_t v = Pack555(*in);
            row[2 * x] = uint8_t(v), row[2 * x + 1] = uint8_t(v >> 8);
        }
        break;
    default:
        // Paletted targets are rare (masks, icons being built); the nearest-entry search of
        // SetPixel is fine for them.
        for (int x = x0; x < x1; ++x, ++in) bitmap.SetPixel(x, y, ToColor(*in));
        break;
    }
}

void FillRect(TBitmap& bitmap, int x0, int y0, int x1, int y1, uint32_t value)
{
    if (x0 >= x1 || y0 >= y1) return;
    value &= kRgbMask;
    // The first row is written once; the others are byte copies of it, which is as fast as
    // filling gets.
    std::vector<uint32_t> pattern(size_t(x1 - x0), value);
    WriteRow(bitmap, y0, x0, x1, pattern.data());
    size_t bytes = size_t(WholeBytesPerPixel(bitmap.PixelFormat()));
    if (bytes == 0) {
        for (int y = y0 + 1; y < y1; ++y) WriteRow(bitmap, y, x0, x1, pattern.data());
        return;
    }
    const uint8_t* first = bitmap.ScanLine(y0) + size_t(x0) * bytes;
    size_t length = size_t(x1 - x0) * bytes;
    for (int y = y0 + 1; y < y1; ++y) std::memcpy(bitmap.ScanLine(y) + size_t(x0) * bytes, first, length);
}

} // namespace tavrik::pixels
