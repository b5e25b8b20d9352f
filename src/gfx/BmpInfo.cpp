#include "gfx/BmpInfo.h"

#include "core/Exception.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace tavrik {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kV2HeaderBytes = 52;
constexpr uint32_t kV3HeaderBytes = 56;
constexpr uint32_t kV4HeaderBytes = 108;
constexpr uint32_t kV5HeaderBytes = 124;
// OS/2 2.x headers may be cut short anywhere after the depth; missing fields are 0.
constexpr uint32_t kOs2MinHeaderBytes = 16;
constexpr uint32_t kOs2MaxHeaderBytes = 64;

enum : uint32_t {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3, // Huffman 1D in OS/2 2.x headers
    BI_JPEG = 4,      // RLE24 in OS/2 2.x headers
    BI_PNG = 5,
    BI_ALPHABITFIELDS = 6,
    BI_CMYK = 11,
    BI_CMYKRLE4 = 13,
};

enum class THeaderKind { Core, Os2, Windows };

struct TRawHeader {
    THeaderKind kind = THeaderKind::Windows;
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t planes = 0;
    uint32_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
};

THeaderKind KindOfHeader(uint32_t size)
{
    if (size == kCoreHeaderBytes) return THeaderKind::Core;
    if (size == kInfoHeaderBytes || size == kV2HeaderBytes || size == kV3HeaderBytes || size == kV4HeaderBytes ||
        size == kV5HeaderBytes)
        return THeaderKind::Windows;
    if (size >= kOs2MinHeaderBytes && size <= kOs2MaxHeaderBytes) return THeaderKind::Os2;
    ThrowBmpDamaged("its header of " + std::to_string(size) + " bytes has no known layout");
}

// An OS/2 bitmap array ("BA") holds a chain of bitmaps; we read its first one. Its offsets
// count from the start of the whole file, so only the file header moves.
size_t LocateFileHeader(std::span<const uint8_t> data)
{
    auto signatureAt = [&](size_t at, const char* sig) {
        return data.size() >= at + 2 && data[at] == uint8_t(sig[0]) && data[at + 1] == uint8_t(sig[1]);
    };
    if (signatureAt(0, "BM")) return 0;
    if (signatureAt(0, "BA")) {
        if (signatureAt(kFileHeaderBytes, "BM")) return kFileHeaderBytes;
        ThrowBmpUnsupported("Bitmap arrays that do not start with a plain bitmap");
    }
    throw EInvalidGraphic("The file is not a bitmap file.");
}

TRawHeader ReadRawHeader(std::span<const uint8_t> data, size_t at)
{
    TRawHeader h;
    h.size = ReadLE32(&data[at]);
    h.kind = KindOfHeader(h.size);
    if (data.size() - at < h.size) ThrowBmpDamaged("it ends inside its header");
    const uint8_t* p = &data[at];
    if (h.kind == THeaderKind::Core) {
        h.width = ReadLE16(p + 4);
        h.height = ReadLE16(p + 6);
        h.planes = ReadLE16(p + 8);
        h.bitCount = ReadLE16(p + 10);
        return h;
    }
    auto field32 = [&](uint32_t offset) { return offset + 4 <= h.size ? ReadLE32(p + offset) : 0u; };
    h.width = int32_t(ReadLE32(p + 4));
    h.height = int32_t(ReadLE32(p + 8));
    h.planes = ReadLE16(p + 12);
    h.bitCount = ReadLE16(p + 14);
    h.compression = field32(16);
    h.colorsUsed = field32(32);
    return h;
}

void CheckDepth(uint32_t bitCount)
{
    switch (bitCount) {
    case 1: case 2: case 4: case 8: case 16: case 24: case 32: return;
    case 64: ThrowBmpUnsupported("Bitmaps with 64 bits per pixel");
    default: ThrowBmpDamaged("its colour depth of " + std::to_string(bitCount) + " bits per pixel is not valid");
    }
}

TBmpEncoding EncodingOf(const TRawHeader& h)
{
    const bool os2 = h.kind == THeaderKind::Os2;
    auto requireDepth = [&](bool valid) {
        if (!valid)
            ThrowBmpDamaged("its compression method " + std::to_string(h.compression) + " does not fit " +
                            std::to_string(h.bitCount) + " bits per pixel");
    };
    switch (h.compression) {
    case BI_RGB:
        CheckDepth(h.bitCount);
        return TBmpEncoding::Uncompressed;
    case BI_RLE8:
        requireDepth(h.bitCount == 8);
        return TBmpEncoding::Rle8;
    case BI_RLE4:
        requireDepth(h.bitCount == 4);
        return TBmpEncoding::Rle4;
    case BI_BITFIELDS:
        if (os2) ThrowBmpUnsupported("Bitmaps with OS/2 Huffman compression");
        requireDepth(h.bitCount == 16 || h.bitCount == 32);
        return TBmpEncoding::BitFields;
    case BI_JPEG:
        if (!os2) ThrowBmpUnsupported("Bitmaps that hold a JPEG picture");
        requireDepth(h.bitCount == 24);
        return TBmpEncoding::Rle24;
    case BI_PNG: ThrowBmpUnsupported("Bitmaps that hold a PNG picture");
    case BI_ALPHABITFIELDS:
        if (!os2) {
            requireDepth(h.bitCount == 16 || h.bitCount == 32);
            return TBmpEncoding::BitFields;
        }
        [[fallthrough]];
    default:
        if (h.compression >= BI_CMYK && h.compression <= BI_CMYKRLE4) ThrowBmpUnsupported("CMYK bitmaps");
        ThrowBmpUnsupported("Bitmaps with compression method " + std::to_string(h.compression));
    }
}

