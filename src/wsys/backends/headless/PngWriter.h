#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

class TBitmap;

// A PNG file of the bitmap as 8-bit RGB, for people to look at what a test saw. Any pixel
// format is read; rows are stored unfiltered and deflated by zlib.
std::vector<uint8_t> EncodePng(const TBitmap& bitmap);
// Throws EFileError when the file cannot be written.
void WritePngFile(const TBitmap& bitmap, const std::string& path);

} // namespace tavrik
