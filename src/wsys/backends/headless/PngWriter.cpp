#include "wsys/backends/headless/PngWriter.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "gfx/Bitmap.h"

#include <zlib.h>

namespace tavrik {

namespace {

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data)
{
    PutBigEndian32(out, uint32_t(data.size()));
    size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, out.data() + typeAt, uInt(out.size() - typeAt));
    PutBigEndian32(out, uint32_t(crc));
}

// Each row: filter byte 0, then red, green, blue and, with withAlpha, alpha.
std::vector<uint8_t> RawRows(const TBitmap& bitmap, bool withAlpha)
{
    int w = bitmap.Width(), h = bitmap.Height();
    std::vector<uint8_t> raw;
    raw.reserve((size_t(w) * (withAlpha ? 4 : 3) + 1) * size_t(h));
    bool direct = bitmap.PixelFormat() == TPixelFormat::pf24bit || bitmap.PixelFormat() == TPixelFormat::pf32bit;
    int step = bitmap.PixelFormat() == TPixelFormat::pf32bit ? 4 : 3;
    for (int y = 0; y < h; ++y) {
        raw.push_back(0);
        const uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (direct) {
                const uint8_t* p = row + size_t(x) * step;
                raw.insert(raw.end(), {p[2], p[1], p[0]});
                if (withAlpha) raw.push_back(p[3]);
            } else {
                TColor c = bitmap.GetPixel(x, y);
                raw.insert(raw.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
            }
        }
    }
    return raw;
}

} // namespace

std::vector<uint8_t> EncodePng(const TBitmap& bitmap, TPngAlpha alpha)
{
    const bool withAlpha = alpha == TPngAlpha::Keep && bitmap.PixelFormat() == TPixelFormat::pf32bit;
    std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    PutBigEndian32(header, uint32_t(bitmap.Width()));
    PutBigEndian32(header, uint32_t(bitmap.Height()));
    // 8 bits, RGB (2) or RGBA (6), deflate, no filter, no interlace.
    header.insert(header.end(), {8, uint8_t(withAlpha ? 6 : 2), 0, 0, 0});
    PutChunk(out, "IHDR", header);

    std::vector<uint8_t> raw = RawRows(bitmap, withAlpha);
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), Z_BEST_SPEED) != Z_OK)
        throw EInvalidGraphic("The screenshot could not be compressed.");
    packed.resize(packedSize);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    return out;
}

void WritePngFile(const TBitmap& bitmap, const std::string& path, TPngAlpha alpha)
{
    WriteFileAtomically(path, EncodePng(bitmap, alpha));
}

} // namespace tavrik
