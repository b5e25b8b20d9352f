#include "gfx/BmpFile.h"

#include "core/FileIO.h"
#include "gfx/BmpInfo.h"
#include "gfx/BmpPixels.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tavrik {

namespace {

constexpr uint32_t kWrittenHeadersBytes = 14 + 40;
constexpr uint32_t kPixelsPerMeter96Dpi = 3780;

void PutLE16(uint8_t* p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

void PutLE32(uint8_t* p, uint32_t v)
{
    PutLE16(p, uint16_t(v));
    PutLE16(p + 2, uint16_t(v >> 16));
}

// A paletted bitmap without palette entries is written with a full black palette, which is
// what its pixels look like.
std::vector<TRGBQuad> PaletteToWrite(const TBitmap& bitmap)
{
    if (!IsPaletted(bitmap.PixelFormat())) return {};
    const size_t full = size_t(1) << BitsPerPixel(bitmap.PixelFormat());
    if (bitmap.Palette().empty()) return std::vector<TRGBQuad>(full);
    std::vector<TRGBQuad> palette(bitmap.Palette().begin(),
                                  bitmap.Palette().begin() + ptrdiff_t(std::min(full, bitmap.Palette().size())));
    return palette;
}

} // namespace

TBitmap ReadBmp(std::span<const uint8_t> data)
{
    TBmpInfo info = ParseBmpInfo(data);
    return DecodeBmpPixels(info, data.subspan(info.pixelOffset));
}

TBitmap ReadBmpFile(const std::string& path)
{
    return ReadBmp(ReadFileBytes(path));
}

std::vector<uint8_t> WriteBmp(const TBitmap& bitmap)
{
    const std::vector<TRGBQuad> palette = PaletteToWrite(bitmap);
    const bool fullPalette = palette.size() == (size_t(1) << BitsPerPixel(bitmap.PixelFormat()));
    const size_t rowBytes = bitmap.RowBytes();
    const size_t imageBytes = rowBytes * size_t(bitmap.Height());
    const uint32_t pixelOffset = kWrittenHeadersBytes + uint32_t(4 * palette.size());

    std::array<uint8_t, kWrittenHeadersBytes> headers{};
    uint8_t* h = headers.data();
    h[0] = 'B', h[1] = 'M';
    PutLE32(h + 2, uint32_t(pixelOffset + imageBytes));
    PutLE32(h + 10, pixelOffset);
    PutLE32(h + 14, 40);
    PutLE32(h + 18, uint32_t(bitmap.Width()));
    PutLE32(h + 22, uint32_t(bitmap.Height()));
    PutLE16(h + 26, 1);
    PutLE16(h + 28, uint16_t(BitsPerPixel(bitmap.PixelFormat())));
    PutLE32(h + 34, uint32_t(imageBytes));
    PutLE32(h + 38, kPixelsPerMeter96Dpi);
    PutLE32(h + 42, kPixelsPerMeter96Dpi);
    PutLE32(h + 46, fullPalette ? 0 : uint32_t(palette.size()));

    std::vector<uint8_t> file(headers.begin(), headers.end());
    file.reserve(pixelOffset + imageBytes);
    for (const TRGBQuad& q : palette) file.insert(file.end(), {q.rgbBlue, q.rgbGreen, q.rgbRed, 0});
    for (int y = bitmap.Height() - 1; y >= 0; --y)
        file.insert(file.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + rowBytes);
    return file;
}

void WriteBmpFile(const TBitmap& bitmap, const std::string& path)
{
    WriteFileAtomically(path, WriteBmp(bitmap));
}

} // namespace tavrik
