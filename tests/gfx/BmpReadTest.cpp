#include "BmpBuilder.h"

#include "core/Exception.h"
#include "gfx/BmpFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace tavrik;
using test::BuildBmp;
using test::PaletteBytes;
using test::TBmpLayout;

namespace {

// The palette indices of a paletted bitmap, row by row from the top.
std::vector<std::vector<int>> Indices(const TBitmap& b)
{
    const int bits = BitsPerPixel(b.PixelFormat());
    std::vector<std::vector<int>> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::vector<int> row;
        for (int x = 0; x < b.Width(); ++x) {
            size_t bit = size_t(x) * size_t(bits);
            row.push_back((b.ScanLine(y)[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1));
        }
        rows.push_back(row);
    }
    return rows;
}

TBmpLayout Paletted8(int width, int height, std::vector<uint8_t> pixels)
{
    TBmpLayout layout;
    layout.width = width, layout.height = height, layout.bitCount = 8;
    layout.palette = PaletteBytes({clBlack, clRed, clLime, clBlue});
    layout.colorsUsed = 4;
    layout.pixels = std::move(pixels);
    return layout;
}

uint8_t Scaled(uint64_t v, int bits) { return uint8_t((2 * v * 255 + (1ull << bits) - 1) / (2 * ((1ull << bits) - 1))); }

} // namespace

TEST(BmpRead, ChannelsOfEveryWidthScaleToTheFullRange)
{
    struct TCase {
        uint32_t value;
        TColor expected;
    };
    // 5-6-5: round(v * 255 / max), so 3 of 31 is 25 (bit replication would give 24).
    TBmpLayout layout;
    layout.bitCount = 16, layout.compression = 3, layout.masks = {0xF800, 0x07E0, 0x001F};
    const TCase cases565[] = {
        {0x0000, RGB(0, 0, 0)},       {0xFFFF, RGB(255, 255, 255)}, {3u << 11 | 1u << 5 | 16, RGB(25, 4, 132)},
        {30u << 11 | 32u << 5 | 1, RGB(247, 130, 8)},
    };
    for (const TCase& c : cases565) {
        SCOPED_TRACE(c.value);
        layout.width = 1, layout.pixels = {uint8_t(c.value), uint8_t(c.value >> 8), 0, 0};
        EXPECT_EQ(ReadBmp(BuildBmp(layout)).GetPixel(0, 0), c.expected);
    }
    // 7-18-7 in 32 bits: the 18-bit green turns at exactly half way.
    layout.bitCount = 32, layout.masks = {0xFE000000, 0x01FFFF80, 0x0000007F};
    const TCase cases7187[] = {
        {131072u << 7, RGB(0, 128, 0)},
        {131071u << 7, RGB(0, 127, 0)},
        {1u << 25 | 1u << 7 | 127, RGB(2, 0, 255)},
    };
    for (const TCase& c : cases7187) {
        SCOPED_TRACE(c.value);
        layout.pixels = {uint8_t(c.value), uint8_t(c.value >> 8), uint8_t(c.value >> 16), uint8_t(c.value >> 24)};
        EXPECT_EQ(ReadBmp(BuildBmp(layout)).GetPixel(0, 0), c.expected);
    }
    // Every value of a 5-bit channel, and a channel that is missing.
    layout.bitCount = 16, layout.masks = {0x7C00, 0, 0x001F}, layout.width = 32, layout.pixels.clear();
    for (uint32_t v = 0; v < 32; ++v) layout.pixels.insert(layout.pixels.end(), {uint8_t(v | 0xE0), uint8_t(v << 2 | 0x80)});
    TBitmap b = ReadBmp(BuildBmp(layout));
    for (int v = 0; v < 32; ++v) EXPECT_EQ(b.GetPixel(v, 0), RGB(Scaled(uint64_t(v), 5), 0, Scaled(uint64_t(v), 5)));
}

TEST(BmpRead, DefaultMasksIgnoreUnusedBits)
{
    TBmpLayout layout;
    layout.width = 2, layout.bitCount = 16;
    layout.pixels = {0xFF, 0xFF, 0x1F, 0x80}; // top bit set in both: 555 ignores it
    TBitmap b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(b.GetPixel(0, 0), clWhite);
    EXPECT_EQ(b.GetPixel(1, 0), RGB(0, 0, 255));
    layout.bitCount = 32;
    layout.pixels = {1, 2, 3, 0xFF, 4, 5, 6, 0x80};
    b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.GetPixel(0, 0), RGB(3, 2, 1));
    EXPECT_EQ(b.GetPixel(1, 0), RGB(6, 5, 4));
    // Byte-wide masks in any order.
    layout.compression = 3, layout.masks = {0x000000FF, 0xFF000000, 0x0000FF00};
    b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.GetPixel(0, 0), RGB(1, 0xFF, 2));
}

