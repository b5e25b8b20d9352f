#include "gfx/Bitmap.h"
#include "gfx/BmpFile.h"
#include "gfx/PixelMemory.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tavrik;

namespace {

bool AllZero(const TPixelMemory& m) { return std::all_of(m.Data(), m.Data() + m.Size(), [](uint8_t v) { return v == 0; }); }

} // namespace

// Sizes on both sides of the point where blocks become mappings of their own, each made
// after a filled block of the same size was freed, so that reused memory would show.
TEST(PixelMemory, NewBlocksAreZeroAndCopiesAreDeep)
{
    for (size_t bytes : {size_t(1), size_t(300000), size_t(4 << 20) - 1, size_t(4 << 20), size_t(9 << 20) + 5}) {
        SCOPED_TRACE(bytes);
        {
            TPixelMemory used(bytes);
            std::fill(used.Data(), used.Data() + bytes, uint8_t(0xA5));
        }
        TPixelMemory fresh(bytes);
        ASSERT_EQ(fresh.Size(), bytes);
        EXPECT_TRUE(AllZero(fresh));
        TPixelMemory copy = fresh;
        EXPECT_TRUE(copy == fresh);
        copy.Data()[bytes - 1] = 1;
        EXPECT_FALSE(copy == fresh);
        EXPECT_EQ(fresh.Data()[bytes - 1], 0);
        TPixelMemory moved = std::move(copy);
        EXPECT_EQ(moved.Data()[bytes - 1], 1);
        EXPECT_EQ(copy.Size(), 0u); // a moved-from block is empty
        copy = moved;
        EXPECT_TRUE(copy == moved);
    }
    TPixelMemory none(0);
    EXPECT_EQ(none.Data(), nullptr);
    EXPECT_TRUE(none == TPixelMemory());
}

TEST(PixelMemory, LargePictureRoundTripsThroughBmp)
{
    TBitmap b(1600, 1000);
    for (int y = 0; y < b.Height(); y += 7)
        for (int x = 0; x < b.Width(); x += 13) b.SetPixel(x, y, RGB(uint8_t(x), uint8_t(y), uint8_t(x ^ y)));
    EXPECT_TRUE(ReadBmp(WriteBmp(b)) == b);
    TBitmap resized = b;
    resized.SetSize(1601, 999);
    EXPECT_EQ(resized.GetPixel(13, 7), RGB(13, 7, 13 ^ 7));
    EXPECT_EQ(resized.GetPixel(1600, 0), clBlack);
}
