#include "skin/EffectBmp.h"

#include "gfx/Canvas.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <set>

using namespace tavrik;
using namespace tavrik::test;

namespace {

// Every channel of every pixel set to value(x, y).
TbsEffectBmp Gray(int w, int h, const std::function<int(int, int)>& value)
{
    TbsEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t v = uint8_t(value(x, y));
            b.SetPixel(x, y, {v, v, v});
        }
    return b;
}

TbsEffectBmp Flat(int w, int h, int v) { return Gray(w, h, [v](int, int) { return v; }); }

// Pixels that name their column: blue is the column, green the row, red the tag.
TbsEffectBmp Columns(int w, int h, uint8_t tag)
{
    TbsEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, {uint8_t(x), uint8_t(y), tag});
    return b;
}

// The column of a image made by Columns that pixel (x, y) came from, as tag * 1000 + column.
int Origin(const TbsEffectBmp& b, int x, int y)
{
    TEffectPixel p = b.GetPixel(x, y);
    return p.Red * 1000 + p.Blue;
}

int Channel(const TbsEffectBmp& b, int x, int y) { return b.GetPixel(x, y).Green; }

constexpr uint8_t kA = 1;
constexpr uint8_t kB = 2;

} // namespace

TEST(EffectBmp, StoresRowsOfThreeBytesPaddedToFour)
{
    for (int w : {1, 2, 3, 4, 5, 75}) {
        SCOPED_TRACE(w);
        TbsEffectBmp b(w, 3);
        EXPECT_EQ(b.RowStride(), w * 3 + w % 4);
        EXPECT_EQ(b.Size(), b.RowStride() * 3);
    }
    TBitmap paletted(3, 2, TPixelFormat::pf4bit);
    paletted.SetPixel(2, 1, clRed);
    TbsEffectBmp fromPicture(paletted);
    EXPECT_EQ(fromPicture.GetPixel(2, 1), (TEffectPixel{0, 0, 255}));
    uint8_t line[9];
    fromPicture.GetLine(1, line);
    EXPECT_EQ(line[8], 255);
    line[0] = 77;
    fromPicture.SetLine(0, line);
    EXPECT_EQ(fromPicture.LineAddress(0)[0], 77);

    TBitmap target(6, 6);
    TCanvas canvas(target);
    fromPicture.Draw(canvas, 4, 5); // clipped at the target's edge
    EXPECT_EQ(target.GetPixel(5, 5), clBlack);
    fromPicture.Draw(canvas, 3, 4);
    EXPECT_EQ(target.GetPixel(5, 5), clRed);
}

TEST(EffectBmp, BlendAtAndBeyondTheEnds)
{
    TbsEffectBmp b = Flat(4, 3, 200);
    for (double k : {-0.2, 0.0}) {
        TbsEffectBmp a = Flat(4, 3, 10);
        a.MorphBlend(b, k);
        EXPECT_EQ(Channel(a, 3, 2), 10) << k;
    }
    for (double k : {1.0, 1.5}) {
        TbsEffectBmp a = Flat(4, 3, 10);
        a.MorphBlend(b, k);
        EXPECT_EQ(Channel(a, 3, 2), 200) << k;
    }
    // Halves round to the even neighbour: 1.5 -> 2, 2.5 -> 2.
    TbsEffectBmp a = Gray(2, 1, [](int x, int) { return x + 1; });
    a.MorphBlend(Gray(2, 1, [](int x, int) { return x + 2; }), 0.5);
    EXPECT_EQ(Channel(a, 0, 0), 2);
    EXPECT_EQ(Channel(a, 1, 0), 2);
}

