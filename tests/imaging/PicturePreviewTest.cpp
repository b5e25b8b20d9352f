#include "ImagingTestSupport.h"

#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/JpegCodec.h"
#include "imaging/PicturePreview.h"

#include <cstdlib>
#include <sys/stat.h>

using namespace tavrik;
using namespace tavrik::test;

namespace {

TEST(PicturePreview, TheSmallestScaleThatStillCoversTheBox)
{
    struct Case {
        int width, height, boxWidth, boxHeight, denominator;
    } cases[] = {
        {4000, 3000, 190, 290, 8}, // a 12-megapixel photograph in the dialog's pane
        {1520, 1520, 190, 190, 8}, // exactly the box at 1/8
        {1513, 1513, 190, 190, 8}, // libjpeg rounds 189.1 up to 190
        {1512, 1512, 190, 190, 4}, // 189 at 1/8 is too small
        {3000, 400, 190, 190, 2},  // the short side decides
        {379, 379, 190, 190, 2},   {378, 378, 190, 190, 1}, {100, 100, 190, 190, 1},
        {1, 1, 1, 1, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        EXPECT_EQ(JpegPreviewScaleDenominator(c.width, c.height, c.boxWidth, c.boxHeight), c.denominator);
    }
}

// Mean of one channel over a block of the full picture, as a reduced decode averages it.
int BlockMean(const TBitmap& picture, int x0, int y0, int size, int channel)
{
    int sum = 0;
    for (int y = y0; y < y0 + size; ++y)
        for (int x = x0; x < x0 + size; ++x) sum += picture.ScanLine(y)[3 * x + channel];
    return sum / (size * size);
}

// Smooth in every channel, so that any position maps to its own colour without the ringing
// of hard edges.
TBitmap SmoothPicture(int width, int height)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.ScanLine(y) + 3 * x;
            p[0] = uint8_t(x * 255 / width);
            p[1] = uint8_t(y * 255 / height);
            p[2] = uint8_t(255 - (x + y) * 255 / (width + height));
        }
    return picture;
}

TEST(PicturePreview, AReducedJpegMatchesTheFullPictureAveragedOverItsBlocks)
{
    TBitmap full = SmoothPicture(640, 480);
    std::vector<uint8_t> stream = JpegEncode(full, 95);
    TBitmap decodedFull = JpegDecode(stream);
    for (int denominator : {2, 4, 8}) {
        SCOPED_TRACE(denominator);
        TBitmap preview = JpegDecodePreview(stream, 640 / denominator, 480 / denominator);
        ASSERT_EQ(preview.Width(), 640 / denominator);
        ASSERT_EQ(preview.Height(), 480 / denominator);
        ASSERT_EQ(preview.PixelFormat(), TPixelFormat::pf24bit);
        for (int y = 0; y < preview.Height(); y += 7)
            for (int x = 0; x < preview.Width(); x += 5)
                for (int channel = 0; channel < 3; ++channel)
                    ASSERT_NEAR(preview.ScanLine(y)[3 * x + channel],
                                BlockMean(decodedFull, x * denominator, y * denominator, denominator, channel), 6)
                        << x << ", " << y << " channel " << channel;
    }
}

class PicturePreviewFiles : public TempDirTest {};

TEST_F(PicturePreviewFiles, AnyFileThatIsNoGoodPictureGivesNoPreview)
{
    std::vector<uint8_t> jpeg = JpegEncode(SmoothPicture(400, 300), 80);
    WriteFileAtomically(PathOf("photo.JPEG"), jpeg);
    WriteBmpFile(GradientPicture(40, 30), PathOf("small.bmp"));
    std::vector<uint8_t> damaged(jpeg.begin(), jpeg.begin() + 2);
    damaged.insert(damaged.end(), 500, 0x5A);
    WriteFileAtomically(PathOf("damaged.jpg"), damaged);
    WriteFileAtomically(PathOf("text.bmp"), std::vector<uint8_t>{'B', 'M', 'n', 'o', 't'});
    WriteFileAtomically(PathOf("picture.png"), jpeg);
    WriteFileAtomically(PathOf("empty.jpg"), {});
    std::filesystem::create_directory(PathOf("folder.jpg"));
    // Reading a pipe would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo(PathOf("pipe.jpg").c_str(), 0600), 0);

    struct Case {
        const char* name;
        int width, height;
    } cases[] = {
        {"photo.JPEG", 200, 150}, {"small.bmp", 40, 30}, {"damaged.jpg", 0, 0}, {"text.bmp", 0, 0},
        {"picture.png", 0, 0},    {"empty.jpg", 0, 0},   {"folder.jpg", 0, 0},  {"pipe.jpg", 0, 0},
        {"missing.jpg", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap preview = LoadPicturePreview(PathOf(c.name), 190, 140);
        EXPECT_EQ(preview.Width(), c.width);
        EXPECT_EQ(preview.Height(), c.height);
    }
}

} // namespace
