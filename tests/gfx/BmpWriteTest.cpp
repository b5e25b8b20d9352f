#include "core/Exception.h"
#include "gfx/BmpFile.h"
#include "gfx/BmpInfo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <unistd.h>

using namespace tavrik;

namespace {

const TPixelFormat kAllFormats[] = {TPixelFormat::pf1bit,  TPixelFormat::pf4bit,  TPixelFormat::pf8bit,
                                    TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit};

// Random pixels; paletted bitmaps get random indices below 2^bits (row padding stays zero)
// and a random palette of the given length.
TBitmap RandomBitmap(int width, int height, TPixelFormat format, size_t paletteSize, std::mt19937& random)
{
    TBitmap b(width, height, format);
    const int bits = BitsPerPixel(format);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = b.ScanLine(y);
        if (!IsPaletted(format)) {
            for (size_t i = 0; i < size_t(width) * size_t(bits / 8); ++i) row[i] = uint8_t(random());
            continue;
        }
        for (int x = 0; x < width; ++x) {
            unsigned index = random() & ((1u << bits) - 1);
            size_t bit = size_t(x) * size_t(bits);
            row[bit / 8] |= uint8_t(index << (8 - bits - bit % 8));
        }
    }
    if (IsPaletted(format)) {
        std::vector<TRGBQuad> palette(paletteSize);
        for (TRGBQuad& q : palette) q = QuadFromColor(TColor(random() & 0xFFFFFF));
        b.SetPalette(palette);
    }
    return b;
}

// A 16-bit bitmap as the reader gives it back: each 5-bit channel scaled to round(v * 255 / 31).
TBitmap Scaled555(const TBitmap& b)
{
    TBitmap out(b.Width(), b.Height());
    auto scale = [](unsigned five) { return uint8_t((five * 255 + 15) / 31); };
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            unsigned v = unsigned(b.ScanLine(y)[2 * x] | b.ScanLine(y)[2 * x + 1] << 8);
            out.SetPixel(x, y, RGB(scale(v >> 10 & 31), scale(v >> 5 & 31), scale(v & 31)));
        }
    return out;
}

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("tavrik_bmp_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

} // namespace

TEST(BmpWrite, EveryDepthRoundTrips)
{
    std::mt19937 random(7);
    for (TPixelFormat format : kAllFormats)
        for (int width : {1, 2, 3, 5, 7, 8, 9, 31, 33})
            for (int height : {1, 2, 5}) {
                SCOPED_TRACE(testing::Message() << BitsPerPixel(format) << " bits, " << width << " x " << height);
                size_t fullPalette = IsPaletted(format) ? size_t(1) << BitsPerPixel(format) : 0;
                TBitmap original = RandomBitmap(width, height, format, fullPalette, random);
                TBitmap read = ReadBmp(WriteBmp(original));
                if (IsPaletted(format)) {
                    EXPECT_TRUE(read == original); // same indices, palette and padding
                } else if (format == TPixelFormat::pf16bit) {
                    EXPECT_TRUE(read == Scaled555(original));
                } else {
                    EXPECT_EQ(read.PixelFormat(), TPixelFormat::pf24bit);
                    EXPECT_TRUE(read == original.ToPictureBuffer());
                }
            }
}

TEST(BmpWrite, ShortAndEmptyPalettesRoundTrip)
{
    std::mt19937 random(11);
    for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit})
        for (size_t entries : {size_t(1), size_t(2), size_t(5), size_t(300)}) {
            SCOPED_TRACE(testing::Message() << BitsPerPixel(format) << " bits, " << entries << " entries");
            TBitmap original = RandomBitmap(13, 3, format, entries, random);
            TBitmap read = ReadBmp(WriteBmp(original));
            EXPECT_EQ(read.PixelFormat(), format);
            size_t kept = std::min(entries, size_t(1) << BitsPerPixel(format));
            ASSERT_EQ(read.Palette().size(), kept);
            EXPECT_TRUE(std::equal(read.Palette().begin(), read.Palette().end(), original.Palette().begin()));
            EXPECT_TRUE(read.ToPictureBuffer() == original.ToPictureBuffer());
        }
    TBitmap noPalette(4, 2, TPixelFormat::pf8bit);
    noPalette.SetPalette({});
    noPalette.ScanLine(1)[3] = 200;
    TBitmap read = ReadBmp(WriteBmp(noPalette));
    EXPECT_EQ(read.Palette().size(), 256u);
    EXPECT_EQ(read.ScanLine(1)[3], 200);
    EXPECT_EQ(read.GetPixel(3, 1), clBlack);
}

