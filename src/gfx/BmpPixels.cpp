#include "gfx/BmpPixels.h"

#include "core/Exception.h"

#include <cstring>
#include <string>
#include <vector>

namespace tavrik {

namespace {

// Scales a channel of any width to 8 bits as round(v * 255 / max), so that the brightest
// value of every width is 255 and the steps are even.
class TChannelScaler {
public:
    explicit TChannelScaler(const TChannelMask& channel) : channel_(channel), max_((uint64_t(1) << channel.bits) - 1)
    {
        if (channel.bits == 0 || channel.bits > kMaxTableBits) return;
        table_.resize(size_t(max_) + 1);
        for (uint64_t v = 0; v <= max_; ++v) table_[size_t(v)] = Scale(v);
    }

    uint8_t operator()(uint32_t pixel) const
    {
        if (channel_.bits == 0) return 0;
        uint32_t v = (pixel & channel_.mask) >> channel_.shift;
        return table_.empty() ? Scale(v) : table_[v];
    }

private:
    static constexpr int kMaxTableBits = 16;

    uint8_t Scale(uint64_t v) const { return uint8_t((2 * v * 255 + max_) / (2 * max_)); }

    TChannelMask channel_;
    uint64_t max_;
    std::vector<uint8_t> table_;
};

// 32-bit pixels whose channels are whole bytes, as nearly all of them are.
bool ChannelsAreBytes(const TBmpInfo& info)
{
    for (const TChannelMask* c : {&info.red, &info.green, &info.blue})
        if (c->bits != 8 || c->shift % 8 != 0) return false;
    return true;
}

template <class ConvertRow>
void ConvertRows(const TBmpInfo& info, const uint8_t* pixels, TBitmap& out, ConvertRow convertRow)
{
    const size_t sourceRowBytes = size_t(info.SourceRowBytes());
    for (int row = 0; row < info.height; ++row) {
        int y = info.topDown ? row : info.height - 1 - row;
        convertRow(pixels + size_t(row) * sourceRowBytes, out.ScanLine(y));
    }
}

// Palette indices are stored as we keep them; the bits after the last pixel are cleared so
// that the row padding stays zero.
void CopyPackedRows(const TBmpInfo& info, const uint8_t* pixels, TBitmap& out)
{
    const uint64_t rowBits = uint64_t(info.width) * uint64_t(info.bitCount);
    const size_t usedBytes = size_t((rowBits + 7) / 8);
    const uint8_t lastByteMask = uint8_t(0xFF << ((8 - rowBits % 8) % 8));
    ConvertRows(info, pixels, out, [&](const uint8_t* src, uint8_t* dst) {
        std::memcpy(dst, src, usedBytes);
        dst[usedBytes - 1] &= lastByteMask;
    });
}

// Two-bit indices are widened to four bits, which TBitmap has.
void WidenTwoBitRows(const TBmpInfo& info, const uint8_t* pixels, TBitmap& out)
{
    ConvertRows(info, pixels, out, [&](const uint8_t* src, uint8_t* dst) {
        for (int x = 0; x < info.width; ++x) {
            unsigned index = (src[x >> 2] >> (6 - 2 * (x & 3))) & 3;
            dst[x >> 1] |= uint8_t((x & 1) ? index : index << 4);
        }
    });
}

void CopyRgbRows(const TBmpInfo& info, const uint8_t* pixels, TBitmap& out)
{
    const size_t usedBytes = size_t(info.width) * 3;
    ConvertRows(info, pixels, out, [&](const uint8_t* src, uint8_t* dst) { std::memcpy(dst, src, usedBytes); });
}

void PickBytesOf32BitRows(const TBmpInfo& info, const uint8_t* pixels, TBitmap& out)
{
    const int width = info.width;
    const int r = info.red.shift / 8, g = info.green.shift / 8, b = info.blue.shift / 8;
    if (r == 2 && g == 1 && b == 0) {
        ConvertRows(info, pixels, out, [&](const uint8_t* src, uint8_t* dst) {
            for (int x = 0; x < width; ++x, src += 4, dst += 3) dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
        });
        return;
    }
    ConvertRows(info, pixels, out, [&](const uint8_t* src, uint8_t* dst) {
        for (int x = 0; x < width; ++x, src += 4, dst += 3) dst[0] = src[b], dst[1] = src[g], dst[2] = src[r];
    });
}

void ScaleMaskedRows(const TBmpInfo& info, const uint8_t* pixels, TBitmap& out)
{
    const TChannelScaler red(info.red), green(info.green), blue(info.blue);
    const int width = info.width;
    const bool wide = info.bitCount == 32;
    ConvertRows(info, pixels, out, [&](const uint8_t* src, uint8_t* dst) {
        for (int x = 0; x < width; ++x, dst += 3) {
            uint32_t pixel = wide ? ReadLE32(src + 4 * size_t(x)) : ReadLE16(src + 2 * size_t(x));
            dst[0] = blue(pixel), dst[1] = green(pixel), dst[2] = red(pixel);
        }
    });
}

void CheckRowsPresent(const TBmpInfo& info, size_t available)
{
    uint64_t lastRowBytes = (uint64_t(info.width) * uint64_t(info.bitCount) + 7) / 8;
    uint64_t needed = info.SourceRowBytes() * uint64_t(info.height - 1) + lastRowBytes;
    if (needed > available) ThrowBmpDamaged("it ends before its pixel data is complete");
}

void CheckSizeCap(const TBmpInfo& info)
{
    if (TBitmap::PixelBytesFor(info.width, info.height, info.OutputFormat()) == 0)
        throw EInvalidGraphic("The bitmap of " + std::to_string(info.width) + " x " + std::to_string(info.height) +
                              " pixels is too large: pictures are limited to 1 GiB of pixel data.");
}

TBitmap AllocatePicture(const TBmpInfo& info, int width, int height)
{
    TPixelFormat format = info.OutputFormat();
    TBitmap out(width, height, format);
    if (IsPaletted(format)) out.SetPalette(info.palette);
    return out;
}

} // namespace

TBitmap DecodeBmpPixels(const TBmpInfo& info, std::span<const uint8_t> pixels)
{
    if (info.Empty()) return AllocatePicture(info, 0, 0);
    const bool runLength = info.encoding == TBmpEncoding::Rle8 || info.encoding == TBmpEncoding::Rle4 ||
                           info.encoding == TBmpEncoding::Rle24;
    // Checked before allocating, so that a header that lies about the size costs nothing.
    CheckSizeCap(info);
    if (!runLength) CheckRowsPresent(info, pixels.size());
    TBitmap out = AllocatePicture(info, info.width, info.height);
    if (runLength) {
        DecodeBmpRle(info, pixels, out);
        return out;
    }
    switch (info.bitCount) {
    case 1:
    case 4:
    case 8: CopyPackedRows(info, pixels.data(), out); break;
    case 2: WidenTwoBitRows(info, pixels.data(), out); break;
    case 24: CopyRgbRows(info, pixels.data(), out); break;
    case 32:
        if (ChannelsAreBytes(info)) PickBytesOf32BitRows(info, pixels.data(), out);
        else ScaleMaskedRows(info, pixels.data(), out);
        break;
    default: ScaleMaskedRows(info, pixels.data(), out); break;
    }
    return out;
}

} // namespace tavrik
