#pragma once

#include "core/Color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrik::test {

// The fields of a bitmap file, to build well-formed and deliberately broken ones.
struct TBmpLayout {
    std::string signature = "BM";
    uint32_t headerSize = 40; // 12 writes an OS/2 core header with 16-bit sizes
    int32_t width = 1;
    int32_t height = 1;
    uint16_t planes = 1;
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;  // after a 40-byte header, inside longer ones
    std::vector<uint8_t> palette; // raw entries, 3 or 4 bytes each
    std::vector<uint8_t> pixels;
    std::optional<uint32_t> offBits; // default: where the pixels follow the palette
};

std::vector<uint8_t> BuildBmp(const TBmpLayout& layout);

// Palette entries as the file stores them: blue, green, red and a zero byte.
std::vector<uint8_t> PaletteBytes(std::initializer_list<TColor> colors);

} // namespace tavrik::test
