#include "gfx/Bitmap.h"
#include "gfx/BmpFile.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tavrik;

namespace {

bool AllZero(const TBitmap& b) { return std::all_of(b.Bits(), b.Bits() + b.SizeBytes(), [](uint8_t v) { return v == 0; }); }

} // namespace

// Sizes on both sides of the point where blocks become mappings of their own, each made
// after a filled bitmap of the same size was freed, so that reused memory would show.
TEST(ZeroedAllocator, NewBitmapsAreZeroAtEverySize)
{
    for (int height : {1, 100, 1398, 1399, 1400, 2800}) {
        SCOPED_TRACE(height);
        {
            TBitmap used(1000, height);
            std::fill(used.Bits(), used.Bits() + used.SizeBytes(), uint8_t(0xA5));
        }
        TBitmap fresh(1000, height);
        EXPECT_EQ(fresh.SizeBytes(), size_t(3000) * size_t(height));
        EXPECT_TRUE(AllZero(fresh));
        TBitmap copy = fresh;
        copy.ScanLine(height - 1)[2999] = 1;
        EXPECT_FALSE(copy == fresh);
    }
}

TEST(ZeroedAllocator, LargePictureRoundTripsThroughBmp)
{
    TBitmap b(1600, 1000);
    for (int y = 0; y < b.Height(); y += 7)
        for (int x = 0; x < b.Width(); x += 13) b.SetPixel(x, y, RGB(uint8_t(x), uint8_t(y), uint8_t(x ^ y)));
    EXPECT_TRUE(ReadBmp(WriteBmp(b)) == b);
}
