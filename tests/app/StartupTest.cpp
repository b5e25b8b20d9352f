#include "WorkbenchTest.h"

#include "app/CommandLine.h"
#include "imaging/JpegCodec.h"
#include "skinforms/SkinHintWindow.h"
#include "ui/Screen.h"

namespace tavrik::testing {
namespace {

using StartupTest = WorkbenchTest;

TEST_F(StartupTest, WindowsAreMadeInOrderAndOnlyTheMainWindowShows)
{
    EXPECT_EQ(app->MainForm(), c);
    ASSERT_GE(Screen()->FormCount(), 3);
    EXPECT_EQ(Screen()->Forms(0), c);
    EXPECT_EQ(Screen()->Forms(1), forms.frmsetC);
    EXPECT_EQ(Screen()->Forms(2), forms.frmScreen);
    EXPECT_TRUE(c->Visible());
    EXPECT_FALSE(forms.frmsetC->Visible());
    EXPECT_FALSE(forms.frmScreen->Visible());
    EXPECT_EQ(c->Caption(), "Tavrik图片压缩工具");
    EXPECT_EQ(c->ClientWidth(), 675);
    EXPECT_EQ(c->ClientHeight(), 468);
    // Centred on the 1024 x 768 screen.
    EXPECT_NEAR(c->Left() + c->Width() / 2, 512, 1);
    EXPECT_NEAR(c->Top() + c->Height() / 2, 384, 1);
    EXPECT_EQ(forms.frmsetC->ClientWidth(), 418);
    EXPECT_EQ(forms.frmsetC->ClientHeight(), 396);
}

TEST_F(StartupTest, ThePicturePageStartsWithItsPictureControlsDisabled)
{
    EXPECT_EQ(c->bsSkinPageControl2->ActivePage(), c->bsSkinTabSheet1);
    EXPECT_FALSE(c->bsSkinButton3->Enabled());
    EXPECT_FALSE(c->bsSkinTrackBar1->Enabled());
    EXPECT_FALSE(c->bsSkinCheckRadioBox1->Enabled());
    EXPECT_FALSE(c->bsSkinCheckRadioBox1->Checked());
    EXPECT_TRUE(c->bsSkinCheckRadioBox2->Checked());
    EXPECT_FALSE(c->bsSkinCheckRadioBox2->Enabled());
    for (TNumericEdit* field : {c->bsSkinNumericEdit1, c->bsSkinNumericEdit2}) {
        EXPECT_FALSE(field->Enabled());
        EXPECT_EQ(field->Text(), "0");
        EXPECT_EQ(field->Value(), 0);
    }
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "未加载图片");
    EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), "");
    EXPECT_EQ(c->bsSkinTrackBar1->Value(), 75);
    EXPECT_EQ(c->Label4->Caption(), "75%");
    EXPECT_EQ(c->Image1->BoundsRect(), Bounds(32, 32, 100, 100));
    EXPECT_EQ(c->Image1->Picture().Graphic(), nullptr);
    EXPECT_FALSE(c->bsSkinScrollBar1->Visible());
    EXPECT_FALSE(c->bsSkinScrollBar2->Visible());
    EXPECT_EQ(c->ListMouseX, 0);
    EXPECT_EQ(c->ListMouseY, 0);
    // The colour routines' progress bar sits hidden at the right of the status bar.
    ASSERT_NE(c->ApplyProgress, nullptr);
    EXPECT_FALSE(c->ApplyProgress->Visible());
    EXPECT_EQ(c->ApplyProgress->Parent(), c->bsSkinStatusBar1);
    EXPECT_EQ(c->ApplyProgress->BoundsRect(),
              Bounds(c->bsSkinStatusBar1->Width() - 400, 2, 400, c->bsSkinStatusBar1->Height() - 4));
}

