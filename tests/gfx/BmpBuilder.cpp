#include "BmpBuilder.h"

#include <algorithm>

namespace tavrik::test {

namespace {

void Put(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out[at + size_t(i)] = uint8_t(value >> (8 * i));
}

} // namespace

std::vector<uint8_t> BuildBmp(const TBmpSpec& spec)
{
    const bool masksAfterHeader = spec.headerSize == 40;
    const size_t tableStart = 14 + spec.headerSize + (masksAfterHeader ? 4 * spec.masks.size() : 0);
    const size_t pixelStart = tableStart + spec.palette.size();
    std::vector<uint8_t> out(std::max<size_t>(pixelStart, 18));
    out[0] = uint8_t(spec.signature[0]), out[1] = uint8_t(spec.signature[1]);
    Put(out, 10, spec.offBits.value_or(uint32_t(pixelStart)), 4);
    Put(out, 14, spec.headerSize, 4);
    if (spec.headerSize == 12) {
        Put(out, 18, uint32_t(spec.width), 2);
        Put(out, 20, uint32_t(spec.height), 2);
        Put(out, 22, spec.planes, 2);
        Put(out, 24, spec.bitCount, 2);
    } else {
        std::vector<uint8_t> header(std::max<size_t>(spec.headerSize, 40) + 16);
        Put(header, 4, uint32_t(spec.width), 4);
        Put(header, 8, uint32_t(spec.height), 4);
        Put(header, 12, spec.planes, 2);
        Put(header, 14, spec.bitCount, 2);
        Put(header, 16, spec.compression, 4);
        Put(header, 32, spec.colorsUsed, 4);
        if (!masksAfterHeader)
            for (size_t i = 0; i < spec.masks.size(); ++i) Put(header, 40 + 4 * i, spec.masks[i], 4);
        if (spec.headerSize > 4) std::copy(header.begin() + 4, header.begin() + spec.headerSize, out.begin() + 18);
        if (masksAfterHeader)
            for (size_t i = 0; i < spec.masks.size(); ++i) Put(out, 54 + 4 * i, spec.masks[i], 4);
    }
    std::copy(spec.palette.begin(), spec.palette.end(), out.begin() + ptrdiff_t(tableStart));
    out.insert(out.end(), spec.pixels.begin(), spec.pixels.end());
    Put(out, 2, uint32_t(out.size()), 4);
    return out;
}

std::vector<uint8_t> PaletteBytes(std::initializer_list<TColor> colors)
{
    std::vector<uint8_t> bytes;
    for (TColor c : colors) bytes.insert(bytes.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
    return bytes;
}

} // namespace tavrik::test