void SetDimensions(const TRawHeader& h, TBmpInfo& info)
{
    if (h.planes != 1)
        ThrowBmpDamaged("it declares " + std::to_string(h.planes) + " colour planes where a bitmap has one");
    if (h.width < 0) ThrowBmpDamaged("its width is negative");
    if (h.height == INT32_MIN) ThrowBmpDamaged("its height is out of range");
    info.width = int(h.width);
    info.topDown = h.height < 0;
    info.height = int(info.topDown ? -h.height : h.height);
    if (info.topDown && info.encoding != TBmpEncoding::Uncompressed && info.encoding != TBmpEncoding::BitFields)
        ThrowBmpDamaged("its compressed rows are stored top-down, which bitmaps do not allow");
}

TChannelMask ChannelFromMask(uint32_t mask, int bitCount)
{
    if (mask == 0) return {};
    if (bitCount < 32 && (mask >> bitCount) != 0) ThrowBmpDamaged("its colour masks do not fit its pixels");
    int shift = std::countr_zero(mask);
    uint32_t bits = mask >> shift;
    if ((bits & (bits + 1)) != 0) ThrowBmpDamaged("its colour masks are not contiguous");
    return {mask, shift, std::popcount(mask)};
}

// Returns where the palette starts: the masks follow a 40-byte header, later headers hold
// them inside.
size_t ReadMasks(std::span<const uint8_t> data, const TRawHeader& h, size_t tableStart, TBmpInfo& info)
{
    uint32_t masks[3];
    size_t next = tableStart;
    if (info.encoding != TBmpEncoding::BitFields) {
        masks[0] = h.bitCount == 16 ? 0x7C00 : 0xFF0000;
        masks[1] = h.bitCount == 16 ? 0x03E0 : 0x00FF00;
        masks[2] = h.bitCount == 16 ? 0x001F : 0x0000FF;
    } else {
        size_t at = tableStart - h.size + kInfoHeaderBytes;
        if (h.size == kInfoHeaderBytes) {
            next += h.compression == BI_ALPHABITFIELDS ? 16 : 12;
            if (next > data.size()) ThrowBmpDamaged("it ends inside its colour masks");
        }
        for (int i = 0; i < 3; ++i) masks[i] = ReadLE32(&data[at + 4 * size_t(i)]);
    }
    info.red = ChannelFromMask(masks[0], int(h.bitCount));
    info.green = ChannelFromMask(masks[1], int(h.bitCount));
    info.blue = ChannelFromMask(masks[2], int(h.bitCount));
    return next;
}

// The palette runs from tableStart up to the pixel data. Its length is the declared number
// of colours (never more than the depth can index), cut short where the pixel data or the
// file begins earlier, as in OS/2 files whose short palettes only the offset reveals.
void ReadPalette(std::span<const uint8_t> data, const TRawHeader& h, size_t tableStart, TBmpInfo& info)
{
    size_t entryBytes = h.kind == THeaderKind::Core ? 3 : 4;
    uint64_t declared = h.colorsUsed;
    if (h.bitCount <= 8 && (declared == 0 || declared > (1u << h.bitCount))) declared = 1u << h.bitCount;
    uint64_t available = (std::min(info.pixelOffset, data.size()) - tableStart) / entryBytes;
    size_t count = size_t(std::min(declared, available));
    info.palette.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* p = &data[tableStart + i * entryBytes];
        info.palette[i] = {p[0], p[1], p[2], 0};
    }
}

// bfOffBits locates the pixels; 0, which cannot, is read as right after the table.
size_t PixelOffset(std::span<const uint8_t> data, const TRawHeader& h, size_t tableStart, uint32_t offBits)
{
    uint64_t offset = offBits;
    if (offBits == 0) {
        uint64_t colors = h.colorsUsed;
        if (h.bitCount <= 8 && colors == 0) colors = 1u << h.bitCount;
        offset = tableStart + colors * (h.kind == THeaderKind::Core ? 3 : 4);
    } else if (offBits < tableStart) {
        ThrowBmpDamaged("its pixel data would start inside its header");
    }
    if (offset > data.size()) ThrowBmpDamaged("its pixel data would start past the end of the file");
    return size_t(offset);
}

} // namespace

[[noreturn]] void ThrowBmpDamaged(const std::string& reason)
{
    throw EInvalidGraphic("The bitmap file is damaged: " + reason + ".");
}

[[noreturn]] void ThrowBmpUnsupported(const std::string& what)
{
    throw EInvalidGraphic(what + " are not supported.");
}

TPixelFormat TBmpInfo::OutputFormat() const
{
    switch (bitCount) {
    case 1: return TPixelFormat::pf1bit;
    case 2:
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    default: return TPixelFormat::pf24bit;
    }
}

TBmpInfo ParseBmpInfo(std::span<const uint8_t> data)
{
    size_t base = LocateFileHeader(data);
    if (data.size() < base + kFileHeaderBytes + 4) ThrowBmpDamaged("it ends inside its header");
    uint32_t offBits = ReadLE32(&data[base + 10]);
    TRawHeader h = ReadRawHeader(data, base + kFileHeaderBytes);
    TBmpInfo info;
    info.encoding = EncodingOf(h);
    info.bitCount = int(h.bitCount);
    SetDimensions(h, info);
    size_t tableStart = base + kFileHeaderBytes + h.size;
    if (h.bitCount == 16 || h.bitCount == 32) tableStart = ReadMasks(data, h, tableStart, info);
    info.pixelOffset = PixelOffset(data, h, tableStart, offBits);
    if (h.bitCount <= 8) ReadPalette(data, h, tableStart, info);
    return info;
}

} // namespace tavrik
