#include "ImagingTestSupport.h"

#include "imaging/PixelRoutines.h"

#include <array>
#include <cstdlib>
#include <string>

using namespace tavrik;
using namespace tavrik::test;

namespace {

// The routines' arithmetic written out literally, with the 16-bit weights and 32-bit gray
// levels, to check the table-driven code against.
uint8_t LiteralContrast(int c, int amount)
{
    int v;
    if (amount > 0) {
        int h = amount / 2;
        v = c >= 128 ? std::min(255, c + h) : std::max(0, c - h);
    } else {
        int d = (std::abs(127 - c) * amount) / 255;
        v = c > 127 ? c + d : c - d;
    }
    return uint8_t(std::clamp(v, 0, 255));
}

std::array<uint8_t, 3> LiteralSaturation(std::array<uint8_t, 3> rgb, int amount)
{
    std::array<uint16_t, 256> alpha{};
    std::array<int32_t, 768> grays{};
    for (int i = 0; i < 256; ++i) {
        alpha[size_t(i)] = uint16_t(uint32_t(int32_t(i * amount)) >> 8);
        for (int k = 0; k < 3; ++k) grays[size_t(3 * i + k)] = i - alpha[size_t(i)];
    }
    int32_t gray = grays[size_t(rgb[0] + rgb[1] + rgb[2])];
    return {uint8_t(gray + alpha[rgb[0]]), uint8_t(gray + alpha[rgb[1]]), uint8_t(gray + alpha[rgb[2]])};
}

TBitmap OnePixel(std::array<uint8_t, 3> rgb)
{
    TBitmap picture(1, 1);
    picture.SetPixel(0, 0, RGB(rgb[0], rgb[1], rgb[2]));
    return picture;
}

std::array<uint8_t, 3> RgbOf(const TBitmap& picture, int x = 0, int y = 0)
{
    TColor c = picture.GetPixel(x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

// Every channel value 0..255 once per channel, in a 256 x 1 picture.
TBitmap AllChannelValues()
{
    TBitmap picture(256, 1);
    for (int x = 0; x < 256; ++x) picture.SetPixel(x, 0, RGB(x, 255 - x, (x * 7) & 255));
    return picture;
}

class TRecordingSink : public TProgressSink {
public:
    void SetMax(int max) override { log += "M" + std::to_string(max) + " "; }
    void SetPosition(int position) override { log += "P" + std::to_string(position) + " "; }
    std::string log;
};

} // namespace

TEST(PixelRoutines, ContrastTable)
{
    const std::array<int, 6> channels = {0, 50, 127, 128, 200, 255};
    const std::vector<std::pair<int, std::array<int, 6>>> rows = {
        {255, {0, 0, 0, 255, 255, 255}},    {100, {0, 0, 77, 178, 250, 255}},
        {1, {0, 50, 127, 128, 200, 255}},   {0, {0, 50, 127, 128, 200, 255}},
        {-1, {0, 50, 127, 128, 200, 255}},  {-100, {49, 80, 127, 128, 172, 205}},
        {-255, {127, 127, 127, 127, 127, 127}},
    };
    for (const auto& [amount, expected] : rows)
        for (size_t i = 0; i < channels.size(); ++i) {
            SCOPED_TRACE("amount " + std::to_string(amount) + ", channel " + std::to_string(channels[i]));
            TBitmap picture = OnePixel({uint8_t(channels[i]), uint8_t(channels[i]), uint8_t(channels[i])});
            ApplyContrast(picture, amount);
            EXPECT_EQ(RgbOf(picture)[0], expected[i]);
        }
}

TEST(PixelRoutines, ContrastMatchesItsArithmeticForEveryAmountAndChannel)
{
    const TBitmap source = AllChannelValues();
    for (int amount = -255; amount <= 255; ++amount) {
        TBitmap picture = source;
        ApplyContrast(picture, amount);
        for (int x = 0; x < 256; ++x) {
            auto in = RgbOf(source, x), out = RgbOf(picture, x);
            for (int k = 0; k < 3; ++k)
                ASSERT_EQ(out[size_t(k)], LiteralContrast(in[size_t(k)], amount)) << "amount " << amount << " x " << x;
        }
    }
}

TEST(PixelRoutines, SaturationTable)
{
    const std::array<std::array<uint8_t, 3>, 3> inputs = {{{255, 0, 0}, {200, 100, 50}, {10, 20, 30}}};
    const std::vector<std::pair<int, std::array<std::array<uint8_t, 3>, 3>>> rows = {
        {0, {{{85, 85, 85}, {116, 116, 116}, {20, 20, 20}}}},
        {128, {{{170, 43, 43}, {158, 108, 83}, {15, 20, 25}}}},
        {255, {{{255, 1, 1}, {200, 100, 50}, {10, 20, 30}}}},
        {-128, {{{0, 128, 128}, {74, 124, 149}, {25, 20, 15}}}},
        {-255, {{{171, 170, 170}, {32, 132, 182}, {30, 20, 10}}}},
    };
    for (const auto& [amount, expected] : rows)
        for (size_t i = 0; i < inputs.size(); ++i) {
            SCOPED_TRACE("amount " + std::to_string(amount) + ", input " + std::to_string(i));
            TBitmap picture = OnePixel(inputs[i]);
            ApplySaturation(picture, amount, nullptr);
            EXPECT_EQ(RgbOf(picture), expected[i]);
            TBitmap target;
            PreviewSaturation(OnePixel(inputs[i]), target, amount);
            EXPECT_EQ(RgbOf(target), expected[i]);
        }
}

TEST(PixelRoutines, SaturationMatchesItsArithmeticIncludingWrapAround)
{
    const TBitmap source = NoisePicture(61, 17, 99);
    for (int amount = -255; amount <= 255; amount += 2) {
        TBitmap picture = source;
        ApplySaturation(picture, amount, nullptr);
        for (int y = 0; y < source.Height(); ++y)
            for (int x = 0; x < source.Width(); ++x)
                ASSERT_EQ(RgbOf(picture, x, y), LiteralSaturation(RgbOf(source, x, y), amount))
                    << "amount " << amount << " at " << x << ", " << y;
    }
}

TEST(PixelRoutines, RgbShiftsClampEachChannelWithItsOwnShift)
{
    TBitmap picture = OnePixel({200, 100, 100});
    ApplyRGB(picture, 127, -128, 5, nullptr);
    EXPECT_EQ(RgbOf(picture), (std::array<uint8_t, 3>{255, 0, 105}));

    const TBitmap source = AllChannelValues();
    for (int shift = -128; shift <= 127; ++shift) {
        TBitmap target;
        PreviewRGB(source, target, shift, -shift / 2, 127 - shift);
        for (int x = 0; x < 256; ++x) {
            auto in = RgbOf(source, x), out = RgbOf(target, x);
            const std::array<int, 3> shifts = {shift, -shift / 2, 127 - shift};
            for (int k = 0; k < 3; ++k)
                ASSERT_EQ(out[size_t(k)], std::clamp(in[size_t(k)] + shifts[size_t(k)], 0, 255))
                    << "shift " << shifts[size_t(k)] << " channel " << k << " x " << x;
        }
    }
}

TEST(PixelRoutines, NeutralSettingsLeaveThePictureUnchanged)
{
    const TBitmap source = NoisePicture(33, 9, 4);
    TBitmap picture = source;
    ApplyContrast(picture, 0);
    ApplySaturation(picture, 255, nullptr);
    ApplyRGB(picture, 0, 0, 0, nullptr);
    EXPECT_TRUE(SamePixels(source, picture));
}

TEST(PixelRoutines, SaturationZeroGivesTheTruncatedMean)
{
    const TBitmap source = NoisePicture(20, 20, 8);
    TBitmap picture = source;
    ApplySaturation(picture, 0, nullptr);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            auto in = RgbOf(source, x, y);
            uint8_t mean = uint8_t((in[0] + in[1] + in[2]) / 3);
            ASSERT_EQ(RgbOf(picture, x, y), (std::array<uint8_t, 3>{mean, mean, mean}));
        }
}

TEST(PixelRoutines, RowPaddingIsNeverTouched)
{
    // Width 1: three pixel bytes and one padding byte per row.
    TBitmap picture = NoisePicture(1, 3, 5);
    for (int y = 0; y < 3; ++y) picture.ScanLine(y)[3] = 0xA5;
    ApplyContrast(picture, 200);
    ApplySaturation(picture, -77, nullptr);
    ApplyRGB(picture, 100, 100, 100, nullptr);
    for (int y = 0; y < 3; ++y) EXPECT_EQ(picture.ScanLine(y)[3], 0xA5);
}

TEST(PixelRoutines, ProgressIsReportedPerRow)
{
    struct TCase {
        int height;
        std::string saturation, rgb;
    };
    for (const TCase& c : {TCase{3, "P0 M2 P0 P1 P2 ", "M2 P0 P1 P2 "}, TCase{1, "P0 M0 P0 ", "M0 P0 "},
                           TCase{0, "P0 M-1 ", "M-1 "}}) {
        SCOPED_TRACE(c.height);
        TBitmap picture(4, c.height);
        TRecordingSink sink;
        ApplySaturation(picture, 10, &sink);
        EXPECT_EQ(sink.log, c.saturation);
        sink.log.clear();
        ApplyRGB(picture, 1, 2, 3, &sink);
        EXPECT_EQ(sink.log, c.rgb);
    }
}

TEST(PixelRoutines, PreviewsLeaveTheSourceAndSizeTheTarget)
{
    const TBitmap source = NoisePicture(13, 7, 6);
    const TBitmap original = source;
    TBitmap target(2, 2);
    PreviewSaturation(source, target, -40);
    TBitmap applied = source;
    ApplySaturation(applied, -40, nullptr);
    EXPECT_TRUE(SamePixels(applied, target));
    PreviewRGB(source, target, -9, 30, 127);
    applied = source;
    ApplyRGB(applied, -9, 30, 127, nullptr);
    EXPECT_TRUE(SamePixels(applied, target));
    EXPECT_EQ(source, original);
}

TEST(PixelRoutines, PalettedPicturesAreAdjustedAs24Bit)
{
    TBitmap picture(5, 2, TPixelFormat::pf8bit);
    for (int x = 0; x < 5; ++x) picture.ScanLine(0)[x] = uint8_t(x * 40);
    TBitmap expected = picture.ToPictureBuffer();
    ApplyContrast(expected, 100);
    ApplyContrast(picture, 100);
    EXPECT_EQ(picture.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_TRUE(SamePixels(expected, picture));
}
