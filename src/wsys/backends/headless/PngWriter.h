#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

class TBitmap;

// Whether the fourth byte of a 32-bit bitmap is its (straight) alpha, as in icons, or unused.
enum class TPngAlpha : uint8_t { Drop, Keep };

// A PNG file of the bitmap as 8-bit RGB, for people to look at what a test saw, or as 8-bit
// RGBA for a 32-bit bitmap whose alpha is kept (the program's icons). Any pixel format is
// read; rows are stored unfiltered and deflated by zlib.
std::vector<uint8_t> EncodePng(const TBitmap& bitmap, TPngAlpha alpha = TPngAlpha::Drop);
// Throws EFileError when the file cannot be written.
void WritePngFile(const TBitmap& bitmap, const std::string& path, TPngAlpha alpha = TPngAlpha::Drop);

} // namespace tavrik
