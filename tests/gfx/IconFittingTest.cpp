#include "gfx/IconFitting.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace tavrik;

namespace {

// Pixels as 0xAARRGGBB, rows top to bottom.
TBitmap Icon(int w, int h, const std::vector<uint32_t>& argb)
{
    TBitmap b(w, h, TPixelFormat::pf32bit);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint32_t v = argb[size_t(y * w + x)];
            uint8_t* p = b.ScanLine(y) + 4 * x;
            p[0] = uint8_t(v), p[1] = uint8_t(v >> 8), p[2] = uint8_t(v >> 16), p[3] = uint8_t(v >> 24);
        }
    return b;
}

std::vector<uint32_t> Pixels(const TBitmap& b)
{
    std::vector<uint32_t> out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const uint8_t* p = b.ScanLine(y) + 4 * x;
            out.push_back(uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]);
        }
    return out;
}

TEST(FitIcon, AveragesTheCoveredAreaWeightedByAlpha)
{
    constexpr uint32_t R = 0xFFFF0000, T = 0x000000FF; // opaque red; transparent, blue underneath
    struct TCase {
        const char* name;
        TBitmap icon;
        int w, h;
        std::vector<uint32_t> expected;
    } cases[] = {
        // The blue of transparent pixels never shows; alpha is the plain average, 255 / 4.
        {"2x2 to 1", Icon(2, 2, {R, T, T, T}), 1, 1, {0x40FF0000}},
        // Target pixels cover one and a half source pixels: (0 + 90 / 2) / 1.5 and (90 / 2 + 180) / 1.5.
        {"3 to 2", Icon(3, 1, {0xFF000000, 0xFF00005A, 0xFF0000B4}), 2, 1, {0xFF00001E, 0xFF000096}},
        {"1 to 3x3", Icon(1, 1, {0x80102030}), 3, 3, std::vector<uint32_t>(9, 0x80102030)},
        // A wide icon fills the width and is centred in the height.
        {"4x2 into 4x4", Icon(4, 2, std::vector<uint32_t>(8, R)), 4, 4,
         {0, 0, 0, 0, R, R, R, R, R, R, R, R, 0, 0, 0, 0}},
        {"1x3 into 3x3", Icon(1, 3, {R, R, R}), 3, 3, {0, R, 0, 0, R, 0, 0, R, 0}},
        {"empty icon", TBitmap(0, 0, TPixelFormat::pf32bit), 2, 1, {0, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap out = FitIcon(c.icon, c.w, c.h);
        ASSERT_EQ(out.PixelFormat(), TPixelFormat::pf32bit);
        ASSERT_EQ(out.Width(), c.w);
        ASSERT_EQ(out.Height(), c.h);
        EXPECT_EQ(Pixels(out), c.expected);
    }
}

TEST(FitIcon, KeepsAnIconOfTheSizeAndTakesOtherDepthsAsOpaque)
{
    std::vector<uint32_t> argb;
    for (uint32_t i = 0; i < 5 * 3; ++i) argb.push_back(i * 0x11030507u | 0xFF000000u);
    argb[4] = 0x7F123456;
    TBitmap icon = Icon(5, 3, argb);
    EXPECT_EQ(Pixels(FitIcon(icon, 5, 3)), argb);

    TBitmap rgb(2, 2, TPixelFormat::pf24bit);
    rgb.Fill(RGB(10, 20, 30));
    EXPECT_EQ(Pixels(FitIcon(rgb, 1, 1)), (std::vector<uint32_t>{0xFF0A141E}));
    EXPECT_TRUE(FitIcon(icon, 0, 4).Empty());
}

} // namespace
