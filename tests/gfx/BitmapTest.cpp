#include "core/Exception.h"
#include "gfx/Bitmap.h"

#include <gtest/gtest.h>

using namespace tavrik;

TEST(Bitmap, RowsArePaddedToFourBytes)
{
    EXPECT_EQ(TBitmap::RowBytesFor(1, TPixelFormat::pf1bit), 4u);
    EXPECT_EQ(TBitmap::RowBytesFor(33, TPixelFormat::pf1bit), 8u);
    EXPECT_EQ(TBitmap::RowBytesFor(3, TPixelFormat::pf24bit), 12u);
    EXPECT_EQ(TBitmap::RowBytesFor(5, TPixelFormat::pf24bit), 16u);
    EXPECT_EQ(TBitmap::RowBytesFor(3, TPixelFormat::pf4bit), 4u);
    TBitmap b(5, 2);
    EXPECT_EQ(b.ScanLine(1) - b.ScanLine(0), 16);
}

TEST(Bitmap, PixelsRoundTripInEveryFormat)
{
    for (TPixelFormat f : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf16bit,
                           TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        SCOPED_TRACE(BitsPerPixel(f));
        TBitmap b(9, 3, f);
        b.SetPixel(8, 2, clWhite);
        b.SetPixel(7, 2, clBlack);
        EXPECT_EQ(b.GetPixel(8, 2), clWhite);
        EXPECT_EQ(b.GetPixel(7, 2), clBlack);
        TBitmap picture = b.ToPictureBuffer();
        EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
        EXPECT_EQ(picture.GetPixel(8, 2), clWhite);
        // Every stored value converts to the colour it reads as, indices beyond a short
        // palette to black.
        if (IsPaletted(f)) b.SetPalette({{10, 20, 30, 0}, {40, 50, 60, 0}, {70, 80, 90, 0}});
        for (int y = 0; y < 3; ++y)
            for (size_t i = 0; i < b.RowBytes(); ++i) b.ScanLine(y)[i] = uint8_t(i * 37 + size_t(y) * 101 + 5);
        picture = b.ToPictureBuffer();
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 9; ++x) EXPECT_EQ(picture.GetPixel(x, y), b.GetPixel(x, y)) << x << "," << y;
    }
}

TEST(Bitmap, ResizeKeepsSharedAreaAndCapsMemory)
{
    TBitmap b(2, 2);
    b.SetPixel(1, 1, clRed);
    b.SetSize(3, 3);
    EXPECT_EQ(b.GetPixel(1, 1), clRed);
    EXPECT_EQ(b.GetPixel(2, 2), clBlack);
    EXPECT_THROW(TBitmap(100000, 100000), EInvalidGraphic);
}
