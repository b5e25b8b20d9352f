#pragma once

#include "core/FileIO.h"
#include "gfx/Bitmap.h"
#include "skin/SkinPictureSet.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tavrik::test {

// A paletted bitmap with a recognisable pixel pattern.
inline TBitmap PatternBitmap(int width, int height, TPixelFormat format, uint8_t seed)
{
    TBitmap b(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.SetPixel(x, y, RGB(uint8_t(seed + 40 * x), uint8_t(seed * 3 + 50 * y), uint8_t(seed + x * y)));
    return b;
}

// picture, no inactive picture, a mask and three active pictures of different depths.
inline TbsSkinPictureSet SamplePictures()
{
    TbsSkinPictureSet set;
    set.picture = PatternBitmap(7, 5, TPixelFormat::pf8bit, 1);
    set.mask = PatternBitmap(7, 5, TPixelFormat::pf4bit, 2);
    set.activepictures.push_back(PatternBitmap(9, 3, TPixelFormat::pf8bit, 3));
    set.activepictures.push_back(PatternBitmap(33, 2, TPixelFormat::pf1bit, 4));
    set.activepictures.push_back(PatternBitmap(2, 2, TPixelFormat::pf24bit, 5));
    return set;
}

} // namespace tavrik::test
