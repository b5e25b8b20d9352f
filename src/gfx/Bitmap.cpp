#include "gfx/Bitmap.h"

#include "core/Exception.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstring>
#include <string>

namespace tavrik {

namespace {

TColor Color555(uint16_t v)
{
    auto expand = [](unsigned five) { return uint8_t((five << 3) | (five >> 2)); };
    return RGB(expand((v >> 10) & 31), expand((v >> 5) & 31), expand(v & 31));
}

uint16_t To555(TColor c)
{
    return uint16_t(((GetRValue(c) >> 3) << 10) | ((GetGValue(c) >> 3) << 5) | (GetBValue(c) >> 3));
}

} // namespace

size_t TBitmap::RowBytesFor(int width, TPixelFormat format)
{
    uint64_t bits = uint64_t(std::max(width, 0)) * uint64_t(BitsPerPixel(format));
    return size_t(((bits + 31) / 32) * 4);
}

uint64_t TBitmap::PixelBytesFor(int width, int height, TPixelFormat format)
{
    if (width < 0 || height < 0) return 0;
    uint64_t bytes = uint64_t(RowBytesFor(width, format)) * uint64_t(height);
    return bytes > kMaxPixelBytes ? 0 : bytes;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : format_(format)
{
    if (IsPaletted(format)) palette_ = DefaultPalette(format);
    SetSize(width, height);
}

void TBitmap::SetSize(int width, int height)
{
    assert(width >= 0 && height >= 0);
    if (width == width_ && height == height_) return;
    uint64_t bytes = PixelBytesFor(width, height, format_);
    if (bytes == 0 && width > 0 && height > 0)
        throw EInvalidGraphic("The picture of " + std::to_string(width) + " x " + std::to_string(height) +
                              " pixels is too large: pictures are limited to 1 GiB of pixel data.");
    size_t rowBytes = RowBytesFor(width, format_);
    TPixelMemory bits{size_t(bytes)};
    size_t keepBytes = std::min(rowBytes, rowBytes_);
    for (int y = 0; keepBytes > 0 && y < std::min(height, height_); ++y)
        std::memcpy(bits.Data() + size_t(y) * rowBytes, ScanLine(y), keepBytes);
    width_ = width;
    height_ = height;
    rowBytes_ = rowBytes;
    bits_ = std::move(bits);
}

TColor TBitmap::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
    const uint8_t* row = ScanLine(y);
    auto paletteColor = [this](unsigned index) {
        return index < palette_.size() ? ColorFromQuad(palette_[index]) : clBlack;
    };
    switch (format_) {
    case TPixelFormat::pf1bit: return paletteColor((row[x >> 3] >> (7 - (x & 7))) & 1);
    case TPixelFormat::pf4bit: return paletteColor((x & 1) ? row[x >> 1] & 15 : row[x >> 1] >> 4);
    case TPixelFormat::pf8bit: return paletteColor(row[x]);
    case TPixelFormat::pf16bit: return Color555(uint16_t(row[2 * x] | (row[2 * x + 1] << 8)));
    case TPixelFormat::pf24bit: return RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case TPixelFormat::pf32bit: return RGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    }
    return clBlack;
}

uint8_t TBitmap::NearestPaletteIndex(TColor color) const
{
    int best = 0;
    int bestDistance = 1 << 30;
    size_t limit = std::min<size_t>(palette_.size(), size_t(1) << BitsPerPixel(format_));
    for (size_t i = 0; i < limit; ++i) {
        int dr = int(palette_[i].rgbRed) - GetRValue(color);
        int dg = int(palette_[i].rgbGreen) - GetGValue(color);
        int db = int(palette_[i].rgbBlue) - GetBValue(color);
        int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = int(i);
            if (distance == 0) break;
        }
    }
    return uint8_t(best);
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* row = ScanLine(y);
    switch (format_) {
    case TPixelFormat::pf1bit: {
        uint8_t mask = uint8_t(0x80 >> (x & 7));
        if (NearestPaletteIndex(color)) row[x >> 3] |= mask;
        else row[x >> 3] &= uint8_t(~mask);
        break;
    }
    case TPixelFormat::pf4bit: {
        uint8_t index = NearestPaletteIndex(color);
        uint8_t& b = row[x >> 1];
        b = (x & 1) ? uint8_t((b & 0xF0) | index) : uint8_t((b & 0x0F) | (index << 4));
        break;
    }
    case TPixelFormat::pf8bit: row[x] = NearestPaletteIndex(color); break;
    case TPixelFormat::pf16bit: {
        uint16_t v = To555(color);
        row[2 * x] = uint8_t(v);
        row[2 * x + 1] = uint8_t(v >> 8);
        break;
    }
    case TPixelFormat::pf24bit:
        row[3 * x] = GetBValue(color), row[3 * x + 1] = GetGValue(color), row[3 * x + 2] = GetRValue(color);
        break;
    case TPixelFormat::pf32bit:
        row[4 * x] = GetBValue(color), row[4 * x + 1] = GetGValue(color), row[4 * x + 2] = GetRValue(color);
        row[4 * x + 3] = 0;
        break;
    }
}