TEST_F(StartupTest, TheBatchAndHelpPagesStartAsDescribed)
{
    EXPECT_FALSE(c->bsSkinButton6->Enabled());
    EXPECT_TRUE(c->bsSkinButton5->Enabled());
    EXPECT_EQ(c->bsSkinEdit1->Text(), "");
    EXPECT_EQ(c->bsSkinTrackBar2->Value(), 75);
    EXPECT_TRUE(c->bsSkinTrackBar2->Enabled());
    EXPECT_EQ(c->Label6->Caption(), "75%");
    EXPECT_EQ(c->bsSkinGauge1->Value(), 0);
    EXPECT_EQ(c->bsSkinGauge1->MaxValue(), 100);
    EXPECT_EQ(c->bsSkinStatusPanel3->Caption(), "加载文件");
    EXPECT_EQ(c->bsSkinListView1->Items().Count(), 0);
    EXPECT_EQ(c->bsSkinListView1->StateImages(), c->ImageList1);
    EXPECT_EQ(c->bsSkinListView1->VScrollBar(), c->bsSkinScrollBar3) << "the skinned bar beside the list";
    EXPECT_EQ(c->bsSkinMemo1->Lines().Count(), 12);
    EXPECT_EQ(c->bsSkinMemo1->Lines().Strings(4), "定义图片大小。");
    EXPECT_EQ(c->bsSkinMemo1->Lines().Strings(6), "");
    EXPECT_TRUE(c->bsSkinMemo1->ReadOnly());
    EXPECT_EQ(c->Label9->Caption(), "版本:1.0.0.1");
    EXPECT_EQ(c->bsSkinGroupBox1->Caption(), "使用说明");
    EXPECT_EQ(c->bsSkinLabel1->Font().Style() & fsBold, 0) << "the program's name is in the plain label font";
}

TEST_F(StartupTest, QualitySlidersKeepTheirLabelsCurrent)
{
    struct TCase {
        int value;
        const char* label;
    };
    for (TCase t : {TCase{0, "0%"}, TCase{100, "100%"}, TCase{15, "15%"}}) {
        c->bsSkinTrackBar1->SetValue(t.value);
        c->bsSkinTrackBar2->SetValue(t.value);
        EXPECT_EQ(c->Label4->Caption(), t.label);
        EXPECT_EQ(c->Label6->Caption(), t.label);
    }
}

TEST_F(StartupTest, TheZoomButtonsShowTheirHintsInTheSkin)
{
    struct TCase {
        TControl* button;
        const char* hint;
    } cases[] = {{c->bigbutton, "放大"}, {c->smallbutton, "缩小"}};
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.hint);
        MoveTo(Center(t.button));
        screen->Advance(uint64_t(app->HintPause()));
        THintWindow* shown = app->HintWindow();
        ASSERT_TRUE(shown && shown->Visible() && IsWindowVisible(shown->Handle()));
        EXPECT_NE(dynamic_cast<TbsSkinHintWindow*>(shown), nullptr) << "drawn by the skinned hint window";
        EXPECT_EQ(shown->Caption(), t.hint);
        MoveTo(Center(c->bsSkinStatusBar1));
        screen->Advance(uint64_t(app->HintHidePause()));
    }
}

TEST_F(StartupTest, TheHelpItemSwitchesToTheHelpPageFromAnyPage)
{
    ChoosePopupItem(2);
    EXPECT_EQ(c->bsSkinPageControl2->ActivePage(), c->bsSkinTabSheet2);
    c->bsSkinPageControl2->SetActivePage(c->bsSkinTabSheet3);
    c->N2->Click();
    EXPECT_EQ(c->bsSkinPageControl2->ActivePage(), c->bsSkinTabSheet2);
}

} // namespace
} // namespace tavrik::testing

