#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

// Pictures for tests, and checks of what was drawn.
namespace tavrik::test {

// Every pixel distinct: red is x, green is y, blue a tag (for pictures under 256 pixels on a
// side). A copied pixel's colour therefore tells where it came from.
inline TBitmap CoordinatePicture(int width, int height, TPixelFormat format = TPixelFormat::pf24bit, uint8_t tag = 7)
{
    TBitmap b(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(uint8_t(x), uint8_t(y), tag));
    return b;
}

// A smooth picture whose neighbouring pixels differ, for pictures that go through files and
// codecs.
inline TBitmap PatternPicture(int width, int height)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(uint8_t(x * 3), uint8_t(y * 5), uint8_t(x + y)));
    return b;
}

// Every pixel a different, reproducible colour.
inline TBitmap NoiseBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf32bit, unsigned seed = 1)
{
    TBitmap b(width, height, format);
    std::mt19937 rng(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, TColor(rng() & 0xFFFFFF));
    return b;
}

inline TBitmap FilledBitmap(int width, int height, TColor color, TPixelFormat format = TPixelFormat::pf32bit)
{
    TBitmap b(width, height, format);
    b.Fill(color);
    return b;
}

// The bitmap as text, one string per row: '#' where a pixel differs from the background.
inline std::vector<std::string> Picture(const TBitmap& b, TColor background)
{
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) row += b.GetPixel(x, y) == background ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

// The smallest rectangle holding every pixel that differs from the background.
inline TRect InkBounds(const TBitmap& b, TColor background)
{
    TRect box;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.GetPixel(x, y) != background) box = UnionRect(box, {x, y, x + 1, y + 1});
    return box;
}

inline int InkCount(const TBitmap& b, TColor background)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.GetPixel(x, y) != background;
    return n;
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
