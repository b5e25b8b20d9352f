#include "ImagingTestSupport.h"

#include "imaging/PictureTransforms.h"

using namespace tavrik;
using namespace tavrik::test;

TEST(PictureTransforms, RotateTurnsClockwise)
{
    // 3 x 2:  a b c      rotated 2 x 3:  d a
    //         d e f                      e b
    //                                    f c
    TBitmap picture(3, 2);
    const TColor a = RGB(1, 2, 3), b = RGB(4, 5, 6), c = RGB(7, 8, 9), d = RGB(10, 11, 12), e = RGB(13, 14, 15),
                 f = RGB(16, 17, 18);
    picture.SetPixel(0, 0, a);
    picture.SetPixel(1, 0, b);
    picture.SetPixel(2, 0, c);
    picture.SetPixel(0, 1, d);
    picture.SetPixel(1, 1, e);
    picture.SetPixel(2, 1, f);
    Rotate90(picture);
    ASSERT_EQ(picture.Width(), 2);
    ASSERT_EQ(picture.Height(), 3);
    EXPECT_EQ(picture.GetPixel(1, 0), a);
    EXPECT_EQ(picture.GetPixel(1, 1), b);
    EXPECT_EQ(picture.GetPixel(1, 2), c);
    EXPECT_EQ(picture.GetPixel(0, 0), d);
    EXPECT_EQ(picture.GetPixel(0, 1), e);
    EXPECT_EQ(picture.GetPixel(0, 2), f);
}

TEST(PictureTransforms, LargePicturesMoveEveryPixel)
{
    // Larger than one tile in both directions, with ragged edges.
    const TBitmap source = NoisePicture(150, 77, 12);
    TBitmap rotated = source;
    Rotate90(rotated);
    TBitmap flipped = source;
    FlipHorz(flipped);
    const int w = source.Width(), h = source.Height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(rotated.GetPixel(h - 1 - y, x), source.GetPixel(x, y)) << x << ", " << y;
            ASSERT_EQ(flipped.GetPixel(w - 1 - x, y), source.GetPixel(x, y)) << x << ", " << y;
        }
}

TEST(PictureTransforms, FourTurnsOrTwoFlipsGiveTheSameBytes)
{
    for (auto [w, h] : {std::pair{1, 1}, std::pair{5, 3}, std::pair{2, 9}, std::pair{70, 65}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const TBitmap source = NoisePicture(w, h, uint32_t(w * h));
        TBitmap picture = source;
        for (int i = 0; i < 4; ++i) Rotate90(picture);
        EXPECT_EQ(picture, source);
        FlipHorz(picture);
        if (w > 1) {
            EXPECT_NE(picture, source);
        }
        FlipHorz(picture);
        EXPECT_EQ(picture, source);
    }
}

TEST(PictureTransforms, EmptyAndPalettedPictures)
{
    TBitmap empty;
    Rotate90(empty);
    FlipHorz(empty);
    EXPECT_TRUE(empty.Empty());
    TBitmap tall(0, 4);
    Rotate90(tall);
    EXPECT_EQ(tall.Width(), 4);
    EXPECT_EQ(tall.Height(), 0);
    FlipHorz(tall);
    EXPECT_EQ(tall.Width(), 4);

    TBitmap paletted(3, 1, TPixelFormat::pf8bit);
    paletted.SetPixel(0, 0, clRed);
    FlipHorz(paletted);
    EXPECT_EQ(paletted.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(paletted.GetPixel(2, 0), clRed);
}