TEST(BmpRead, RowsBottomUpAndTopDown)
{
    TBmpLayout layout;
    layout.width = 1, layout.height = 2;
    layout.pixels = {1, 2, 3, 0, 4, 5, 6, 0};
    TBitmap up = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(up.GetPixel(0, 0), RGB(6, 5, 4));
    EXPECT_EQ(up.GetPixel(0, 1), RGB(3, 2, 1));
    layout.height = -2;
    TBitmap down = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(down.GetPixel(0, 0), RGB(3, 2, 1));
    EXPECT_EQ(down.GetPixel(0, 1), RGB(6, 5, 4));
}

TEST(BmpRead, EveryHeaderVersionGivesTheSamePicture)
{
    const std::vector<uint8_t> pixels = {1, 2, 0, 0, 3, 0, 0, 0};
    const std::vector<std::vector<int>> expected = {{3, 0}, {1, 2}};
    for (uint32_t headerSize : {16u, 40u, 52u, 56u, 64u, 108u, 124u}) {
        SCOPED_TRACE(headerSize);
        TBmpLayout layout = Paletted8(2, 2, pixels);
        layout.headerSize = headerSize;
        if (headerSize < 40) layout.colorsUsed = 0; // the field is missing; the palette is cut by the offset
        TBitmap b = ReadBmp(BuildBmp(layout));
        EXPECT_EQ(Indices(b), expected);
        ASSERT_EQ(b.Palette().size(), 4u);
        EXPECT_EQ(b.Palette()[1], QuadFromColor(clRed));
    }
    // The OS/2 core header: 16-bit sizes and 3-byte palette entries, sized by the offset.
    TBmpLayout core = Paletted8(2, 2, pixels);
    core.headerSize = 12;
    core.palette = {0, 0, 0, 0, 0, 255, 0, 255, 0};
    TBitmap b = ReadBmp(BuildBmp(core));
    EXPECT_EQ(Indices(b), expected);
    ASSERT_EQ(b.Palette().size(), 3u);
    EXPECT_EQ(b.Palette()[2], QuadFromColor(clLime));
    EXPECT_EQ(b.GetPixel(0, 0), clBlack); // index 3 lies beyond the palette
    // An OS/2 bitmap array: the first bitmap, with offsets from the start of the array.
    std::vector<uint8_t> plain = BuildBmp(Paletted8(2, 2, pixels));
    std::vector<uint8_t> array = {'B', 'A', 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    array.insert(array.end(), plain.begin(), plain.end());
    array[14 + 10] = uint8_t(array[14 + 10] + 14);
    EXPECT_EQ(Indices(ReadBmp(array)), expected);
}

TEST(BmpRead, PaletteLengthAndPixelOffset)
{
    // The declared colours count, not the space up to the pixels; indices beyond read black.
    TBmpLayout layout = Paletted8(3, 1, {1, 2, 3, 0});
    layout.colorsUsed = 2;
    TBitmap b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.Palette().size(), 2u);
    EXPECT_EQ(b.GetPixel(0, 0), clRed);
    EXPECT_EQ(b.GetPixel(1, 0), clBlack);
    // More colours than the depth indexes: only the first 2^bits are kept.
    layout.colorsUsed = 100000;
    layout.bitCount = 1, layout.pixels = {0x40, 0, 0, 0};
    b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.Palette().size(), 2u);
    EXPECT_EQ(b.GetPixel(1, 0), clRed);
    // Gaps before the pixels are skipped; an offset of 0 means right after the palette.
    layout = Paletted8(1, 1, {9, 9, 9, 9, 2, 0, 0, 0});
    layout.offBits = 14 + 40 + 16 + 4;
    EXPECT_EQ(ReadBmp(BuildBmp(layout)).GetPixel(0, 0), clLime);
    layout.offBits = 0;
    EXPECT_EQ(ReadBmp(BuildBmp(layout)).GetPixel(0, 0), clBlack);
    EXPECT_EQ(Indices(ReadBmp(BuildBmp(layout))), std::vector<std::vector<int>>{{9}});
}

