#include "ImagingTestSupport.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/BatchConversion.h"
#include "imaging/PictureLoader.h"

using namespace tavrik;
using namespace tavrik::test;

namespace {

class BatchConversion : public TempDirTest {};
class PictureLoader : public TempDirTest {};

size_t FilesIn(const std::filesystem::path& dir)
{
    return size_t(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()));
}

} // namespace

TEST_F(BatchConversion, ReaderIsChosenByTheBmpExtensionOnly)
{
    EXPECT_TRUE(IsBmpSource("/a/PHOTO.BMP"));
    EXPECT_TRUE(IsBmpSource("/a/photo.Bmp"));
    EXPECT_FALSE(IsBmpSource("/a/photo.bmp.jpg"));
    EXPECT_FALSE(IsBmpSource("/a.bmp/photo"));
    EXPECT_FALSE(IsBmpSource("/a/photo.dib"));

    const TBitmap picture = GradientPicture(21, 13);
    WriteBmpFile(picture, PathOf("PHOTO.BMP"));
    // JPEG content under a name that is not .bmp is decoded as JPEG.
    WriteFileAtomically(PathOf("photo.png"), JpegEncode(picture, 95));
    WriteFileAtomically(PathOf("noext"), JpegEncode(picture, 95));
    const std::string out = Dir().string();
    EXPECT_EQ(ConvertBatchFile(PathOf("PHOTO.BMP"), out, 40), out + "/Yarro_PHOTO.jpg");
    EXPECT_EQ(ReadFileBytes(out + "/Yarro_PHOTO.jpg"), JpegEncode(picture, 40));
    EXPECT_EQ(ConvertBatchFile(PathOf("photo.png"), out, 40), out + "/Yarro_photo.jpg");
    EXPECT_EQ(ReadFileBytes(out + "/Yarro_photo.jpg"), JpegEncode(JpegDecode(PathOf("photo.png")), 40));
    EXPECT_EQ(ConvertBatchFile(PathOf("noext"), out, 40), out + "/Yarro_noext.jpg");
}

TEST_F(BatchConversion, FailuresLeaveNoOutputBehind)
{
    const std::string out = Dir().string();
    WriteFileAtomically(PathOf("real.png"), std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0});
    EXPECT_THROW(ConvertBatchFile(PathOf("real.png"), out, 75), EJpegError);
    WriteFileAtomically(PathOf("bad.bmp"), std::vector<uint8_t>{'B', 'M', 1, 2, 3});
    EXPECT_THROW(Bmp2jpg(PathOf("bad.bmp"), out, 75), EInvalidGraphic);
    EXPECT_THROW(jpg2jpg(PathOf("missing.jpg"), out, 75), EFileError);
    EXPECT_EQ(FilesIn(Dir()), 2u);

    WriteBmpFile(GradientPicture(3, 3), PathOf("ok.bmp"));
    const std::string missingFolder = PathOf("gone");
    try {
        Bmp2jpg(PathOf("ok.bmp"), missingFolder, 75);
        FAIL() << "wrote into a missing folder";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find(missingFolder + "/Yarro_ok.jpg"), std::string::npos) << e.what();
    }
    EXPECT_EQ(FilesIn(Dir()), 3u);
}

TEST_F(BatchConversion, OutputsAreReplacedButEmptyPicturesAreRefused)
{
    const std::string out = Dir().string();
    const std::vector<uint8_t> earlier(5000, 1);
    WriteFileAtomically(out + "/Yarro_cat.jpg", earlier);
    for (TBitmap empty : {TBitmap(), TBitmap(0, 5), TBitmap(5, 0)}) {
        SCOPED_TRACE(std::to_string(empty.Width()) + " x " + std::to_string(empty.Height()));
        WriteBmpFile(empty, PathOf("cat.bmp"));
        try {
            ConvertBatchFile(PathOf("cat.bmp"), out, 75);
            FAIL() << "an empty picture was written";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(std::string(e.what()).find(out + "/Yarro_cat.jpg: the picture is empty"), std::string::npos)
                << e.what();
        }
        EXPECT_EQ(ReadFileBytes(out + "/Yarro_cat.jpg"), earlier) << "the earlier output stays as it was";
    }
    // cat.bmp and cat.jpg share their output; the later conversion wins.
    WriteFileAtomically(PathOf("cat.jpg"), JpegEncode(GradientPicture(8, 8), 75));
    jpg2jpg(PathOf("cat.jpg"), out, 75);
    EXPECT_EQ(ReadFileBytes(out + "/Yarro_cat.jpg"), JpegEncode(JpegDecode(PathOf("cat.jpg")), 75));
}

TEST_F(PictureLoader, ChoosesTheReaderByExtensionInAnyCase)
{
    const TBitmap picture = GradientPicture(12, 7);
    const std::vector<uint8_t> jpeg = JpegEncode(picture, 90);
    const TBitmap decoded = JpegDecode(jpeg);
    for (const char* name : {"photo.JPG", "photo.jpg", "photo.jpeg", "photo.JpEg"}) {
        SCOPED_TRACE(name);
        WriteFileAtomically(PathOf(name), jpeg);
        auto loaded = LoadPictureFromFile(PathOf(name));
        ASSERT_TRUE(loaded);
        EXPECT_TRUE(SamePixels(decoded, *loaded));
    }
    WriteBmpFile(picture, PathOf("picture.Bmp"));
    auto bmp = LoadPictureFromFile(PathOf("picture.Bmp"));
    ASSERT_TRUE(bmp);
    EXPECT_TRUE(SamePixels(picture, *bmp));

    // Extensions the loader accepts without reading anything.
    for (const char* name : {"icon.ico", "drawing.WMF", "drawing.emf"}) {
        SCOPED_TRACE(name);
        WriteFileAtomically(PathOf(name), std::vector<uint8_t>{1, 2, 3});
        auto empty = LoadPictureFromFile(PathOf(name));
        ASSERT_TRUE(empty);
        EXPECT_TRUE(empty->Empty());
    }
    for (const char* name : {"photo.png", "photo", "photo.jpg.txt"}) {
        WriteFileAtomically(PathOf(name), jpeg);
        EXPECT_FALSE(LoadPictureFromFile(PathOf(name))) << name;
    }
    EXPECT_FALSE(LoadPictureFromFile(PathOf("missing.jpg")));
    EXPECT_FALSE(LoadPictureFromFile(PathOf("missing.ico")));
    std::filesystem::create_directory(PathOf("folder.jpg"));
    EXPECT_FALSE(LoadPictureFromFile(PathOf("folder.jpg")));
}

TEST_F(PictureLoader, EveryDepthBecomesThe24BitPictureBuffer)
{
    TBitmap paletted(6, 4, TPixelFormat::pf8bit);
    for (int x = 0; x < 6; ++x) paletted.ScanLine(1)[x] = uint8_t(40 * x);
    WriteBmpFile(paletted, PathOf("p8.bmp"));
    auto loaded = LoadPictureFromFile(PathOf("p8.bmp"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_TRUE(SamePixels(paletted.ToPictureBuffer(), *loaded));

    WriteFileAtomically(PathOf("damaged.jpg"), std::vector<uint8_t>{0xFF, 0xD8, 0xFF});
    EXPECT_THROW(LoadPictureFromFile(PathOf("damaged.jpg")), EJpegError);
}