TEST(EffectBmp, CenterGradientOpensABandFromTheMiddle)
{
    {
        SCOPED_TRACE("10 x 4 at k 0: band of column 5, ramps of 5");
        TbsEffectBmp a = Flat(10, 4, 0);
        a.MorphCenterGradient(Flat(10, 4, 200), 0);
        const int expected[10] = {0, 40, 80, 120, 160, 200, 160, 120, 80, 40};
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 4; ++y) EXPECT_EQ(Channel(a, x, y), expected[x]) << x << "," << y;
    }
    {
        SCOPED_TRACE("4 x 10 at k 0 works on rows; ramps of (10 - 1) div 2");
        TbsEffectBmp a = Flat(4, 10, 0);
        a.MorphCenterGradient(Flat(4, 10, 200), 0);
        const int expected[10] = {0, 0, 50, 100, 150, 200, 150, 100, 50, 0};
        for (int y = 0; y < 10; ++y) EXPECT_EQ(Channel(a, 3, y), expected[y]) << y;
    }
    {
        SCOPED_TRACE("10 x 4 at k 0.4: band 3 to 7, ramps of 3");
        TbsEffectBmp a = Flat(10, 4, 0);
        a.MorphCenterGradient(Flat(10, 4, 90), 0.4);
        const int expected[10] = {0, 30, 60, 90, 90, 90, 90, 90, 60, 30};
        for (int x = 0; x < 10; ++x) EXPECT_EQ(Channel(a, x, 1), expected[x]) << x;
    }
    for (double k : {1.0, 1.7, 25.0}) {
        SCOPED_TRACE(k);
        for (TSize size : {TSize{10, 4}, TSize{9, 3}, TSize{4, 9}}) {
            TbsEffectBmp a = Flat(size.cx, size.cy, 0);
            a.MorphCenterGradient(Flat(size.cx, size.cy, 200), k);
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x) ASSERT_EQ(Channel(a, x, y), 200) << x << "," << y;
        }
    }
    for (double k : {-0.5, -3.0}) {
        SCOPED_TRACE(k);
        TbsEffectBmp a = Flat(10, 4, 0);
        a.MorphCenterGradient(Flat(10, 4, 200), k);
        EXPECT_EQ(Channel(a, 5, 0), 200);
        EXPECT_EQ(Channel(a, 0, 0), 0);
    }
}

TEST(EffectBmp, SideGradients)
{
    {
        SCOPED_TRACE("left at k 0 still mixes columns 0 and 1");
        TbsEffectBmp a = Flat(10, 2, 0);
        a.MorphLeftGradient(Flat(10, 2, 200), 0);
        EXPECT_EQ(Channel(a, 0, 1), 200);
        for (int x = 1; x < 10; ++x) EXPECT_EQ(Channel(a, x, 1), 0) << x;
    }
    {
        SCOPED_TRACE("left at k 0.5: ramp over columns 0 to 5");
        TbsEffectBmp a = Flat(10, 2, 0);
        a.MorphLeftGradient(Flat(10, 2, 100), 0.5);
        const int expected[10] = {100, 80, 60, 40, 20, 0, 0, 0, 0, 0};
        for (int x = 0; x < 10; ++x) EXPECT_EQ(Channel(a, x, 0), expected[x]) << x;
    }
    {
        SCOPED_TRACE("left at k 1 and beyond stops at column W - 1");
        for (double k : {1.0, 3.0}) {
            TbsEffectBmp a = Flat(5, 1, 0);
            a.MorphLeftGradient(Flat(5, 1, 100), k);
            const int expected[5] = {100, 75, 50, 25, 0};
            for (int x = 0; x < 5; ++x) EXPECT_EQ(Channel(a, x, 0), expected[x]) << x;
        }
    }
    {
        SCOPED_TRACE("right at k 0 takes only the last column");
        TbsEffectBmp a = Flat(10, 2, 0);
        a.MorphRightGradient(Flat(10, 2, 200), -1);
        EXPECT_EQ(Channel(a, 9, 0), 200);
        EXPECT_EQ(Channel(a, 8, 0), 0);
    }
    {
        SCOPED_TRACE("right at k 1 ramps over the whole width");
        TbsEffectBmp a = Flat(5, 1, 0);
        a.MorphRightGradient(Flat(5, 1, 100), 1);
        const int expected[5] = {20, 40, 60, 80, 100};
        for (int x = 0; x < 5; ++x) EXPECT_EQ(Channel(a, x, 0), expected[x]) << x;
    }
    {
        SCOPED_TRACE("one column wide");
        TbsEffectBmp a = Flat(1, 3, 0);
        a.MorphLeftGradient(Flat(1, 3, 100), 0.5);
        EXPECT_EQ(Channel(a, 0, 2), 100);
        TbsEffectBmp c = Flat(1, 3, 0);
        c.MorphRightGradient(Flat(1, 3, 100), 0.5);
        EXPECT_EQ(Channel(c, 0, 2), 100);
    }
}

