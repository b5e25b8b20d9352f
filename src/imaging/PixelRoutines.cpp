#include "imaging/PixelRoutines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

namespace tavrik {

namespace {

using TByteTable = std::array<uint8_t, 256>;

void EnsurePictureBuffer(TBitmap& picture)
{
    if (picture.PixelFormat() != TPixelFormat::pf24bit) picture = picture.ToPictureBuffer();
}

const TBitmap& PreparePreview(const TBitmap& source, TBitmap& target, TBitmap& converted)
{
    const TBitmap* from = &source;
    if (source.PixelFormat() != TPixelFormat::pf24bit) {
        converted = source.ToPictureBuffer();
        from = &converted;
    }
    if (target.Width() != from->Width() || target.Height() != from->Height() ||
        target.PixelFormat() != TPixelFormat::pf24bit)
        target = TBitmap(from->Width(), from->Height());
    return *from;
}

// Runs rowFn(sourceRow, targetRow, width) over every row, telling the sink after each one.
template <class TRowFn>
void ForEachRow(const TBitmap& source, TBitmap& target, TProgressSink* progress, TRowFn rowFn)
{
    for (int y = 0; y < source.Height(); ++y) {
        rowFn(source.ScanLine(y), target.ScanLine(y), source.Width());
        if (progress) progress->SetPosition(y);
    }
}

uint8_t ClampByte(int64_t v) { return uint8_t(std::clamp<int64_t>(v, 0, 255)); }

TByteTable ContrastTable(int amount)
{
    TByteTable table{};
    for (int c = 0; c < 256; ++c) {
        if (amount > 0) {
            int64_t h = amount / 2;
            table[size_t(c)] = c >= 128 ? ClampByte(c + h) : ClampByte(c - h);
        } else {
            int64_t d = int64_t(std::abs(127 - c)) * amount / 255; // 0 or negative, truncated
            table[size_t(c)] = ClampByte(c > 127 ? c + d : c - d);
        }
    }
    return table;
}

TByteTable ShiftTable(int shift)
{
    TByteTable table{};
    for (int c = 0; c < 256; ++c) table[size_t(c)] = ClampByte(int64_t(c) + shift);
    return table;
}

// The saturation arithmetic keeps 16-bit weights and 32-bit gray levels, but the result is
// taken modulo 256, so only the low 8 bits of both tables matter: weight[i] is bits 8..15
// of the 32-bit product i * amount, gray[s] is (s div 3 - weight[s div 3]) modulo 256.
struct TSaturationTables {
    TByteTable weight{};
    std::array<uint8_t, 766> gray{};

    explicit TSaturationTables(int amount)
    {
        for (int i = 0; i < 256; ++i) {
            uint32_t product = uint32_t(int64_t(i) * amount);
            weight[size_t(i)] = uint8_t(product >> 8);
        }
        for (int s = 0; s < 766; ++s) gray[size_t(s)] = uint8_t(s / 3 - weight[size_t(s / 3)]);
    }

    void MapRow(const uint8_t* src, uint8_t* dst, int width) const
    {
        for (int x = 0; x < width; ++x, src += 3, dst += 3) {
            unsigned b = src[0], g = src[1], r = src[2];
            uint8_t level = gray[b + g + r];
            dst[0] = uint8_t(level + weight[b]);
            dst[1] = uint8_t(level + weight[g]);
            dst[2] = uint8_t(level + weight[r]);
        }
    }
};

struct TShiftTables {
    TByteTable blue, green, red;

    TShiftTables(int r, int g, int b) : blue(ShiftTable(b)), green(ShiftTable(g)), red(ShiftTable(r)) {}

    void MapRow(const uint8_t* src, uint8_t* dst, int width) const
    {
        for (int x = 0; x < width; ++x, src += 3, dst += 3) {
            uint8_t b = blue[src[0]], g = green[src[1]], r = red[src[2]];
            dst[0] = b;
            dst[1] = g;
            dst[2] = r;
        }
    }
};

} // namespace

void ApplyContrast(TBitmap& picture, int amount)
{
    EnsurePictureBuffer(picture);
    const TByteTable table = ContrastTable(amount);
    ForEachRow(picture, picture, nullptr, [&table](const uint8_t* src, uint8_t* dst, int width) {
        for (int i = 0; i < 3 * width; ++i) dst[i] = table[src[i]];
    });
}

void ApplySaturation(TBitmap& picture, int amount, TProgressSink* progress)
{
    EnsurePictureBuffer(picture);
    const TSaturationTables tables(amount);
    if (progress) {
        progress->SetPosition(0);
        progress->SetMax(picture.Height() - 1);
    }
    ForEachRow(picture, picture, progress,
               [&tables](const uint8_t* src, uint8_t* dst, int width) { tables.MapRow(src, dst, width); });
}

void PreviewSaturation(const TBitmap& source, TBitmap& target, int amount)
{
    TBitmap converted;
    const TBitmap& from = PreparePreview(source, target, converted);
    const TSaturationTables tables(amount);
    ForEachRow(from, target, nullptr,
               [&tables](const uint8_t* src, uint8_t* dst, int width) { tables.MapRow(src, dst, width); });
}

void ApplyRGB(TBitmap& picture, int red, int green, int blue, TProgressSink* progress)
{
    EnsurePictureBuffer(picture);
    const TShiftTables tables(red, green, blue);
    if (progress) progress->SetMax(picture.Height() - 1);
    ForEachRow(picture, picture, progress,
               [&tables](const uint8_t* src, uint8_t* dst, int width) { tables.MapRow(src, dst, width); });
}

void PreviewRGB(const TBitmap& source, TBitmap& target, int red, int green, int blue)
{
    TBitmap converted;
    const TBitmap& from = PreparePreview(source, target, converted);
    const TShiftTables tables(red, green, blue);
    ForEachRow(from, target, nullptr,
               [&tables](const uint8_t* src, uint8_t* dst, int width) { tables.MapRow(src, dst, width); });
}

} // namespace tavrik