void TBitmap::Fill(TColor color)
{
    if (Empty()) return;
    for (int x = 0; x < width_; ++x) SetPixel(x, 0, color);
    for (int y = 1; y < height_; ++y) std::memcpy(ScanLine(y), ScanLine(0), rowBytes_);
}

TBitmap TBitmap::ToPictureBuffer() const
{
    TBitmap out(width_, height_, TPixelFormat::pf24bit);
    // The colour of every index, black beyond the palette, stored blue, green, red first.
    std::array<TRGBQuad, 256> colors{};
    const bool paletted = IsPaletted(format_);
    if (paletted) std::copy_n(palette_.begin(), std::min<size_t>(palette_.size(), colors.size()), colors.begin());
    const unsigned bits = paletted ? unsigned(BitsPerPixel(format_)) : 0;
    for (int y = 0; y < height_; ++y) {
        uint8_t* dst = out.ScanLine(y);
        const uint8_t* src = ScanLine(y);
        if (format_ == TPixelFormat::pf24bit) {
            std::memcpy(dst, src, size_t(width_) * 3);
        } else if (format_ == TPixelFormat::pf32bit) {
            for (int x = 0; x < width_; ++x, dst += 3, src += 4) dst[0] = src[0], dst[1] = src[1], dst[2] = src[2];
        } else if (format_ == TPixelFormat::pf8bit) {
            for (int x = 0; x < width_; ++x, dst += 3) std::memcpy(dst, &colors[src[x]], 3);
        } else if (paletted) {
            // Indices packed from the high bits of each byte down.
            const unsigned mask = (1u << bits) - 1;
            for (size_t x = 0, bit = 0; x < size_t(width_); ++x, bit += bits, dst += 3)
                std::memcpy(dst, &colors[(src[bit >> 3] >> (8 - bits - (bit & 7))) & mask], 3);
        } else {
            for (int x = 0; x < width_; ++x, dst += 3) {
                TColor c = GetPixel(x, y);
                dst[0] = GetBValue(c), dst[1] = GetGValue(c), dst[2] = GetRValue(c);
            }
        }
    }
    return out;
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == format_) return;
    TBitmap converted(width_, height_, format);
    if (IsPaletted(format) && palette_.size() && IsPaletted(format_) && BitsPerPixel(format_) <= BitsPerPixel(format))
        converted.palette_ = palette_;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) converted.SetPixel(x, y, GetPixel(x, y));
    *this = std::move(converted);
}

std::vector<TRGBQuad> DefaultPalette(TPixelFormat format)
{
    static const TColor vga[16] = {clBlack, clMaroon, clGreen, clOlive, clNavy,   clPurple, clTeal, clSilver,
                                   clGray,  clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
    std::vector<TRGBQuad> palette;
    switch (format) {
    case TPixelFormat::pf1bit:
        palette = {QuadFromColor(clBlack), QuadFromColor(clWhite)};
        break;
    case TPixelFormat::pf4bit:
        for (TColor c : vga) palette.push_back(QuadFromColor(c));
        break;
    case TPixelFormat::pf8bit:
        for (TColor c : vga) palette.push_back(QuadFromColor(c));
        for (int r = 0; r < 6; ++r)
            for (int g = 0; g < 6; ++g)
                for (int b = 0; b < 6; ++b)
                    palette.push_back(QuadFromColor(RGB(uint8_t(r * 51), uint8_t(g * 51), uint8_t(b * 51))));
        for (int i = 0; palette.size() < 256; ++i) {
            uint8_t v = uint8_t(8 + i * 10);
            palette.push_back(QuadFromColor(RGB(v, v, v)));
        }
        break;
    default:
        break;
    }
    return palette;
}

} // namespace tavrik