TEST(EffectBmp, SlidesAndPush)
{
    TbsEffectBmp b = Columns(10, 2, kB);
    {
        SCOPED_TRACE("left slide at k 1 copies 9 columns of B's right end");
        TbsEffectBmp a = Columns(10, 2, kA);
        a.MorphLeftSlide(b, 1);
        for (int x = 0; x < 9; ++x) EXPECT_EQ(Origin(a, x, 1), 2000 + x + 1) << x;
        EXPECT_EQ(Origin(a, 9, 1), 1009);
    }
    {
        SCOPED_TRACE("left slide at k 0 still shows one column");
        TbsEffectBmp a = Columns(10, 2, kA);
        a.MorphLeftSlide(b, 0);
        EXPECT_EQ(Origin(a, 0, 0), 2009);
        EXPECT_EQ(Origin(a, 1, 0), 1001);
    }
    {
        SCOPED_TRACE("right slide at k 0.3: B's left three columns at the right");
        TbsEffectBmp a = Columns(10, 2, kA);
        a.MorphRightSlide(b, 0.3);
        for (int x = 0; x < 7; ++x) EXPECT_EQ(Origin(a, x, 0), 1000 + x) << x;
        for (int x = 7; x < 10; ++x) EXPECT_EQ(Origin(a, x, 0), 2000 + x - 7) << x;
    }
    {
        SCOPED_TRACE("push at k 0 moves A right by one and shows B's last column");
        TbsEffectBmp a = Columns(10, 2, kA);
        a.MorphPush(b, 0);
        EXPECT_EQ(Origin(a, 0, 1), 2009);
        for (int x = 1; x < 10; ++x) EXPECT_EQ(Origin(a, x, 1), 1000 + x - 1) << x;
    }
    {
        SCOPED_TRACE("push at k 0.5");
        TbsEffectBmp a = Columns(10, 2, kA);
        a.MorphPush(b, 0.5);
        for (int x = 0; x <= 5; ++x) EXPECT_EQ(Origin(a, x, 0), 2004 + x) << x;
        for (int x = 6; x < 10; ++x) EXPECT_EQ(Origin(a, x, 0), 1000 + x - 6) << x;
    }
    {
        SCOPED_TRACE("push at k 1 and beyond shows all of B");
        for (double k : {1.0, 9.0}) {
            TbsEffectBmp a = Columns(10, 2, kA);
            a.MorphPush(b, k);
            for (int x = 0; x < 10; ++x) EXPECT_EQ(Origin(a, x, 0), 2000 + x) << x;
        }
    }
}

TEST(EffectBmp, MorphsOfDifferentSizesChangeNothing)
{
    TbsEffectBmp other = Flat(5, 4, 200);
    for (int kind = 0; kind <= 6; ++kind) {
        SCOPED_TRACE(kind);
        TbsEffectBmp a = Columns(5, 3, kA);
        a.Morph(kind, other, 0.5);
        EXPECT_EQ(a.Bitmap(), Columns(5, 3, kA).Bitmap());
    }
}

