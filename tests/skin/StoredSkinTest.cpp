#include "core/Exception.h"
#include "gfx/BmpFile.h"
#include "skin/SkinErrors.h"
#include "skin/SkinStream.h"
#include "skin/StoredSkin.h"
#include "skin/SkinStreamFixtures.h"

#include <gtest/gtest.h>

using namespace tavrik;
using namespace tavrik::test;

namespace {

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// A run-length BMP of any claimed size whose data is just "end of bitmap".
std::vector<uint8_t> RunLengthBitmap(int32_t width, int32_t height)
{
    std::vector<uint8_t> b{'B', 'M'};
    AppendInt32(b, 14 + 40 + 8 + 2);
    AppendInt32(b, 0);
    AppendInt32(b, 14 + 40 + 8);
    for (int32_t v : {40, width, height}) AppendInt32(b, v);
    Append(b, {1, 0, 8, 0});
    for (int32_t v : {1, 2, 0, 0, 2, 0}) AppendInt32(b, v);
    Append(b, {0, 0, 0, 0, 255, 255, 255, 0, 0, 1});
    return b;
}

TbsStoredSkin StoredWith(const TbsSkinPictureSet& pictures)
{
    TbsStoredSkin stored;
    static_cast<TbsSkinPictureSet&>(stored) = pictures;
    return stored;
}

} // namespace

TEST(PicturesStream, LayoutIsFlagsImagesAndCount)
{
    TbsSkinPictureSet set = SamplePictures();
    std::vector<uint8_t> expected{0};
    Append(expected, WriteBmp(set.picture));
    expected.push_back(1);
    expected.push_back(0);
    Append(expected, WriteBmp(set.mask));
    Append(expected, {3, 0, 0, 0});
    for (const TBitmap& b : set.activepictures) Append(expected, WriteBmp(b));
    EXPECT_EQ(StoredWith(set).WritePictures(), expected);
}

TEST(PicturesStream, ReadsBackWhatWasWrittenByteForByte)
{
    std::vector<uint8_t> stream = StoredWith(SamplePictures()).WritePictures();
    TbsStoredSkin stored;
    EXPECT_EQ(stored.ReadPictures(stream), stream.size());
    EXPECT_EQ(static_cast<const TbsSkinPictureSet&>(stored), SamplePictures());
    EXPECT_TRUE(stored.inactivepicture.Empty());
    EXPECT_EQ(stored.activepictures[1].PixelFormat(), TPixelFormat::pf1bit);
    EXPECT_EQ(stored.WritePictures(), stream);
}

TEST(PicturesStream, EmptyAndNegativeCounts)
{
    for (int32_t count : {0, -1, INT32_MIN}) {
        SCOPED_TRACE(count);
        std::vector<uint8_t> stream{1, 1, 1};
        for (int i = 0; i < 4; ++i) stream.push_back(uint8_t(uint32_t(count) >> (8 * i)));
        TbsStoredSkin stored = StoredWith(SamplePictures());
        EXPECT_EQ(stored.ReadPictures(stream), 7u);
        EXPECT_TRUE(stored.picture.Empty());
        EXPECT_TRUE(stored.mask.Empty());
        EXPECT_TRUE(stored.activepictures.empty());
    }
    EXPECT_EQ(TbsStoredSkin().WritePictures(), (std::vector<uint8_t>{1, 1, 1, 0, 0, 0, 0}));

    SCOPED_TRACE("an empty active picture has no flag to say so");
    TbsStoredSkin withEmpty = StoredWith(SamplePictures());
    withEmpty.activepictures.emplace_back();
    EXPECT_THROW(withEmpty.WritePictures(), EInvalidGraphic);
}

TEST(PicturesStream, EveryTruncationFailsAndKeepsThePictures)
{
    std::vector<uint8_t> stream = StoredWith(SamplePictures()).WritePictures();
    TbsStoredSkin stored = StoredWith(SamplePictures());
    for (size_t length = 0; length < stream.size(); ++length) {
        SCOPED_TRACE(length);
        std::span<const uint8_t> prefix(stream.data(), length);
        EXPECT_THROW(stored.ReadPictures(prefix), Exception);
    }
    EXPECT_EQ(static_cast<const TbsSkinPictureSet&>(stored), SamplePictures());
}

