#include "BmpBuilder.h"

#include <algorithm>

namespace tavrik::test {

namespace {

void Put(std::vector<uint8_t>& out, size_t at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out[at + size_t(i)] = uint8_t(value >> (8 * i));
}

} // namespace

std::vector<uint8_t> BuildBmp(const TBmpLayout& layout)
{
    const bool masksAfterHeader = layout.headerSize == 40;
    const size_t tableStart = 14 + layout.headerSize + (masksAfterHeader ? 4 * layout.masks.size() : 0);
    const size_t pixelStart = tableStart + layout.palette.size();
    std::vector<uint8_t> out(std::max<size_t>(pixelStart, 18));
    out[0] = uint8_t(layout.signature[0]), out[1] = uint8_t(layout.signature[1]);
    Put(out, 10, layout.offBits.value_or(uint32_t(pixelStart)), 4);
    Put(out, 14, layout.headerSize, 4);
    if (layout.headerSize == 12) {
        Put(out, 18, uint32_t(layout.width), 2);
        Put(out, 20, uint32_t(layout.height), 2);
        Put(out, 22, layout.planes, 2);
        Put(out, 24, layout.bitCount, 2);
    } else {
        std::vector<uint8_t> header(std::max<size_t>(layout.headerSize, 40) + 16);
        Put(header, 4, uint32_t(layout.width), 4);
        Put(header, 8, uint32_t(layout.height), 4);
        Put(header, 12, layout.planes, 2);
        Put(header, 14, layout.bitCount, 2);
        Put(header, 16, layout.compression, 4);
        Put(header, 32, layout.colorsUsed, 4);
        if (!masksAfterHeader)
            for (size_t i = 0; i < layout.masks.size(); ++i) Put(header, 40 + 4 * i, layout.masks[i], 4);
        if (layout.headerSize > 4) std::copy(header.begin() + 4, header.begin() + layout.headerSize, out.begin() + 18);
        if (masksAfterHeader)
            for (size_t i = 0; i < layout.masks.size(); ++i) Put(out, 54 + 4 * i, layout.masks[i], 4);
    }
    std::copy(layout.palette.begin(), layout.palette.end(), out.begin() + ptrdiff_t(tableStart));
    out.insert(out.end(), layout.pixels.begin(), layout.pixels.end());
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
