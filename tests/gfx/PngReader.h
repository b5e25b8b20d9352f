#pragma once

#include "core/Color.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::test {

// A decoded reference picture: colours as 8-bit RGB (16-bit samples rounded to 8 bits) and
// the alpha of each pixel (from the alpha channel or tRNS; otherwise 255).
struct TPngPicture {
    int width = 0;
    int height = 0;
    std::vector<TColor> colors; // row by row, top first
    std::vector<uint8_t> alpha;

    TColor At(int x, int y) const { return colors[size_t(y) * size_t(width) + size_t(x)]; }
    uint8_t AlphaAt(int x, int y) const { return alpha[size_t(y) * size_t(width) + size_t(x)]; }
};

// Reads a non-interlaced PNG file of any colour type and bit depth. Throws std::runtime_error
// on anything else; it serves the tests only.
TPngPicture ReadPngFile(const std::string& path);

} // namespace tavrik::test