TEST(EffectBmp, MorphKindsSelectTheirMorph)
{
    using Member = void (TbsEffectBmp::*)(const TbsEffectBmp&, double);
    const Member morphs[] = {&TbsEffectBmp::MorphBlend,      &TbsEffectBmp::MorphCenterGradient,
                             &TbsEffectBmp::MorphLeftGradient, &TbsEffectBmp::MorphRightGradient,
                             &TbsEffectBmp::MorphLeftSlide,   &TbsEffectBmp::MorphRightSlide,
                             &TbsEffectBmp::MorphPush};
    TbsEffectBmp b = Gray(12, 5, [](int x, int y) { return 250 - 9 * x - y; });
    for (int kind = 0; kind <= 6; ++kind) {
        SCOPED_TRACE(kind);
        TbsEffectBmp viaKind = Columns(12, 5, kA);
        TbsEffectBmp direct = Columns(12, 5, kA);
        viaKind.Morph(kind, b, 0.3);
        (direct.*morphs[kind])(b, 0.3);
        EXPECT_EQ(viaKind.Bitmap(), direct.Bitmap());
        EXPECT_NE(viaKind.Bitmap(), Columns(12, 5, kA).Bitmap());
    }
}

TEST(EffectBmp, PointEffects)
{
    auto one = [](int v, const std::function<void(TbsEffectBmp&)>& effect) {
        TbsEffectBmp b = Flat(1, 1, v);
        effect(b);
        return Channel(b, 0, 0);
    };
    auto brightness = [](double k) { return [k](TbsEffectBmp& b) { b.ApplyBrightness(k); }; };
    auto darkness = [](double k) { return [k](TbsEffectBmp& b) { b.ApplyDarkness(k); }; };
    EXPECT_EQ(one(1, brightness(0.5)), 128);
    EXPECT_EQ(one(0, brightness(0.5)), 128); // 127.5 to the even 128
    EXPECT_EQ(one(2, brightness(0.5)), 128); // 128.5 to the even 128
    EXPECT_EQ(one(40, brightness(-1)), 40);
    EXPECT_EQ(one(40, brightness(2)), 255);
    EXPECT_EQ(one(255, darkness(1)), 0);
    EXPECT_EQ(one(255, darkness(0.3)), 178);
    EXPECT_EQ(one(100, darkness(0.3)), 70);
    EXPECT_EQ(one(0, [](TbsEffectBmp& b) { b.ApplyInvert(); }), 255);
    EXPECT_EQ(one(200, [](TbsEffectBmp& b) { b.ApplyInvert(); }), 55);

    TbsEffectBmp colours(3, 1);
    colours.SetPixel(0, 0, {0, 255, 0});       // pure green
    colours.SetPixel(1, 0, {255, 255, 255});   // white
    colours.SetPixel(2, 0, {255, 0, 0});       // pure blue: 28.05
    colours.ApplyGrayScale();
    EXPECT_EQ(colours.GetPixel(0, 0), (TEffectPixel{150, 150, 150}));
    EXPECT_EQ(colours.GetPixel(1, 0), (TEffectPixel{255, 255, 255}));
    EXPECT_EQ(colours.GetPixel(2, 0), (TEffectPixel{28, 28, 28}));
}

TEST(EffectBmp, InactiveEffectsUseTheirFixedParameters)
{
    const int expected[6] = {178, 70, 100, -1, 100, 155}; // noise checked apart
    for (int effect = 0; effect <= 6; ++effect) {
        SCOPED_TRACE(effect);
        TbsEffectBmp b = Flat(3, 3, 100);
        b.ApplyInactiveEffect(effect);
        if (effect == 3) {
            EXPECT_GE(Channel(b, 1, 1), 75);
            EXPECT_LE(Channel(b, 1, 1), 124);
        } else if (effect == 6) {
            EXPECT_EQ(Channel(b, 1, 1), 100);
        } else {
            EXPECT_EQ(Channel(b, 1, 1), expected[effect]);
        }
    }
}

