#include "skincontrols/GaugeGeometry.h"

#include "gfx/Canvas.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

// Each pixel of the picture tells where it came from: red is x, green is y.
TBitmap CoordinatePicture(int width, int height)
{
    TBitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, RGB(uint8_t(x), uint8_t(y), 9));
    return b;
}

// Where the gauge's pixel at position `along` of the fill (0 at the fill's start: left, or
// top when vertical) comes from along the progress image, or -1 for none.
int ExpectedSource(int along, int fillLength, int imageStart, int imageLength, int begin, int end, bool vertical)
{
    const int middle = imageLength - begin - end;
    if (fillLength >= begin + end) {
        if (along < begin) return imageStart + along;
        if (along >= fillLength - end) return imageStart + imageLength - (fillLength - along);
    }
    if (fillLength - begin - end <= 0 || middle <= 0) return -1;
    if (!vertical) return imageStart + begin + (along - begin) % middle;
    const int fromBottom = fillLength - end - 1 - along; // middle copies start at the bottom
    return imageStart + imageLength - end - 1 - fromBottom % middle;
}

TEST(GaugeGeometryTest, PiecesTileTheMiddleAndKeepTheCaps)
{
    const TBitmap picture = CoordinatePicture(60, 60);
    const TColor none = RGB(255, 255, 255);
    struct TCase {
        int imageLength, begin, end;
    } cases[] = {{20, 3, 4}, {7, 3, 4}, {5, 0, 0}, {20, -2, 4}, {1, 0, 0}};
    for (const TCase& c : cases)
        for (bool vertical : {false, true})
            for (int length = 0; length <= 45; ++length) {
                SCOPED_TRACE(std::to_string(c.imageLength) + "/" + std::to_string(c.begin) + "/" + std::to_string(c.end) +
                             (vertical ? " vertical " : " ") + std::to_string(length));
                // The image sits at 10 along the axis and at 30 across it, 6 thick.
                const TRect image = vertical ? Bounds(30, 10, 6, c.imageLength) : Bounds(10, 30, c.imageLength, 6);
                const TRect fill = vertical ? Bounds(2, 1, 6, length) : Bounds(1, 2, length, 6);
                TBitmap target(60, 60);
                target.Fill(none);
                TCanvas canvas(target);
                for (const TGaugePiece& p : GaugeFillPieces(fill, image, c.begin, c.end, vertical)) {
                    ASSERT_TRUE(image.Contains(p.Source));
                    ASSERT_TRUE(fill.Contains(p.Dest));
                    canvas.CopyRect(p.Dest, picture, p.Source);
                }
                const int begin = std::max(0, c.begin), end = std::max(0, c.end);
                for (int along = 0; along < length; ++along)
                    for (int across = 0; across < 6; ++across) {
                        const int source = ExpectedSource(along, length, 10, c.imageLength, begin, end, vertical);
                        const TColor want = source < 0 ? none
                                            : vertical ? RGB(uint8_t(30 + across), uint8_t(source), 9)
                                                       : RGB(uint8_t(source), uint8_t(30 + across), 9);
                        const TColor got = vertical ? target.GetPixel(2 + across, 1 + along) : target.GetPixel(1 + along, 2 + across);
                        ASSERT_EQ(got, want) << "at " << along << "," << across;
                    }
            }
}

TEST(GaugeGeometryTest, FillAndTextAtTheEndsOfTheRange)
{
    const TRect area{2, 2, 98, 15};
    struct TCase {
        TValueRange range;
        TRect horizontal;
        TRect vertical;
        const char* percent;
    } cases[] = {
        {{0, 100, 0}, {2, 2, 2, 15}, {2, 15, 98, 15}, "0%"},
        {{0, 100, 100}, area, area, "100%"},
        {{0, 100, 50}, {2, 2, 50, 15}, {2, 9, 98, 15}, "50%"}, // 6.5 rows round to 6
        {{0, 8, 1}, {2, 2, 14, 15}, {2, 13, 98, 15}, "12%"},   // 12.5 -> 12, 1.625 rows -> 2
        {{40, 40, 40}, {2, 2, 2, 15}, {2, 15, 98, 15}, "0%"},  // empty range
        {{40, 10, 40}, {2, 2, 2, 15}, {2, 15, 98, 15}, "0%"},  // reversed range
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.percent);
        EXPECT_EQ(ProgressFillRect(area, false, c.range), c.horizontal);
        EXPECT_EQ(ProgressFillRect(area, true, c.range), c.vertical);
        EXPECT_EQ(ProgressString(c.range, false, "x", true), c.percent);
    }
    EXPECT_EQ(ProgressString({0, 100, 75}, true, "Done ", true), "Done 75%");
    EXPECT_EQ(ProgressString({0, 100, 75}, true, "Done", false), "Done");
    EXPECT_EQ(ProgressString({0, 100, 75}, false, "Done", false), "");
}

} // namespace
} // namespace tavrik