namespace tavrik::testing {
namespace {

TEST(CommandLine, OptionsAndFilesAreToldApart)
{
    struct TCase {
        std::vector<std::string> args;
        bool help, version;
        std::vector<std::string> files;
        std::string error;
    };
    const std::vector<TCase> cases = {
        {{}, false, false, {}, ""},
        {{"a.jpg", "/p/b c.BMP"}, false, false, {"a.jpg", "/p/b c.BMP"}, ""},
        {{"--help"}, true, false, {}, ""},
        {{"x.jpg", "-h"}, true, false, {"x.jpg"}, ""},
        {{"--version"}, false, true, {}, ""},
        {{"-", "--", "--help", "-x.jpg"}, false, false, {"-", "--help", "-x.jpg"}, ""},
        {{"-geometry", "a.jpg", "--zoom"}, false, false, {"a.jpg"}, "unknown option -geometry"},
    };
    for (const TCase& k : cases) {
        SCOPED_TRACE(::testing::PrintToString(k.args));
        TCommandLine line = ParseCommandLine(k.args);
        EXPECT_EQ(line.help, k.help);
        EXPECT_EQ(line.version, k.version);
        EXPECT_EQ(line.files, k.files);
        EXPECT_EQ(line.error, k.error);
    }
}

TEST_F(StartupTest, OneFileOpensAsThePictureAndSeveralFillTheBatchList)
{
    const std::string a = WriteBmp("a.bmp", PatternPicture(12, 9));
    c->OpenFiles({a});
    EXPECT_EQ(c->bsSkinPageControl2->ActivePage(), c->bsSkinTabSheet1);
    ASSERT_NE(c->Image1->Picture().Graphic(), nullptr);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(12, 9));
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "文件位置:" + a);
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "12");
    EXPECT_TRUE(c->bsSkinButton3->Enabled());
    EXPECT_EQ(c->bsSkinListView1->Items().Count(), 0);
    EXPECT_EQ(c->bsSkinListView1->StateImages(), c->ImageList1);
    EXPECT_EQ(c->bsSkinListView1->VScrollBar(), c->bsSkinScrollBar3) << "the skinned bar beside the list";

    const std::string b = WriteBmp("B.BMP", PatternPicture(5, 4));
    const std::string j = CopyTestData("jpeg/libjpeg-turbo/testorig.jpg", "photo.JPEG");
    c->OpenFiles({b, Scratch("notes.txt"), j, Scratch("shot.png"), b});
    EXPECT_EQ(c->bsSkinPageControl2->ActivePage(), c->bsSkinTabSheet3);
    std::vector<std::pair<std::string, int>> listed;
    for (int i = 0; i < c->bsSkinListView1->Items().Count(); ++i)
        listed.emplace_back(c->bsSkinListView1->Items()[i]->Caption(), c->bsSkinListView1->Items()[i]->ImageIndex());
    EXPECT_EQ(listed, (std::vector<std::pair<std::string, int>>{{b, 0}, {j, 1}, {b, 0}}));
    EXPECT_TRUE(c->bsSkinButton6->Enabled());
    EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(5, 4)) << "the first file is the work picture";
    EXPECT_EQ(c->bsSkinOpenPictureDialog1->FileName(), b);
}

// The screen's depth at start-up chooses how JPEG files are decoded: through a palette of at
// most 236 colours on a screen of 8 bits per pixel or fewer.
class DecodeModeTest : public WorkbenchTest, public ::testing::WithParamInterface<int> {
protected:
    DecodeModeTest() : WorkbenchTest(GetParam()) {}
};

TEST_P(DecodeModeTest, JpegFilesDecodeAsTheScreenDepthAtStartUpAsks)
{
    const bool lowColour = GetParam() <= 8;
    EXPECT_EQ(c->DecodeMode(), lowColour ? TJpegDecodeMode::LowColorScreen : TJpegDecodeMode::TrueColor);
    std::string photo = CopyTestData("jpeg/libjpeg-turbo/testorig.jpg", "photo.jpg");
    Open(photo);
    const TBitmap* work = c->Image1->Picture().Graphic();
    ASSERT_NE(work, nullptr);
    const TBitmap palette = JpegDecode(photo, TJpegDecodeMode::LowColorScreen);
    const TBitmap trueColour = JpegDecode(photo, TJpegDecodeMode::TrueColor);
    ASSERT_NE(palette, trueColour) << "the two modes must differ for this test to tell them apart";
    EXPECT_EQ(*work, lowColour ? palette : trueColour);
}

INSTANTIATE_TEST_SUITE_P(ScreenDepths, DecodeModeTest, ::testing::Values(4, 8, 16, 24));

} // namespace
} // namespace tavrik::testing