TEST(EffectBmp, NoiseShiftsAllChannelsOfAPixelAlike)
{
    TbsEffectBmp b(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) b.SetPixel(x, y, {100, 120, 140});
    b.ApplyNoise(50);
    std::set<int> offsets;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            TEffectPixel p = b.GetPixel(x, y);
            int d = p.Blue - 100;
            ASSERT_GE(d, -25);
            ASSERT_LE(d, 24);
            ASSERT_EQ(p.Green - 120, d);
            ASSERT_EQ(p.Red - 140, d);
            offsets.insert(d);
        }
    EXPECT_EQ(offsets.size(), 50u); // 1200 draws reach every offset
    TbsEffectBmp again(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) again.SetPixel(x, y, {100, 120, 140});
    again.ApplyNoise(50);
    EXPECT_EQ(again.Bitmap(), b.Bitmap());

    TbsEffectBmp clamped = Flat(20, 20, 250);
    clamped.ApplyNoise(50);
    for (int x = 0; x < 20; ++x) EXPECT_GE(Channel(clamped, x, 3), 225);
    TbsEffectBmp untouched = Flat(2, 2, 9);
    untouched.ApplyNoise(0);
    untouched.ApplyNoise(-4);
    EXPECT_EQ(Channel(untouched, 1, 1), 9);
}

TEST(EffectBmp, SplitBlurReadsPixelsAlreadyChanged)
{
    TbsEffectBmp single = Flat(1, 1, 77);
    single.ApplySplitBlur(1);
    EXPECT_EQ(Channel(single, 0, 0), 77);

    // 0 100 / 200 40, worked through in place, row by row.
    TbsEffectBmp b = Gray(2, 2, [](int x, int y) { return y == 0 ? x * 100 : 200 - 160 * x; });
    b.ApplySplitBlur(1);
    EXPECT_EQ(Channel(b, 0, 0), 85);  // (0 + 200 + 100 + 40) / 4
    EXPECT_EQ(Channel(b, 1, 0), 106); // (85 + 200 + 100 + 40) / 4
    EXPECT_EQ(Channel(b, 0, 1), 107); // (85 + 200 + 106 + 40) / 4
    EXPECT_EQ(Channel(b, 1, 1), 84);  // (85 + 107 + 106 + 40) / 4

    TbsEffectBmp none = Gray(3, 3, [](int x, int y) { return 10 * x + y; });
    TbsEffectBmp before = none;
    none.ApplySplitBlur(0);
    EXPECT_EQ(none.Bitmap(), before.Bitmap());
    none.ApplySplitBlur(-1000000);
    none.ApplySplitBlur(1 << 30);
}

TEST(EffectBmp, QuarterTurns)
{
    TbsEffectBmp source = Columns(3, 2, kA); // pixel (x, y) holds x and y
    TbsEffectBmp left(1, 1);
    source.RotateLeft(left);
    ASSERT_EQ(left.Width(), 2);
    ASSERT_EQ(left.Height(), 3);
    // The top edge becomes the left edge, read upwards.
    EXPECT_EQ(left.GetPixel(0, 2), (TEffectPixel{0, 0, kA}));
    EXPECT_EQ(left.GetPixel(0, 0), (TEffectPixel{2, 0, kA}));
    EXPECT_EQ(left.GetPixel(1, 0), (TEffectPixel{2, 1, kA}));
    TbsEffectBmp right(1, 1);
    source.RotateRight(right);
    EXPECT_EQ(right.GetPixel(1, 0), (TEffectPixel{0, 0, kA}));
    EXPECT_EQ(right.GetPixel(1, 2), (TEffectPixel{2, 0, kA}));
    EXPECT_EQ(right.GetPixel(0, 0), (TEffectPixel{0, 1, kA}));

    TbsEffectBmp back(1, 1);
    left.RotateRight(back);
    EXPECT_EQ(back.Bitmap(), source.Bitmap());
    TbsEffectBmp turning = source;
    for (int i = 0; i < 4; ++i) turning.RotateLeft(turning); // turning in place
    EXPECT_EQ(turning.Bitmap(), source.Bitmap());
}
