#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tavrik::test {

// A picture whose every pixel is distinct: red is x, green is y, blue a tag (for pictures
// under 256 pixels on a side). A pixel's colour therefore tells where it was copied from.
inline TBitmap CoordinatePicture(int width, int height, uint8_t tag = 7)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(uint8_t(x), uint8_t(y), tag));
    return b;
}

inline std::string PixelName(TColor c)
{
    return "(" + std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," +
           std::to_string(GetBValue(c)) + ")";
}

// Every pixel of the bitmap compared with expected(x, y); reports the first few mismatches.
inline ::testing::AssertionResult PixelsMatch(const TBitmap& b, const std::function<TColor(int, int)>& expected)
{
    int failures = 0;
    std::string report;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            TColor want = expected(x, y);
            TColor got = b.GetPixel(x, y);
            if (want != got && failures++ < 5)
                report += " at (" + std::to_string(x) + "," + std::to_string(y) + ") got " + PixelName(got) +
                          " want " + PixelName(want) + ";";
        }
    if (failures == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << failures << " pixels differ:" << report;
}

} // namespace tavrik::test
