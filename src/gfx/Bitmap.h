#pragma once

#include "core/Color.h"
#include "gfx/PixelMemory.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavrik {

enum class TPixelFormat : uint8_t {
    pf1bit = 1,
    pf4bit = 4,
    pf8bit = 8,
    pf16bit = 16, // x1r5g5b5, little endian
    pf24bit = 24, // blue, green, red
    pf32bit = 32, // blue, green, red, unused
};

constexpr int BitsPerPixel(TPixelFormat format) { return int(format); }
constexpr bool IsPaletted(TPixelFormat format) { return BitsPerPixel(format) <= 8; }

struct TRGBQuad {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;

    friend bool operator==(const TRGBQuad&, const TRGBQuad&) = default;
};

constexpr TRGBQuad QuadFromColor(TColor c) { return {GetBValue(c), GetGValue(c), GetRValue(c), 0}; }
constexpr TColor ColorFromQuad(TRGBQuad q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }

// A device-independent bitmap: rows top to bottom, each padded to a multiple of 4 bytes.
// A 24-bit TBitmap is the program's picture buffer. Pixel memory is capped at
// kMaxPixelBytes; asking for more throws EInvalidGraphic, so a lying file header can never
// make us allocate unbounded memory.
class TBitmap {
public:
    static constexpr uint64_t kMaxPixelBytes = uint64_t(1) << 30;

    TBitmap() = default;
    TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TPixelFormat PixelFormat() const { return format_; }

    // Keeps the pixels of the area both sizes share; new pixels are 0.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    // Converts the pixels to the new format. Paletted targets take the nearest palette entry
    // (the default palette of that depth unless one is set).
    void SetPixelFormat(TPixelFormat format);

    static size_t RowBytesFor(int width, TPixelFormat format);
    // Bytes needed for the pixels of a bitmap of this size, or 0 when it exceeds the cap.
    static uint64_t PixelBytesFor(int width, int height, TPixelFormat format);

    size_t RowBytes() const { return rowBytes_; }
    uint8_t* ScanLine(int y) { return bits_.Data() + size_t(y) * rowBytes_; }
    const uint8_t* ScanLine(int y) const { return bits_.Data() + size_t(y) * rowBytes_; }
    uint8_t* Bits() { return bits_.Data(); }
    const uint8_t* Bits() const { return bits_.Data(); }
    size_t SizeBytes() const { return bits_.Size(); }

    // Only paletted formats have a palette; it may be shorter than 2^bits entries, and
    // indices beyond its end read as black.
    const std::vector<TRGBQuad>& Palette() const { return palette_; }
    void SetPalette(std::vector<TRGBQuad> palette) { palette_ = std::move(palette); }

    // Slow per-pixel access for any format; coordinates outside the bitmap read as clBlack
    // and are ignored on write.
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    void Fill(TColor color);

    // A new 24-bit copy of this bitmap.
    TBitmap ToPictureBuffer() const;

    friend bool operator==(const TBitmap&, const TBitmap&) = default;

private:
    uint8_t NearestPaletteIndex(TColor color) const;

    int width_ = 0;
    int height_ = 0;
    TPixelFormat format_ = TPixelFormat::pf24bit;
    size_t rowBytes_ = 0;
    TPixelMemory bits_;
    std::vector<TRGBQuad> palette_;
};

// The palette a paletted bitmap gets when none is given: black and white for 1 bit, the
// sixteen VGA colours for 4 bits, and for 8 bits the sixteen VGA colours followed by a
// 6 x 6 x 6 colour cube and a gray ramp.
std::vector<TRGBQuad> DefaultPalette(TPixelFormat format);

} // namespace tavrik