TEST(BmpRead, PackedIndicesOfEveryDepth)
{
    TBmpLayout layout = Paletted8(9, 1, {0b10110011, 0b1'1111111, 0, 0});
    layout.bitCount = 1;
    TBitmap b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf1bit);
    EXPECT_EQ(Indices(b), (std::vector<std::vector<int>>{{1, 0, 1, 1, 0, 0, 1, 1, 1}}));
    EXPECT_EQ(b.ScanLine(0)[1], 0x80); // bits after the last pixel are cleared
    layout.bitCount = 2, layout.width = 5, layout.pixels = {0b00011011, 0b10'111111, 0, 0};
    b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(Indices(b), (std::vector<std::vector<int>>{{0, 1, 2, 3, 2}}));
    EXPECT_EQ(b.GetPixel(3, 0), clBlue);
    layout.bitCount = 4, layout.width = 3, layout.pixels = {0x12, 0x3F, 0, 0};
    b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(Indices(b), (std::vector<std::vector<int>>{{1, 2, 3}}));
    EXPECT_EQ(b.ScanLine(0)[1], 0x30);
}

TEST(BmpRead, Rle8CodesAndClipping)
{
    TBmpLayout layout = Paletted8(6, 4,
                              {
                                  3, 7, 0, 3, 1, 2, 3, 0, 0, 0, // run, padded literal, end of line
                                  0, 2, 2, 1,                   // delta: 2 right, 1 up
                                  2, 9, 0, 0,                   // run, end of line
                                  8, 5,                         // a run past the right edge
                                  4, 6,                         // nothing left of the row
                                  0, 1, 3, 3,                   // end of bitmap; the rest is ignored
                              });
    layout.compression = 1;
    EXPECT_EQ(Indices(ReadBmp(BuildBmp(layout))), (std::vector<std::vector<int>>{
                                                    {5, 5, 5, 5, 5, 5},
                                                    {0, 0, 9, 9, 0, 0},
                                                    {0, 0, 0, 0, 0, 0},
                                                    {7, 7, 7, 1, 2, 3},
                                                }));
}

TEST(BmpRead, Rle4CodesAndEveryCutOfTheStreamRefused)
{
    TBmpLayout layout = Paletted8(5, 3,
                              {
                                  5, 0x12, 0, 0,                // run alternating nibbles, end of line
                                  0, 3, 0x34, 0x50,             // literal of 3 nibbles in 2 bytes
                                  2, 0x67, 0, 0,                // run finishing the row, end of line
                                  0, 5, 0x89, 0xAB, 0xC0, 0x00, // literal of 5 nibbles, padded
                                  0, 1,                         // end of bitmap
                              });
    layout.bitCount = 4, layout.compression = 2;
    TBitmap b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(Indices(b), (std::vector<std::vector<int>>{
                              {8, 9, 10, 11, 12},
                              {3, 4, 5, 6, 7},
                              {1, 2, 1, 2, 1},
                          }));
    // Without its end-of-bitmap code, or cut anywhere before it, the picture is incomplete.
    const std::vector<uint8_t> whole = layout.pixels;
    for (size_t n = 0; n < whole.size(); ++n) {
        SCOPED_TRACE(n);
        layout.pixels.assign(whole.begin(), whole.begin() + ptrdiff_t(n));
        try {
            ReadBmp(BuildBmp(layout));
            ADD_FAILURE() << "read a cut stream";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), "The bitmap file is damaged: its run-length data ends before the end of the picture.");
        }
    }
    // An end of line closing the top row completes the picture as well.
    layout.pixels = whole;
    layout.pixels.resize(whole.size() - 2);
    layout.pixels.insert(layout.pixels.end(), {0, 0});
    EXPECT_EQ(Indices(ReadBmp(BuildBmp(layout))), Indices(b));
}

TEST(BmpRead, Os2Rle24)
{
    TBmpLayout layout;
    layout.headerSize = 64, layout.width = 3, layout.height = 2, layout.compression = 4;
    layout.pixels = {
        0, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, // literal of 3 pixels, padded
        0, 0,                                 // end of line
        2, 10, 20, 30,                        // run of 2
        0, 1,                                 // end of bitmap
    };
    TBitmap b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(b.GetPixel(0, 1), RGB(3, 2, 1));
    EXPECT_EQ(b.GetPixel(2, 1), RGB(9, 8, 7));
    EXPECT_EQ(b.GetPixel(1, 0), RGB(30, 20, 10));
    EXPECT_EQ(b.GetPixel(2, 0), clBlack);
}

TEST(BmpRead, TruncatedPixelDataIsRefusedUnlessOnlyPaddingIsMissing)
{
    TBmpLayout layout;
    layout.width = 2, layout.height = 2;
    layout.pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12}; // last row without its padding
    TBitmap b = ReadBmp(BuildBmp(layout));
    EXPECT_EQ(b.GetPixel(1, 0), RGB(12, 11, 10));
    layout.pixels.pop_back();
    try {
        ReadBmp(BuildBmp(layout));
        ADD_FAILURE() << "read a truncated file";
    } catch (const EInvalidGraphic& e) {
        EXPECT_STREQ(e.what(), "The bitmap file is damaged: it ends before its pixel data is complete.");
    }
}