TEST(PicturesStream, BadImagesAndLyingCounts)
{
    TbsStoredSkin stored;
    std::vector<uint8_t> notBitmap{0, 'B', 'N', 60, 0, 0, 0};
    notBitmap.resize(80);
    EXPECT_THROW(stored.ReadPictures(notBitmap), EInvalidGraphic);

    std::vector<uint8_t> tooShortSize{0, 'B', 'M', 13, 0, 0, 0};
    tooShortSize.resize(80);
    EXPECT_THROW(stored.ReadPictures(tooShortSize), EInvalidGraphic);

    std::vector<uint8_t> sizeBeyondEnd{0, 'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F};
    sizeBeyondEnd.resize(80);
    EXPECT_THROW(stored.ReadPictures(sizeBeyondEnd), EReadError);

    std::vector<uint8_t> lyingCount{1, 1, 1, 0xFF, 0xFF, 0xFF, 0x7F};
    Append(lyingCount, WriteBmp(SamplePictures().picture));
    EXPECT_THROW(stored.ReadPictures(lyingCount), EReadError);

    std::vector<uint8_t> damagedHeader = StoredWith(SamplePictures()).WritePictures();
    damagedHeader[1 + 14 + 4] = 0xFF; // width of the frame picture: far beyond its pixels
    damagedHeader[1 + 14 + 7] = 0x7F;
    EXPECT_THROW(stored.ReadPictures(damagedHeader), EInvalidGraphic);
    EXPECT_TRUE(stored.activepictures.empty());
}

TEST(PicturesStream, ImagesWithoutPixels)
{
    std::vector<uint8_t> noPixels = WriteBmp(SamplePictures().picture);
    std::fill(noPixels.begin() + 22, noPixels.begin() + 26, 0); // height 0
    std::vector<uint8_t> stream{0};
    Append(stream, noPixels);
    Append(stream, {1, 1, 0, 0, 0, 0});
    TbsStoredSkin stored;
    ASSERT_EQ(stored.ReadPictures(stream), stream.size());
    EXPECT_TRUE(stored.picture == TBitmap()) << "reads as the same empty bitmap as a set flag";
    EXPECT_EQ(stored.WritePictures(), (std::vector<uint8_t>{1, 1, 1, 0, 0, 0, 0}));

    std::vector<uint8_t> emptyActive{1, 1, 1, 1, 0, 0, 0};
    Append(emptyActive, noPixels);
    EXPECT_THROW(stored.ReadPictures(emptyActive), EInvalidGraphic);
}

TEST(PicturesStream, PicturesClaimingHugeSizesAreRefused)
{
    TbsStoredSkin stored;
    std::vector<uint8_t> fits{1, 1, 1, 1, 0, 0, 0};
    Append(fits, RunLengthBitmap(64, 32));
    ASSERT_EQ(stored.ReadPictures(fits), fits.size());
    EXPECT_EQ(stored.activepictures[0].Width(), 64);

    std::vector<uint8_t> huge{1, 1, 1, 1, 0, 0, 0};
    Append(huge, RunLengthBitmap(100000, 100000));
    EXPECT_THROW(stored.ReadPictures(huge), EInvalidGraphic);

    SCOPED_TRACE("pictures within the cap each, but beyond it together");
    std::vector<uint8_t> many{1, 1, 1, 3, 0, 0, 0};
    for (int i = 0; i < 3; ++i) Append(many, RunLengthBitmap(4096, 4096));
    EXPECT_THROW(stored.ReadPictures(many), EInvalidGraphic);
    EXPECT_EQ(stored.activepictures.size(), 1u);
}

TEST(StoredSkin, LoadsSkinFileAndItsBitmaps)
{
    TTempFolder dir;
    TbsSkinPictureSet set = SamplePictures();
    WriteBmpFile(set.picture, dir.Path("main.bmp"));
    WriteBmpFile(set.mask, dir.Path("mask.bmp"));
    for (size_t i = 0; i < set.activepictures.size(); ++i)
        WriteBmpFile(set.activepictures[i], dir.Path("p" + std::to_string(i) + ".bmp"));
    dir.WriteText("skin.ini", "\xEF\xBB\xBF[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\n"
                              "activepicturescount=3\r\n0=p0.bmp\r\n1=p1.bmp\r\n2=p2.bmp\r\n");
    TbsStoredSkin stored;
    stored.SetFileName("kept.ini");
    stored.LoadFromSkinFile(dir.Path("skin.ini"));
    EXPECT_EQ(static_cast<const TbsSkinPictureSet&>(stored), set);
    ASSERT_EQ(stored.IniStrings().size(), 8u);
    EXPECT_EQ(stored.IniStrings()[0], "[PICTURES]");
    EXPECT_EQ(stored.FileName(), "kept.ini");
}

TEST(StoredSkin, FailedSkinFileLoadKeepsTheContent)
{
    TTempFolder dir;
    WriteBmpFile(SamplePictures().picture, dir.Path("main.bmp"));
    dir.WriteText("missing.ini", "[PICTURES]\npicture=main.bmp\nactivepicturescount=1\n0=nothere.bmp\n");
    dir.WriteText("unnamed.ini", "[PICTURES]\nactivepicturescount=2\n0=main.bmp\n");
    dir.WriteText("notbitmap.ini", "[PICTURES]\nmask=notbitmap.ini\n");
    TbsStoredSkin stored = StoredWith(SamplePictures());
    stored.SetIniStrings({"line"});
    EXPECT_THROW(stored.LoadFromSkinFile(dir.Path("missing.ini")), EFileError);
    EXPECT_THROW(stored.LoadFromSkinFile(dir.Path("unnamed.ini")), EFileError);
    EXPECT_THROW(stored.LoadFromSkinFile(dir.Path("notbitmap.ini")), EInvalidGraphic);
    EXPECT_THROW(stored.LoadFromSkinFile(dir.Path("absent.ini")), EFileError);
    EXPECT_EQ(static_cast<const TbsSkinPictureSet&>(stored), SamplePictures());
    EXPECT_EQ(stored.IniStrings(), std::vector<std::string>{"line"});

    SCOPED_TRACE("a text that is no skin still loads");
    dir.WriteText("plain.ini", "just text");
    stored.LoadFromSkinFile(dir.Path("plain.ini"));
    EXPECT_EQ(stored.IniStrings(), std::vector<std::string>{"just text"});
    EXPECT_TRUE(stored.picture.Empty());
    EXPECT_TRUE(stored.activepictures.empty());
}
