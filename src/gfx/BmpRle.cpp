#include "gfx/BmpPixels.h"

#include <algorithm>
#include <cstring>

namespace tavrik {

namespace {

// The escape codes that follow a zero count byte.
enum : uint8_t { kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2 };

void SetNibble(uint8_t* row, int x, unsigned value)
{
    uint8_t& b = row[x >> 1];
    b = (x & 1) ? uint8_t((b & 0xF0) | value) : uint8_t((b & 0x0F) | (value << 4));
}

// Each flavour says how the value of a run and the pixels of a literal are stored, and
// writes n pixels at x (the caller has clipped n to the row).
struct TRle8 {
    static constexpr size_t kRunValueBytes = 1;
    static size_t LiteralBytes(size_t pixels) { return pixels; }
    static size_t PixelsIn(size_t bytes) { return bytes; }
    static void Run(uint8_t* row, int x, int n, const uint8_t* value) { std::memset(row + x, *value, size_t(n)); }
    static void Literal(uint8_t* row, int x, int n, const uint8_t* src) { std::memcpy(row + x, src, size_t(n)); }
};

// Runs alternate the two nibbles of their value byte, starting with the high one.
struct TRle4 {
    static constexpr size_t kRunValueBytes = 1;
    static size_t LiteralBytes(size_t pixels) { return (pixels + 1) / 2; }
    static size_t PixelsIn(size_t bytes) { return bytes * 2; }
    static void Run(uint8_t* row, int x, int n, const uint8_t* value)
    {
        for (int i = 0; i < n; ++i) SetNibble(row, x + i, (i & 1) ? *value & 15u : *value >> 4u);
    }
    static void Literal(uint8_t* row, int x, int n, const uint8_t* src)
    {
        for (int i = 0; i < n; ++i) SetNibble(row, x + i, (i & 1) ? src[i >> 1] & 15u : src[i >> 1] >> 4u);
    }
};

// OS/2 24-bit runs: the value is one blue, green, red pixel.
struct TRle24 {
    static constexpr size_t kRunValueBytes = 3;
    static size_t LiteralBytes(size_t pixels) { return pixels * 3; }
    static size_t PixelsIn(size_t bytes) { return bytes / 3; }
    static void Run(uint8_t* row, int x, int n, const uint8_t* value)
    {
        for (uint8_t* p = row + 3 * size_t(x); n > 0; --n, p += 3) p[0] = value[0], p[1] = value[1], p[2] = value[2];
    }
    static void Literal(uint8_t* row, int x, int n, const uint8_t* src)
    {
        std::memcpy(row + 3 * size_t(x), src, 3 * size_t(n));
    }
};

// The data must reach its end-of-bitmap code, or end the top row with an end of line: a stream
// that stops before either was cut off, and the rows it would still have held are lost.
template <class Format>
void DecodeRuns(const TBmpInfo& info, std::span<const uint8_t> data, TBitmap& out)
{
    const int width = info.width, height = info.height;
    const uint8_t* const bytes = data.data();
    const size_t end = data.size();
    size_t pos = 0;
    int x = 0, line = 0; // line 0 is the bottom row
    auto row = [&] { return out.ScanLine(height - 1 - line); };
    auto clip = [&](size_t n) { return int(std::min(n, size_t(width - x))); };
    auto need = [&](size_t n) {
        if (end - pos < n) ThrowBmpDamaged("its run-length data ends before the end of the picture");
    };
    while (line < height) {
        need(2);
        const uint8_t count = bytes[pos], code = bytes[pos + 1];
        if (count > 0) {
            need(1 + Format::kRunValueBytes);
            int n = clip(count);
            Format::Run(row(), x, n, bytes + pos + 1);
            x += n;
            pos += 1 + Format::kRunValueBytes;
            continue;
        }
        pos += 2;
        if (code == kEndOfLine) {
            x = 0;
            ++line;
        } else if (code == kEndOfBitmap) {
            return;
        } else if (code == kDelta) {
            need(2);
            x += clip(bytes[pos]);
            line += bytes[pos + 1];
            pos += 2;
        } else {
            // A literal of `code` pixels, padded to an even number of bytes; the padding of
            // the last literal may be missing.
            size_t literalBytes = Format::LiteralBytes(code);
            need(literalBytes);
            int n = clip(code);
            Format::Literal(row(), x, n, bytes + pos);
            x += n;
            pos = std::min(end, pos + literalBytes + (literalBytes & 1));
        }
    }
}

} // namespace

void DecodeBmpRle(const TBmpInfo& info, std::span<const uint8_t> pixels, TBitmap& out)
{
    switch (info.encoding) {
    case TBmpEncoding::Rle8: DecodeRuns<TRle8>(info, pixels, out); break;
    case TBmpEncoding::Rle4: DecodeRuns<TRle4>(info, pixels, out); break;
    case TBmpEncoding::Rle24: DecodeRuns<TRle24>(info, pixels, out); break;
    default: break;
    }
}

} // namespace tavrik