// The reader scales 5-bit channels exactly (3 of 31 is 25), while TBitmap's own 16-bit
// pixels widen by bit replication (3 becomes 24): the two never differ by more than 1.
TEST(BmpWrite, SixteenBitPixelsReadBackAsTheirColours)
{
    TBitmap b(32, 1, TPixelFormat::pf16bit);
    for (int x = 0; x < 32; ++x) {
        uint16_t v = uint16_t(x << 10 | (31 - x) << 5 | x);
        b.ScanLine(0)[2 * x] = uint8_t(v), b.ScanLine(0)[2 * x + 1] = uint8_t(v >> 8);
    }
    TBitmap read = ReadBmp(WriteBmp(b));
    for (int x = 0; x < 32; ++x) {
        uint8_t full = uint8_t(std::lround(x * 255.0 / 31)), inverse = uint8_t(std::lround((31 - x) * 255.0 / 31));
        EXPECT_EQ(read.GetPixel(x, 0), RGB(full, inverse, full)) << x;
        TColor own = b.GetPixel(x, 0);
        EXPECT_LE(std::abs(int(GetRValue(own)) - full), 1) << x;
        EXPECT_LE(std::abs(int(GetGValue(own)) - inverse), 1) << x;
    }
}

TEST(BmpWrite, HeaderLayoutIsExact)
{
    TBitmap b(3, 2, TPixelFormat::pf24bit);
    b.SetPixel(0, 0, RGB(1, 2, 3));   // top left: last row in the file
    b.SetPixel(2, 1, RGB(4, 5, 6));   // bottom right: first row in the file
    std::vector<uint8_t> file = WriteBmp(b);
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(ReadLE32(&file[2]), file.size());
    EXPECT_EQ(ReadLE32(&file[6]), 0u);
    EXPECT_EQ(ReadLE32(&file[10]), 54u);
    EXPECT_EQ(ReadLE32(&file[14]), 40u);
    EXPECT_EQ(ReadLE32(&file[18]), 3u);
    EXPECT_EQ(ReadLE32(&file[22]), 2u); // positive: bottom-up
    EXPECT_EQ(ReadLE16(&file[26]), 1u);
    EXPECT_EQ(ReadLE16(&file[28]), 24u);
    EXPECT_EQ(ReadLE32(&file[30]), 0u);
    EXPECT_EQ(ReadLE32(&file[34]), 24u);
    EXPECT_EQ(ReadLE32(&file[46]), 0u);
    EXPECT_EQ(ReadLE32(&file[50]), 0u);
    const uint8_t bottomRight[] = {6, 5, 4}, topLeft[] = {3, 2, 1};
    EXPECT_TRUE(std::equal(bottomRight, bottomRight + 3, &file[54 + 6]));
    EXPECT_TRUE(std::equal(topLeft, topLeft + 3, &file[54 + 12]));

    TBitmap paletted(2, 1, TPixelFormat::pf4bit);
    paletted.SetPalette({QuadFromColor(clRed), QuadFromColor(clLime), QuadFromColor(clBlue)});
    file = WriteBmp(paletted);
    ASSERT_EQ(file.size(), 54u + 3 * 4 + 4);
    EXPECT_EQ(ReadLE32(&file[10]), 66u);
    EXPECT_EQ(ReadLE32(&file[46]), 3u); // colours used
    const uint8_t red[] = {0, 0, 255, 0};
    EXPECT_TRUE(std::equal(red, red + 4, &file[54]));
}

TEST(BmpWrite, EmptyPictureInEveryDepth)
{
    for (TPixelFormat format : kAllFormats) {
        SCOPED_TRACE(BitsPerPixel(format));
        TBitmap empty(0, 0, format);
        std::vector<uint8_t> file = WriteBmp(empty);
        size_t paletteBytes = IsPaletted(format) ? 4 * (size_t(1) << BitsPerPixel(format)) : 0;
        ASSERT_EQ(file.size(), 54 + paletteBytes);
        EXPECT_EQ(ReadLE32(&file[10]), file.size());
        EXPECT_EQ(ReadLE32(&file[18]), 0u);
        EXPECT_EQ(ReadLE32(&file[22]), 0u);
        EXPECT_EQ(ReadLE16(&file[28]), BitsPerPixel(format));
        EXPECT_EQ(ReadLE32(&file[34]), 0u);
        TBitmap read = ReadBmp(file);
        EXPECT_EQ(read.Width(), 0);
        EXPECT_EQ(read.Height(), 0);
        EXPECT_EQ(read.PixelFormat(), IsPaletted(format) ? format : TPixelFormat::pf24bit);
        EXPECT_EQ(read.Palette(), empty.Palette());
    }
    // A picture that is empty in one direction only reads back as the 0 x 0 picture.
    TBitmap flat(5, 0);
    TBitmap read = ReadBmp(WriteBmp(flat));
    EXPECT_EQ(read.Width(), 0);
    EXPECT_EQ(read.Height(), 0);
}

TEST(BmpWrite, FilesRoundTripAndFailuresNameThePath)
{
    std::mt19937 random(3);
    TBitmap original = RandomBitmap(17, 9, TPixelFormat::pf24bit, 0, random);
    std::string path = TempPath("round.bmp");
    WriteBmpFile(original, path);
    EXPECT_TRUE(ReadBmpFile(path) == original);
    WriteBmpFile(TBitmap(), path); // replaces the file
    EXPECT_TRUE(ReadBmpFile(path).Empty());
    std::filesystem::remove(path);

    std::string missing = TempPath("no/such/folder/x.bmp");
    try {
        WriteBmpFile(original, missing);
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    EXPECT_THROW(ReadBmpFile(missing), EFileError);
}