TEST(BmpRead, MalformedFilesAreRefusedWithAReason)
{
    struct TCase {
        const char* name;
        std::function<void(TBmpLayout&)> change;
        const char* message;
    };
    const TCase cases[] = {
        {"signature", [](TBmpLayout& s) { s.signature = "PK"; }, "The file is not a bitmap file."},
        {"header size 0", [](TBmpLayout& s) { s.headerSize = 0; }, "its header of 0 bytes has no known layout"},
        {"header size 66", [](TBmpLayout& s) { s.headerSize = 66; }, "its header of 66 bytes has no known layout"},
        {"header size 1000", [](TBmpLayout& s) { s.headerSize = 1000; }, "no known layout"},
        {"negative width", [](TBmpLayout& s) { s.width = -1; }, "its width is negative"},
        {"height INT_MIN", [](TBmpLayout& s) { s.height = INT_MIN; }, "its height is out of range"},
        {"no planes", [](TBmpLayout& s) { s.planes = 0; }, "it declares 0 colour planes"},
        {"two planes", [](TBmpLayout& s) { s.planes = 2; }, "it declares 2 colour planes"},
        {"depth 0", [](TBmpLayout& s) { s.bitCount = 0; }, "colour depth of 0 bits per pixel is not valid"},
        {"depth 7", [](TBmpLayout& s) { s.bitCount = 7; }, "colour depth of 7 bits"},
        {"depth 64", [](TBmpLayout& s) { s.bitCount = 64; }, "Bitmaps with 64 bits per pixel are not supported."},
        {"JPEG", [](TBmpLayout& s) { s.compression = 4; }, "Bitmaps that hold a JPEG picture are not supported."},
        {"PNG", [](TBmpLayout& s) { s.compression = 5; }, "Bitmaps that hold a PNG picture are not supported."},
        {"CMYK", [](TBmpLayout& s) { s.compression = 11; }, "CMYK bitmaps are not supported."},
        {"unknown method", [](TBmpLayout& s) { s.compression = 77; }, "compression method 77 are not supported"},
        {"OS/2 Huffman", [](TBmpLayout& s) { s.headerSize = 64, s.compression = 3, s.bitCount = 1; }, "Huffman"},
        {"RLE8 at 4 bits", [](TBmpLayout& s) { s.compression = 1, s.bitCount = 4; }, "does not fit 4 bits per pixel"},
        {"RLE4 at 8 bits", [](TBmpLayout& s) { s.compression = 2, s.bitCount = 8; }, "does not fit 8 bits per pixel"},
        {"masks at 24 bits", [](TBmpLayout& s) { s.compression = 3; }, "does not fit 24 bits per pixel"},
        {"top-down RLE", [](TBmpLayout& s) { s.compression = 1, s.bitCount = 8, s.height = -1; }, "top-down"},
        {"split mask",
         [](TBmpLayout& s) { s.bitCount = 16, s.compression = 3, s.masks = {0xF00F, 0x0F00, 0x00F0}; },
         "its colour masks are not contiguous"},
        {"mask beyond 16 bits",
         [](TBmpLayout& s) { s.bitCount = 16, s.compression = 3, s.masks = {0x1F0000, 0x07E0, 0x001F}; },
         "its colour masks do not fit its pixels"},
        {"masks cut off",
         [](TBmpLayout& s) { s.bitCount = 32, s.compression = 3, s.masks = {0xFF}, s.pixels.clear(), s.offBits = 58; },
         "it ends inside its colour masks"},
        {"offset in header", [](TBmpLayout& s) { s.offBits = 20; }, "would start inside its header"},
        {"offset past end", [](TBmpLayout& s) { s.offBits = 1u << 31; }, "would start past the end of the file"},
        {"too large", [](TBmpLayout& s) { s.width = 100000, s.height = 100000; },
         "The bitmap of 100000 x 100000 pixels is too large: pictures are limited to 1 GiB of pixel data."},
        {"row bytes overflow", [](TBmpLayout& s) { s.width = INT_MAX, s.bitCount = 32; }, "limited to 1 GiB"},
        {"truncated", [](TBmpLayout& s) { s.height = 2; }, "it ends before its pixel data is complete"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBmpLayout layout;
        layout.pixels = {1, 2, 3, 0};
        c.change(layout);
        try {
            TBitmap b = ReadBmp(BuildBmp(layout));
            ADD_FAILURE() << "read as " << b.Width() << " x " << b.Height();
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST(BmpRead, ShortDataIsRefused)
{
    const std::vector<uint8_t> file = BuildBmp(TBmpLayout{});
    for (size_t length : {size_t(0), size_t(1), size_t(2), size_t(14), size_t(17), size_t(18), size_t(53)}) {
        SCOPED_TRACE(length);
        std::span<const uint8_t> cut(file.data(), length);
        EXPECT_THROW(ReadBmp(cut), EInvalidGraphic);
    }
}
