#pragma once

#include "core/FileIO.h"
#include "gfx/Bitmap.h"
#include "imaging/JpegCodec.h"

#include <string>

namespace tavrik {

// Writes a 4000 x 3000 (12-megapixel) JPEG of smooth gradients crossed by fine detail, which
// costs a decoder about what a camera photograph does.
inline void WriteBenchPhoto(const std::string& path)
{
    TBitmap photo(4000, 3000);
    for (int y = 0; y < photo.Height(); ++y) {
        uint8_t* row = photo.ScanLine(y);
        for (int x = 0; x < photo.Width(); ++x) {
            row[3 * x] = uint8_t(x / 16 + y / 8);
            row[3 * x + 1] = uint8_t((x ^ y) & 0x3F);
            row[3 * x + 2] = uint8_t(y / 12);
        }
    }
    WriteFileAtomically(path, JpegEncode(photo, 90));
}

} // namespace tavrik
