#include "core/Exception.h"
#include "gfx/BmpFile.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"
#include "skin/SkinErrors.h"
#include "skin/SkinIni.h"
#include "skin/SkinPicturesStream.h"
#include "skin/SkinStream.h"
#include "skin/SkinStreamFixtures.h"
#include "skin/StoredSkin.h"

#include <gtest/gtest.h>
#include <zlib.h>

using namespace tavrik;
using namespace tavrik::test;

namespace {

const std::vector<std::string> kSkinLines = {
    "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "mask=mask.bmp", "activepicturescount=3",
    "0=p0.bmp", "1=p1.bmp", "2=p2.bmp", "[FORMINFO]", "clientrect=2,3,5,4", "[SKINOBJECTS]", "count=1",
    "0=closebutton:stdbutton", "[closebutton]", "command=cmclose", "skinrect=1,1,3,3", "[SKINCONTROLS]",
    "count=1", "0=button:button", "[button]", "pictureindex=0", "skinrect=0,0,9,3"};

std::vector<uint8_t> Deflated(const std::vector<uint8_t>& data, int level = 9)
{
    uLongf size = compressBound(uLong(data.size()));
    std::vector<uint8_t> out(size);
    EXPECT_EQ(compress2(out.data(), &size, data.data(), uLong(data.size()), level), Z_OK);
    out.resize(size);
    return out;
}

std::vector<uint8_t> Inflated(const TbsCompressedStoredSkin& skin)
{
    std::vector<uint8_t> out;
    skin.DecompressTo(out);
    return out;
}

TbsCompressedStoredSkin CompressedOf(const std::vector<uint8_t>& block)
{
    TbsCompressedStoredSkin skin;
    skin.SetCompressedData(block);
    return skin;
}

std::vector<std::string> SavedText(const TbsSkinData& data)
{
    TbsSkinIni ini;
    data.SaveToIni(ini);
    return ini.Lines();
}

void WriteSkinFolder(const TTempFolder& dir, const std::vector<std::string>& lines)
{
    TbsSkinPictureSet set = SamplePictures();
    WriteBmpFile(set.picture, dir.Path("main.bmp"));
    WriteBmpFile(set.mask, dir.Path("mask.bmp"));
    for (size_t i = 0; i < set.activepictures.size(); ++i)
        WriteBmpFile(set.activepictures[i], dir.Path("p" + std::to_string(i) + ".bmp"));
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    dir.WriteText("skin.ini", text);
}

std::vector<uint8_t> CompressedFile(int32_t format, int32_t length, const std::vector<uint8_t>& block)
{
    std::vector<uint8_t> file;
    AppendInt32(file, format);
    AppendInt32(file, length);
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

} // namespace

TEST(CompressedSkin, BlockIsZlibLevelNineOfTheLayout)
{
    std::vector<uint8_t> block = TbsCompressedStoredSkin::CompressSkin(kSkinLines, SamplePictures());
    ASSERT_GE(block.size(), 6u);
    EXPECT_EQ(block[0], 0x78);
    EXPECT_EQ(block[1], 0xDA);
    std::vector<uint8_t> layout;
    AppendInt32(layout, 1);
    WriteSkinPictures(SamplePictures(), layout);
    for (const std::string& line : kSkinLines) {
        layout.insert(layout.end(), line.begin(), line.end());
        layout.push_back('\r');
        layout.push_back('\n');
    }
    EXPECT_EQ(Inflated(CompressedOf(block)), layout);
    EXPECT_EQ(block, Deflated(layout));

    SCOPED_TRACE("DecompressTo appends");
    std::vector<uint8_t> out{42};
    CompressedOf(block).DecompressTo(out);
    EXPECT_EQ(out.size(), layout.size() + 1);
    EXPECT_EQ(out[0], 42);
}

TEST(CompressedSkin, LoadsTheSameSkinAsTheStoredSkin)
{
    TbsStoredSkin stored;
    stored.SetIniStrings(kSkinLines);
    static_cast<TbsSkinPictureSet&>(stored) = SamplePictures();
    TbsSkinData fromStored, fromCompressed;
    fromStored.ApplyStoredSkin(stored);
    TbsCompressedStoredSkin compressed = CompressedOf(TbsCompressedStoredSkin::CompressSkin(kSkinLines, SamplePictures()));
    fromCompressed.SetCompressedStoredSkin(&compressed);
    EXPECT_FALSE(fromCompressed.NoSkinLoaded());
    EXPECT_EQ(SavedText(fromCompressed), SavedText(fromStored));
    EXPECT_EQ(static_cast<const TbsSkinPictureSet&>(fromCompressed), static_cast<const TbsSkinPictureSet&>(fromStored));
    EXPECT_EQ(fromCompressed.clientrect, Rect(2, 3, 5, 4));
}

TEST(CompressedSkin, EmptyBlockChangesNothing)
{
    TbsSkinData data;
    TbsStoredSkin stored;
    stored.SetIniStrings(kSkinLines);
    data.ApplyStoredSkin(stored);
    TbsCompressedStoredSkin empty;
    EXPECT_TRUE(empty.IsEmptySkin());
    data.SetCompressedStoredSkin(&empty);
    EXPECT_FALSE(data.NoSkinLoaded());
    EXPECT_EQ(data.SkinControls.size(), 1u);
}

TEST(CompressedSkin, WrongFormatNumberLoadsNothingWithoutError)
{
    std::vector<uint8_t> layout;
    AppendInt32(layout, 2);
    TbsStoredSkin stored;
    stored.SetIniStrings(kSkinLines);
    TbsSkinData data;
    data.ApplyStoredSkin(stored);
    TbsCompressedStoredSkin wrong = CompressedOf(Deflated(layout));
    data.ApplyCompressedStoredSkin(wrong);
    EXPECT_TRUE(data.NoSkinLoaded());
    EXPECT_TRUE(data.SkinControls.empty());

    SCOPED_TRACE("no text check: pictures without a skin text still count as loaded");
    std::vector<uint8_t> noText;
    AppendInt32(noText, 1);
    WriteSkinPictures(SamplePictures(), noText);
    data.ApplyCompressedStoredSkin(CompressedOf(Deflated(noText)));
    EXPECT_FALSE(data.NoSkinLoaded());
    EXPECT_EQ(data.activepictures.size(), 3u);
}

TEST(CompressedSkin, CorruptTruncatedAndShortDataFail)
{
    std::vector<uint8_t> block = TbsCompressedStoredSkin::CompressSkin(kSkinLines, SamplePictures());
    std::vector<uint8_t> corrupt = block;
    corrupt[2] ^= 0xFF;
    corrupt[3] ^= 0x55;
    std::vector<uint8_t> truncated(block.begin(), block.begin() + std::ptrdiff_t(block.size() / 2));
    std::vector<uint8_t> noTrailer(block.begin(), block.end() - 4);
    for (const auto* bad : {&corrupt, &truncated, &noTrailer}) {
        try {
            Inflated(CompressedOf(*bad));
            ADD_FAILURE() << "no error";
        } catch (const EZDecompressionError& e) {
            EXPECT_EQ(e.Message(), "compression error");
        }
    }
    TbsSkinData data;
    EXPECT_THROW(data.ApplyCompressedStoredSkin(CompressedOf(truncated)), EZDecompressionError);
    EXPECT_TRUE(data.NoSkinLoaded());

    SCOPED_TRACE("a layout shorter than its format number");
    EXPECT_THROW(data.ApplyCompressedStoredSkin(CompressedOf(Deflated({1, 0}))), EReadError);
    SCOPED_TRACE("bytes after the end of the zlib stream are ignored");
    std::vector<uint8_t> trailing = block;
    trailing.insert(trailing.end(), {1, 2, 3});
    EXPECT_EQ(Inflated(CompressedOf(trailing)), Inflated(CompressedOf(block)));
}

TEST(CompressedSkin, DecompressionBombIsStopped)
{
    // Deflated in pieces so that the test itself stays small.
    z_stream z{};
    ASSERT_EQ(deflateInit(&z, 1), Z_OK);
    std::vector<uint8_t> zeros(1 << 20), block(1 << 20);
    z.next_out = block.data();
    z.avail_out = uInt(block.size());
    size_t total = TbsCompressedStoredSkin::kMaxDecompressedBytes + zeros.size();
    for (size_t fed = 0; fed < total; fed += zeros.size()) {
        z.next_in = zeros.data();
        z.avail_in = uInt(zeros.size());
        ASSERT_EQ(deflate(&z, fed + zeros.size() >= total ? Z_FINISH : Z_NO_FLUSH), fed + zeros.size() >= total ? Z_STREAM_END : Z_OK);
    }
    block.resize(z.total_out);
    deflateEnd(&z);
    ASSERT_LT(block.size(), 1u << 20);
    std::vector<uint8_t> out;
    EXPECT_THROW(CompressedOf(block).DecompressTo(out), EZDecompressionError);
    EXPECT_LE(out.size(), TbsCompressedStoredSkin::kMaxDecompressedBytes);
}

TEST(CompressedSkin, BuildsFromSkinFileOnlyWhenItIsASkin)
{
    TTempFolder dir;
    WriteSkinFolder(dir, kSkinLines);
    TbsCompressedStoredSkin skin;
    skin.BuildFromSkinFile(dir.Path("skin.ini"));
    ASSERT_FALSE(skin.IsEmptySkin());
    TbsSkinData data;
    data.ApplyCompressedStoredSkin(skin);
    EXPECT_EQ(data.activepictures, SamplePictures().activepictures);
    EXPECT_EQ(data.IndexOfSkinObject("closebutton"), 0);

    std::vector<uint8_t> before = skin.CompressedData();
    dir.WriteText("notskin.ini", "[PICTURES]\nactivepicturescount=1\n0=missing.bmp\n");
    skin.BuildFromSkinFile(dir.Path("notskin.ini"));
    EXPECT_EQ(skin.CompressedData(), before);

    std::vector<std::string> missingBitmap = kSkinLines;
    missingBitmap[6] = "0=missing.bmp";
    WriteSkinFolder(dir, missingBitmap);
    EXPECT_THROW(skin.BuildFromSkinFile(dir.Path("skin.ini")), EFileError);
    EXPECT_EQ(skin.CompressedData(), before);
}

TEST(CompressedSkin, CompressedSkinFiles)
{
    TTempFolder dir;
    std::vector<uint8_t> block = TbsCompressedStoredSkin::CompressSkin(kSkinLines, SamplePictures());
    auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteFileAtomically(dir.Path(name), bytes);
        return dir.Path(name);
    };
    TbsCompressedStoredSkin skin;
    skin.LoadCompressedSkinFile(write("good.skn", CompressedFile(1, int32_t(block.size()), block)));
    EXPECT_EQ(skin.CompressedData(), block);

    SCOPED_TRACE("bytes beyond the stated length are not taken");
    std::vector<uint8_t> longer = CompressedFile(1, 4, block);
    skin.LoadCompressedSkinFile(write("longer.skn", longer));
    EXPECT_EQ(skin.CompressedData(), std::vector<uint8_t>(block.begin(), block.begin() + 4));

    skin.SetCompressedData(block);
    EXPECT_THROW(skin.LoadCompressedSkinFile(write("short.skn", CompressedFile(1, int32_t(block.size()) + 1, block))),
                 EReadError);
    EXPECT_THROW(skin.LoadCompressedSkinFile(write("negative.skn", CompressedFile(1, -1, block))), EReadError);
    EXPECT_THROW(skin.LoadCompressedSkinFile(write("tiny.skn", {1, 0})), EReadError);
    EXPECT_THROW(skin.LoadCompressedSkinFile(dir.Path("absent.skn")), EFileError);
    EXPECT_EQ(skin.CompressedData(), block);

    skin.LoadCompressedSkinFile(write("format2.skn", CompressedFile(2, int32_t(block.size()), block)));
    EXPECT_TRUE(skin.IsEmptySkin());
}
