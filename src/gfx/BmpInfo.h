#pragma once

#include "gfx/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrik {

enum class TBmpEncoding : uint8_t {
    Uncompressed, // rows of packed palette indices or BI_RGB pixels
    BitFields,    // 16 or 32-bit pixels with explicit channel masks
    Rle8,
    Rle4,
    Rle24, // OS/2 run-length encoding of 24-bit pixels
};

// Where one colour channel sits in a 16 or 32-bit pixel.
struct TChannelMask {
    uint32_t mask = 0;
    int shift = 0; // position of the lowest mask bit
    int bits = 0;  // width of the mask; 0 means the channel reads as 0
};

// Everything the pixel decoders need, taken from the file and header and checked against
// each other and against the size of the data: a TBmpInfo describes a picture that can be
// decoded without reading outside the data.
struct TBmpInfo {
    int width = 0;
    int height = 0; // rows, always >= 0
    bool topDown = false;
    int bitCount = 0;
    TBmpEncoding encoding = TBmpEncoding::Uncompressed;
    TChannelMask red, green, blue; // 16 and 32-bit pixels only
    std::vector<TRGBQuad> palette; // paletted pixels only; may be shorter than 2^bitCount
    size_t pixelOffset = 0;        // where the pixel data starts in the file

    bool Empty() const { return width == 0 || height == 0; }
    // Bytes of one stored row of uncompressed pixels, padded to 4 bytes.
    uint64_t SourceRowBytes() const { return ((uint64_t(width) * uint64_t(bitCount) + 31) / 32) * 4; }
    // 1, 2, 4 and 8-bit pictures keep palette indices (2-bit ones widened to 4); the others
    // become 24-bit.
    TPixelFormat OutputFormat() const;
};

// Reads and validates the file header, the information header (OS/2 core, OS/2 2.x and the
// Windows versions of 40, 52, 56, 108 and 124 bytes), the channel masks and the palette.
// Throws EInvalidGraphic for damaged or unsupported files.
TBmpInfo ParseBmpInfo(std::span<const uint8_t> data);

[[noreturn]] void ThrowBmpDamaged(const std::string& reason);
[[noreturn]] void ThrowBmpUnsupported(const std::string& what);

inline uint16_t ReadLE16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t ReadLE32(const uint8_t* p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

} // namespace tavrik
