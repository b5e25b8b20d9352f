#include "WorkbenchTest.h"

#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/JpegCodec.h"

#include <filesystem>

namespace tavrik::testing {
namespace {

class SaveTest : public WorkbenchTest {
protected:
    // Saves through "图片另存" with the filter entry given, typing the name.
    void SaveAs(const std::string& typed, int filterIndex)
    {
        c->bsSkinSavePictureDialog1->SetFilterIndex(filterIndex);
        TypeInDialog(typed);
        ClickOn(c->bsSkinButton3);
    }
};

TEST_F(SaveTest, JpegKeepsThePicturesSizeUnlessCustomSizeIsChecked)
{
    Open(WriteBmp("big.bmp", PatternPicture(64, 48)));
    c->bsSkinNumericEdit1->SetValue(32); // the fields now differ from the picture
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "24");
    c->bsSkinTrackBar1->SetValue(90);
    SaveAs(Scratch("out.png"), 1); // the JPEG entry replaces the extension
    EXPECT_TRUE(messages.empty());
    ASSERT_TRUE(FileExists(Scratch("out.jpg")));
    EXPECT_FALSE(FileExists(Scratch("out.png")));
    TBitmap saved = JpegDecode(Scratch("out.jpg"));
    EXPECT_EQ(saved.Width(), 64);
    EXPECT_EQ(saved.Height(), 48);
    EXPECT_EQ(ReadFileBytes(Scratch("out.jpg")), JpegEncode(PatternPicture(64, 48), 90)) << "at the page's quality";
    EXPECT_EQ(c->bsSkinSavePictureDialog1->Filter(), "*.jpg|*.JPG|*.bmp|*.BMP|");

    ClickOn(c->bsSkinCheckRadioBox1);
    SaveAs(Scratch("small"), 1);
    saved = JpegDecode(Scratch("small.jpg"));
    EXPECT_EQ(saved.Width(), 32);
    EXPECT_EQ(saved.Height(), 24);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(64, 48)) << "the work picture is not resized";
}

TEST_F(SaveTest, BitmapAlwaysTakesTheSizeFields)
{
    Open(WriteBmp("big.bmp", PatternPicture(64, 48)));
    c->bsSkinNumericEdit1->SetValue(16);
    SaveAs(Scratch("copy.jpg"), 2);
    TBitmap saved = ReadBmpFile(Scratch("copy.bmp"));
    EXPECT_EQ(saved.Width(), 16);
    EXPECT_EQ(saved.Height(), 12);
    EXPECT_EQ(saved.PixelFormat(), TPixelFormat::pf24bit);
    // Sampled, not averaged: each pixel is one of its 4 x 4 block's.
    for (TPoint p : {TPoint{0, 0}, TPoint{15, 11}, TPoint{7, 5}}) {
        TColor s = saved.GetPixel(p.x, p.y);
        int x = GetRValue(s) / 3, y = GetGValue(s) / 5;
        EXPECT_EQ(x / 4, p.x);
        EXPECT_EQ(y / 4, p.y);
        EXPECT_EQ(s, PatternPicture(64, 48).GetPixel(x, y));
    }
    // A rotation sets the fields to the turned picture, which is then saved at its own size.
    ChoosePopupItem(0);
    ASSERT_EQ(c->Image1->Picture().Width(), 48);
    SaveAs(Scratch("rotated.bmp"), 2);
    EXPECT_EQ(ReadBmpFile(Scratch("rotated.bmp")), *c->Image1->Picture().Graphic());
}

TEST_F(SaveTest, SizeFieldsAtZeroStandForThePicturesOwnSize)
{
    // A capture gives a picture while the size fields still hold 0.
    ClickOn(c->bsSkinButton10);
    screen->Click(10, 10);
    screen->Click(60, 40);
    ASSERT_EQ(c->Image1->Picture().Width(), 50);
    c->bsSkinNumericEdit1->SetText("0");
    c->bsSkinNumericEdit2->SetText("0");
    SaveAs(Scratch("shot.bmp"), 2);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ReadBmpFile(Scratch("shot.bmp")), *c->Image1->Picture().Graphic());
    // One field cleared: only that one takes the picture's size.
    c->bsSkinNumericEdit1->SetText("");
    c->bsSkinNumericEdit2->SetText("7");
    SaveAs(Scratch("strip.bmp"), 2);
    TBitmap saved = ReadBmpFile(Scratch("strip.bmp"));
    EXPECT_EQ(saved.Width(), 50);
    EXPECT_EQ(saved.Height(), 7);
}

TEST_F(SaveTest, AnEmptyPictureIsNeverWritten)
{
    // Two clicks on one row capture a picture without pixels: the save says so at once.
    for (int filterIndex : {1, 2}) {
        SCOPED_TRACE(filterIndex);
        messages.clear();
        ClickOn(c->bsSkinButton10);
        screen->Click(10, 30);
        screen->Click(60, 30);
        ASSERT_TRUE(c->Image1->Picture().Graphic()->Empty());
        c->bsSkinSavePictureDialog1->SetFilterIndex(filterIndex);
        ClickOn(c->bsSkinButton3); // a dialog would wait for input here and fail the test
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "没有可以保存的图片！");
    }
    // A custom JPEG size of 0 wide is refused with the reason, and nothing is written.
    Open(WriteBmp("big.bmp", PatternPicture(8, 8)));
    ClickOn(c->bsSkinCheckRadioBox1);
    c->bsSkinNumericEdit1->SetText("0");
    messages.clear();
    SaveAs(Scratch("thin.jpg"), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("thin.jpg: the picture is empty"), std::string::npos) << messages[0].text;
    EXPECT_FALSE(FileExists(Scratch("thin.jpg")));
}

TEST_F(SaveTest, CancelWritesNothingAndNoPictureIsSaidSo)
{
    // An abandoned capture leaves the save button on with no picture to save.
    ClickOn(c->bsSkinButton10);
    screen->PressKey(VK_ESCAPE);
    ASSERT_TRUE(c->bsSkinButton3->Enabled());
    ClickOn(c->bsSkinButton3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "没有可以保存的图片！");

    Open(WriteBmp("big.bmp", PatternPicture(8, 8)));
    CancelDialog();
    ClickOn(c->bsSkinButton3);
    EXPECT_EQ(ReadFileBytes(Scratch("big.bmp")).size(), FileSizeOf(Scratch("big.bmp")));
    EXPECT_FALSE(FileExists(Scratch("big.jpg")));
}

TEST_F(SaveTest, AFailedWriteIsReportedWithThePath)
{
    Open(WriteBmp("big.bmp", PatternPicture(8, 8)));
    // /proc exists but takes no new file, not even from root: the dialog accepts the name and
    // the write fails.
    const std::string target = "/proc/tavrik-save-test.jpg";
    SaveAs(target, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find(target), std::string::npos) << messages[0].text;
    EXPECT_FALSE(FileExists(target));
    EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(8, 8));

    // A folder that does not exist is refused by the dialog itself, which stays open.
    TypeInDialog(Scratch("missing-folder/out.jpg"));
    CancelDialog();
    ClickOn(c->bsSkinButton3);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, "The folder \"" + Scratch("missing-folder") + "\" does not exist.");
    EXPECT_FALSE(std::filesystem::exists(Scratch("missing-folder")));
}

} // namespace
} // namespace tavrik::testing
