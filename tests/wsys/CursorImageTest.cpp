#include "wsys/CursorImage.h"
#include "wsys/WinApi.h"

#include <gtest/gtest.h>

#include <optional>

using namespace tavrik;

namespace {

// A 32 x 32 pointer picture that shows the pixels of rows first..last in column 5 (none when
// first > last), with the hot spot at (0, hotY).
TCursorImage Pointer(int first, int last, int hotY)
{
    TCursorImage image{TBitmap(32, 32, TPixelFormat::pf32bit), {0, hotY}};
    for (int y = first; y <= last; ++y) image.picture.ScanLine(y)[5 * 4 + 3] = 255;
    return image;
}

} // namespace

TEST(CursorImage, TheOffsetEndsAtThePointersLowestVisibleRow)
{
    const int cursorHeight = GetSystemMetrics(SM_CYCURSOR);
    TCursorImage opaque24{TBitmap(32, 32, TPixelFormat::pf24bit), {0, 0}};
    struct TCase {
        const char* name;
        std::optional<TCursorImage> image;
        int offset;
    } cases[] = {
        {"an arrow pointing with its tip", Pointer(0, 18, 0), 18},
        {"a cross pointing with its middle", Pointer(0, 16, 8), 8},
        {"a shape in the last row", Pointer(31, 31, 3), 28},
        {"a faint pixel counts", Pointer(20, 20, 0), 20},
        {"nothing shows", Pointer(1, 0, 0), 0},
        {"the hot spot below the shape", Pointer(0, 4, 10), 0},
        {"no picture: the cursor height", std::nullopt, cursorHeight},
        {"an empty picture", TCursorImage{}, cursorHeight},
        {"a picture without alpha", opaque24, cursorHeight},
    };
    cases[3].image->picture.ScanLine(20)[5 * 4 + 3] = 1;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CursorBottomOffset(c.image), c.offset);
    }
}
