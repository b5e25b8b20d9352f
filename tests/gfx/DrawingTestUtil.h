#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

#include <random>
#include <string>
#include <vector>

namespace tavrik::test {

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

} // namespace tavrik::test
