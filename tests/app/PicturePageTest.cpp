#include "WorkbenchTest.h"

#include "core/FileIO.h"
#include "gfx/SystemColors.h"
#include "imaging/PixelRoutines.h"
#include "skindialogs/OpenPictureDlgForm.h"
#include "skindialogs/SkinFilterComboBox.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinStdButtonObject.h"

#include <cstdlib>
#include <filesystem>
#include <utility>

namespace tavrik::testing {
namespace {

using PicturePageTest = WorkbenchTest;

TEST_F(PicturePageTest, TheFirstOpenCancelledSaysSoAndChangesNothing)
{
    CancelDialog();
    ClickOn(c->bsSkinButton1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "没有选取确定的图片");
    EXPECT_EQ(messages[0].type, TMsgDlgType::mtInformation);
    EXPECT_EQ(messages[0].buttons, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    EXPECT_EQ(c->Image1->Picture().Graphic(), nullptr);
    EXPECT_FALSE(c->bsSkinButton3->Enabled());
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "未加载图片");
    EXPECT_FALSE(c->DoubleBuffered());
}

// In the program's skin the labels of the open dialog's fields are wider than the room the
// dialog's layout leaves them: the fields start in line, clear of their labels, keep their
// right edge, and each label stands centred beside its field.
TEST_F(PicturePageTest, TheOpenDialogsFieldsStandClearOfTheirLabels)
{
    constexpr int kFieldRight = 350;
    screen->WhenIdle([&] {
        auto* form = dynamic_cast<TbsOpenPictureDlgForm*>(Screen()->ActiveForm());
        ASSERT_NE(form, nullptr);
        for (auto [label, field] : {std::pair<TControl*, TControl*>{form->FileNameLabel, form->FileNameEdit},
                                    std::pair<TControl*, TControl*>{form->FileTypeLabel, form->FilterBox}}) {
            SCOPED_TRACE(label->Caption());
            EXPECT_GE(field->Left(), label->Left() + label->Width() + 4);
            EXPECT_EQ(field->Left(), form->FileNameEdit->Left());
            EXPECT_EQ(field->Left() + field->Width(), kFieldRight);
            EXPECT_LE(std::abs(2 * label->Top() + label->Height() - 2 * field->Top() - field->Height()), 1);
        }
        screen->PressKey(VK_ESCAPE);
    });
    ClickOn(c->bsSkinButton1);
}

TEST_F(PicturePageTest, OpeningABitmapFillsTheStatusAndSizeFields)
{
    std::string path = WriteBmp("picture.Bmp", PatternPicture(64, 48));
    Open(path);
    EXPECT_TRUE(messages.empty());
    const TBitmap* work = c->Image1->Picture().Graphic();
    ASSERT_NE(work, nullptr);
    EXPECT_EQ(work->Width(), 64);
    EXPECT_EQ(work->Height(), 48);
    EXPECT_EQ(*work, PatternPicture(64, 48));
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "文件位置:" + path);
    EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), PictureStatusText(48, 64, FileSizeOf(path)));
    EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), "图片高:48;  图片宽:64;  图片大小:9KB"); // 9270 bytes
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "64");
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "48");
    EXPECT_TRUE(c->bsSkinButton3->Enabled());
    EXPECT_TRUE(c->bsSkinTrackBar1->Enabled());
    EXPECT_TRUE(c->bsSkinCheckRadioBox1->Enabled());
    EXPECT_FALSE(c->bsSkinNumericEdit1->Enabled()) << "until custom size is checked";
    EXPECT_TRUE(c->DoubleBuffered());
    // The width field's handler sized the view to the picture, in stretch mode, centred.
    EXPECT_FALSE(c->Image1->AutoSize());
    EXPECT_TRUE(c->Image1->Stretch());
    int boxW = c->bsSkinScrollBox1->Width(), boxH = c->bsSkinScrollBox1->Height();
    EXPECT_EQ(c->Image1->BoundsRect(), Bounds(boxW / 2 - 32, boxH / 2 - 24, 64, 48));
}

TEST_F(PicturePageTest, StatusTextsFollowTheExactFormat)
{
    EXPECT_EQ(PictureStatusText(480, 640, 52000), "图片高:480;  图片宽:640;  图片大小:50KB");
    EXPECT_EQ(PictureStatusText(0, 0, 1023), "图片高:0;  图片宽:0;  图片大小:0KB");
    EXPECT_EQ(PictureStatusText(1, 2, 1024), "图片高:1;  图片宽:2;  图片大小:1KB");
}

TEST_F(PicturePageTest, JpegAndBitmapsOfEveryDepthBecome24BitPictures)
{
    struct TCase {
        const char* source;
        const char* name;
        int w, h;
    };
    for (TCase t : {TCase{"jpeg/libjpeg-turbo/testorig.jpg", "photo.JPG", 227, 149},
                    TCase{"jpeg/libjpeg-turbo/testorig.jpg", "photo.jpeg", 227, 149},
                    TCase{"bmpsuite/g/pal8.bmp", "pal8.bmp", 127, 64},
                    TCase{"bmpsuite/g/rgb32.bmp", "rgb32.BMP", 127, 64}}) {
        SCOPED_TRACE(t.name);
        Open(CopyTestData(t.source, t.name));
        const TBitmap* work = c->Image1->Picture().Graphic();
        ASSERT_NE(work, nullptr);
        EXPECT_EQ(work->PixelFormat(), TPixelFormat::pf24bit);
        EXPECT_EQ(work->Width(), t.w);
        EXPECT_EQ(work->Height(), t.h);
    }
    // The 24-bit and the 32-bit bitmap of the same picture look the same.
    Open(CopyTestData("bmpsuite/g/rgb24.bmp", "rgb24.bmp"));
    TBitmap trueColour = *c->Image1->Picture().Graphic();
    Open(Scratch("rgb32.BMP"));
    EXPECT_EQ(*c->Image1->Picture().Graphic(), trueColour);
}

TEST_F(PicturePageTest, PicturesLargerThanTheBoxStartAtItsEdge)
{
    int panelW = c->bsSkinPanel3->ClientWidth(), panelH = c->bsSkinPanel3->ClientHeight();
    Open(WriteBmp("wide.bmp", PatternPicture(panelW + 50, 20)));
    // The horizontal bar takes its thickness from the box's height.
    const int bar = c->bsSkinScrollBar1->Height();
    EXPECT_EQ(c->bsSkinScrollBox1->Height(), panelH - bar);
    EXPECT_EQ(c->Image1->Left(), 0);
    EXPECT_EQ(c->Image1->Top(), (panelH - bar) / 2 - 10);
    Open(WriteBmp("tall.bmp", PatternPicture(20, panelH)));
    EXPECT_EQ(c->Image1->Top(), 0) << "as high as the box: not less, so at 0";
    // Higher than the box's client area inside its frame: the vertical bar shows beside it.
    EXPECT_EQ(c->Image1->Left(), c->bsSkinScrollBox1->Width() / 2 - 10);
}

TEST_F(PicturePageTest, ASmallPictureStaysInTheMiddleWhenTheWindowIsSized)
{
    Open(WriteBmp("small.bmp", PatternPicture(20, 10)));
    const int width = c->Width(), height = c->Height();
    for (int grow : {150, 0, 40}) {
        SCOPED_TRACE(grow);
        c->SetBounds(c->Left(), c->Top(), width + grow, height + grow);
        ProcessMessages();
        EXPECT_EQ(c->Image1->Left(), c->bsSkinScrollBox1->Width() / 2 - 10);
        EXPECT_EQ(c->Image1->Top(), c->bsSkinScrollBox1->Height() / 2 - 5);
    }
}

TEST_F(PicturePageTest, ScrollBarsShowWhileThePictureDoesNotFitAndMoveIt)
{
    TRect panel = c->bsSkinPanel3->ClientRect();
    Open(WriteBmp("small.bmp", PatternPicture(64, 48)));
    EXPECT_FALSE(c->bsSkinScrollBar1->Visible()) << "everything fits";
    EXPECT_FALSE(c->bsSkinScrollBar2->Visible());
    EXPECT_EQ(c->bsSkinScrollBox1->BoundsRect(), panel);

    int wide = panel.Width() + 50;
    Open(WriteBmp("wide.bmp", PatternPicture(wide, 40)));
    ASSERT_TRUE(c->bsSkinScrollBar1->Visible());
    EXPECT_FALSE(c->bsSkinScrollBar2->Visible());
    EXPECT_EQ(c->bsSkinScrollBar1->Max(), wide - 1);
    // The page is what the box shows inside its frame.
    const int frame = c->bsSkinScrollBox1->Width() - c->bsSkinScrollBox1->ClientWidth();
    EXPECT_EQ(c->bsSkinScrollBar1->PageSize(), panel.Width() - frame);
    c->bsSkinScrollBar1->SetPosition(30);
    ProcessMessages();
    EXPECT_EQ(c->Image1->Left(), -30);
    TPoint origin = c->bsSkinScrollBox1->ClientToScreen({0, c->Image1->Top()});
    EXPECT_EQ(Pixel({origin.x + 5, origin.y + 7}), PatternPicture(wide, 40).GetPixel(35, 7));
    c->bsSkinScrollBar1->SetPosition(1000000);
    EXPECT_EQ(c->Image1->Left(), -50 - frame) << "the end of the picture meets the end of the box";

    // Zooming out until it fits hides the bar and centres the view again.
    c->smallbutton->Click();
    EXPECT_FALSE(c->bsSkinScrollBar1->Visible());
    EXPECT_EQ(c->bsSkinScrollBox1->BoundsRect(), panel);
    EXPECT_EQ(c->Image1->Left(), panel.Width() / 2 - c->Image1->Width() / 2);

    // Too large both ways: both bars, and the box gives way to each.
    Open(WriteBmp("large.bmp", PatternPicture(panel.Width() + 100, panel.Height() + 100)));
    EXPECT_TRUE(c->bsSkinScrollBar1->Visible());
    EXPECT_TRUE(c->bsSkinScrollBar2->Visible());
    const int across = c->bsSkinScrollBar2->Width(), along = c->bsSkinScrollBar1->Height();
    EXPECT_EQ(c->bsSkinScrollBox1->BoundsRect(), Rect(0, 0, panel.Width() - across, panel.Height() - along));
    EXPECT_EQ(c->bsSkinScrollBar2->PageSize(), panel.Height() - along - frame);
    c->bsSkinScrollBar2->SetPosition(12);
    EXPECT_EQ(c->Image1->Top(), -12);

    // The wheel over the picture scrolls it, wherever the focus is; with Shift sideways.
    c->bsSkinScrollBar2->SetPosition(0);
    TPoint over = c->bsSkinScrollBox1->ClientToScreen({20, 20});
    screen->MouseMove(over.x, over.y);
    screen->Wheel(-WHEEL_DELTA);
    EXPECT_EQ(c->bsSkinScrollBar2->Position(), 48) << "three lines of 16 pixels";
    EXPECT_EQ(c->Image1->Top(), -48);
    screen->KeyDown(VK_SHIFT);
    screen->Wheel(-WHEEL_DELTA);
    screen->KeyUp(VK_SHIFT);
    EXPECT_EQ(c->bsSkinScrollBar1->Position(), 48);
    EXPECT_EQ(c->Image1->Left(), -48);
    TPoint beside = c->bsSkinButton1->ClientToScreen({5, 5});
    screen->MouseMove(beside.x, beside.y);
    screen->Wheel(WHEEL_DELTA);
    EXPECT_EQ(c->bsSkinScrollBar2->Position(), 48) << "elsewhere the wheel leaves the picture alone";
}

TEST_F(PicturePageTest, ACancelAfterAnOpenChangesNothing)
{
    std::string path = WriteBmp("first.bmp", PatternPicture(30, 20));
    Open(path);
    ChoosePopupItem(0); // the work picture is now 20 x 30
    const TRect view = c->Image1->BoundsRect();
    CancelDialog();
    ClickOn(c->bsSkinButton1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(c->Image1->Picture().Width(), 20);
    EXPECT_EQ(c->Image1->BoundsRect(), view);
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "文件位置:" + path);
    EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), PictureStatusText(30, 20, FileSizeOf(path)));
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "20");
}

TEST_F(PicturePageTest, AFileThatGivesNoPictureIsReportedAndChangesNothing)
{
    std::string good = WriteBmp("good.bmp", PatternPicture(30, 20));
    Open(good);
    WriteFileAtomically(Scratch("bad.jpg"), std::vector<uint8_t>(100, 0x42));
    WriteFileAtomically(Scratch("photo.png"), ReadFileBytes(good));
    WriteFileAtomically(Scratch("icon.ico"), std::vector<uint8_t>{0, 0, 1, 0});
    WriteBmp("flat.bmp", TBitmap(0, 5));
    struct TCase {
        const char* name;
        const char* message; // the start of it
    };
    for (TCase t : {TCase{"bad.jpg", "Cannot decode the JPEG picture"}, TCase{"photo.png", "没有读取图片，程序错误"},
                    TCase{"icon.ico", "没有读取图片，程序错误"}, TCase{"flat.bmp", "没有读取图片，程序错误"}}) {
        SCOPED_TRACE(t.name);
        messages.clear();
        Open(Scratch(t.name));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.starts_with(t.message)) << messages[0].text;
        EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(30, 20));
        EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "文件位置:" + good);
        EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), PictureStatusText(20, 30, FileSizeOf(good)));
        EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "30");
    }
}

TEST_F(PicturePageTest, TheWidthFieldKeepsProportions)
{
    Open(WriteBmp("big.bmp", PatternPicture(640, 480)));
    ClickOn(c->bsSkinCheckRadioBox1);
    ASSERT_TRUE(c->bsSkinNumericEdit1->Enabled());
    EXPECT_TRUE(c->bsSkinNumericEdit2->Enabled());
    EXPECT_TRUE(c->bsSkinCheckRadioBox2->Enabled());
    ClickOn(c->bsSkinNumericEdit1);
    c->bsSkinNumericEdit1->SelectAll();
    screen->TypeText("320");
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "240");
    EXPECT_EQ(c->Image1->Width(), 320);
    EXPECT_EQ(c->Image1->Height(), 240);
    int boxW = c->bsSkinScrollBox1->Width(), boxH = c->bsSkinScrollBox1->Height();
    EXPECT_EQ(c->Image1->Left(), boxW / 2 - 160);
    EXPECT_EQ(c->Image1->Top(), boxH / 2 - 120);
    // Beyond the range the field holds the bound.
    screen->TypeText("99");
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "10000");
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "7500");
    // Unchecking custom size disables the fields and keeps their values.
    ClickOn(c->bsSkinCheckRadioBox1);
    EXPECT_FALSE(c->bsSkinNumericEdit1->Enabled());
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "10000");
}

TEST_F(PicturePageTest, LeavingTheHeightFieldSettlesOnTheRoundedWidth)
{
    Open(WriteBmp("narrow.bmp", PatternPicture(3, 100)));
    ClickOn(c->bsSkinCheckRadioBox1);
    ClickOn(c->bsSkinNumericEdit2);
    c->bsSkinNumericEdit2->SelectAll();
    screen->TypeText("50");
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "3") << "the height field reacts only when left";
    screen->PressKey(VK_TAB);
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "2"); // Round(1.5)
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "67"); // Round(100 * 2 / 3)
    EXPECT_EQ(c->Image1->Width(), 2);
    EXPECT_EQ(c->Image1->Height(), 67);
}

TEST_F(PicturePageTest, WithoutProportionsTheFieldsAreIndependent)
{
    Open(WriteBmp("big.bmp", PatternPicture(640, 480)));
    ClickOn(c->bsSkinCheckRadioBox1);
    ClickOn(c->bsSkinCheckRadioBox2);
    ASSERT_FALSE(c->bsSkinCheckRadioBox2->Checked());
    c->bsSkinNumericEdit1->SetValue(100);
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "480");
    EXPECT_EQ(c->Image1->Width(), 100);
    EXPECT_EQ(c->Image1->Height(), 480);
    // A picture opened now is shown at its own size, not with the height left in the field.
    Open(WriteBmp("small.bmp", PatternPicture(300, 200)));
    EXPECT_EQ(c->Image1->Width(), 300);
    EXPECT_EQ(c->Image1->Height(), 200);
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "300");
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "200");
}

TEST_F(PicturePageTest, ZoomStepsByFourFifthsAndStopsAtItsLimits)
{
    // Zoom works on the view as it is, also before any picture.
    std::vector<int> widths;
    for (int i = 0; i < 3; ++i) {
        c->bigbutton->Click();
        widths.push_back(c->Image1->Width());
        EXPECT_EQ(c->Image1->Height(), c->Image1->Width());
    }
    EXPECT_EQ(widths, (std::vector<int>{125, 156, 195}));
    c->Image1->SetBounds(0, 0, 125, 125);
    ClickOn(c->smallbutton);
    EXPECT_EQ(c->Image1->Width(), 100);
    EXPECT_FALSE(c->Image1->AutoSize());
    EXPECT_TRUE(c->Image1->Stretch());

    c->Image1->SetBounds(0, 0, 49, 49);
    c->smallbutton->Click();
    EXPECT_EQ(c->Image1->Width(), 39);
    EXPECT_FALSE(c->smallbutton->Enabled());
    c->bigbutton->Click();
    EXPECT_EQ(c->Image1->Width(), 48);
    EXPECT_TRUE(c->smallbutton->Enabled());

    c->Image1->SetBounds(0, 0, 3300, 10);
    c->bigbutton->Click();
    EXPECT_EQ(c->Image1->Width(), 4125);
    EXPECT_FALSE(c->bigbutton->Enabled());
    c->smallbutton->Click();
    EXPECT_EQ(c->Image1->Width(), 3300);
    EXPECT_TRUE(c->bigbutton->Enabled());
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "0") << "zoom leaves the size fields alone";
}

TEST_F(PicturePageTest, RotateAndFlipTransformThePictureAndShowItAtItsOwnSize)
{
    ChoosePopupItem(0); // no picture yet: nothing happens
    EXPECT_EQ(c->Image1->Picture().Graphic(), nullptr);
    EXPECT_EQ(c->Image1->Width(), 100);

    TBitmap picture(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) picture.SetPixel(x, y, RGB(uint8_t(10 * x + 1), uint8_t(10 * y + 1), 7));
    Open(WriteBmp("small.bmp", picture));
    c->bigbutton->Click();
    ChoosePopupItem(0); // "旋转90度"
    const TBitmap* work = c->Image1->Picture().Graphic();
    ASSERT_EQ(work->Width(), 2);
    ASSERT_EQ(work->Height(), 3);
    EXPECT_EQ(work->GetPixel(1, 0), picture.GetPixel(0, 0)) << "top-left ends top-right";
    EXPECT_EQ(work->GetPixel(0, 2), picture.GetPixel(2, 1));
    EXPECT_EQ(c->Image1->Width(), 2) << "the zoomed view is back at the picture's size";
    EXPECT_EQ(c->Image1->Height(), 3);
    EXPECT_FALSE(c->Image1->Stretch());
    EXPECT_FALSE(c->Image1->AutoSize());
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "2") << "the size fields describe the turned picture";
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "3");
    EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), PictureStatusText(3, 2, FileSizeOf(Scratch("small.bmp"))));
    for (int i = 0; i < 3; ++i) ChoosePopupItem(0);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), picture);

    ChoosePopupItem(1); // "水平翻转"
    EXPECT_EQ(c->Image1->Picture().Graphic()->GetPixel(0, 0), picture.GetPixel(2, 0));
    ChoosePopupItem(1);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), picture);
}

TEST_F(PicturePageTest, ColourButtonsNeedAPictureThatIsNotEmpty)
{
    for (TWorkbenchButton* button : {c->bsSkinButton7, c->bsSkinButton8, c->bsSkinButton9}) {
        button->Click();
        EXPECT_FALSE(forms.frmsetC->Visible());
    }
    for (TBitmap empty : {TBitmap(0, 0), TBitmap(0, 5), TBitmap(5, 0)}) {
        c->Image1->Picture().Assign(empty);
        c->bsSkinButton8->Click();
        EXPECT_FALSE(forms.frmsetC->Visible());
        EXPECT_EQ(forms.frmsetC->Caption(), "") << empty.Width() << " x " << empty.Height();
    }
}

TEST_F(PicturePageTest, SaturationOkAppliesOnlyWhatThePreviewShowed)
{
    TBitmap colours = PatternPicture(20, 10);
    Open(WriteBmp("colours.bmp", colours));
    TfrmsetC* d = forms.frmsetC;
    // The first "饱和度" with an immediate OK: the slider stands at 0 (grey), unpreviewed.
    screen->WhenIdle([&] {
        EXPECT_TRUE(d->bsSkinGroupBox2->Visible());
        EXPECT_FALSE(d->bsSkinGroupBox1->Visible());
        EXPECT_FALSE(d->GroupBoxRGBChange->Visible());
        EXPECT_EQ(d->Caption(), "饱和度调整");
        EXPECT_EQ(d->bsSkinLabel1->Caption(), "255");
        EXPECT_EQ(screen->Native(d->Handle())->params.owner, screen->NativeWindowOf(c->Handle()))
            << "made owned by the main window, which a window manager then keeps below it";
        ClickOn(d->bsSkinButton1);
    });
    ClickOn(c->bsSkinButton8);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), colours);
    EXPECT_FALSE(c->ApplyProgress->Visible());

    // -40, cancelled, is still there at the next opening, unpreviewed: OK keeps the picture.
    screen->WhenIdle([&] {
        d->bsSkinTrackBar1->SetValue(-40);
        ClickOn(d->bsSkinButton2);
    });
    ClickOn(c->bsSkinButton8);
    screen->WhenIdle([&] {
        EXPECT_EQ(d->bsSkinLabel1->Caption(), "-40");
        EXPECT_EQ(*d->ImageafterChange->Picture().Graphic(), *d->ImageBeforeChange->Picture().Graphic());
        ClickOn(d->bsSkinButton1);
    });
    ClickOn(c->bsSkinButton8);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), colours);
}

// The colour dialog's frame offers no caption button, not even close; Esc still closes it.
// The main window keeps its own.
TEST_F(PicturePageTest, TheColourDialogsFrameShowsNoCaptionButtonsAndEscClosesIt)
{
    TBitmap colours = PatternPicture(20, 10);
    Open(WriteBmp("colours.bmp", colours));
    TfrmsetC* d = forms.frmsetC;
    auto visibleButtons = [](const TbsRevideruDadoZiri* frame) {
        std::vector<std::string> names;
        for (const auto& object : frame->Objects())
            if (dynamic_cast<const TbsSkinStdButtonObject*>(object.get()) && object->Visible) names.push_back(object->IDName);
        return names;
    };
    EXPECT_EQ(visibleButtons(c->bsRevideruDadoZiri1),
              (std::vector<std::string>{"closebutton", "minbutton", "maxbutton", "rollupbutton", "systemmenubutton"}));
    screen->WhenIdle([&] {
        ASSERT_TRUE(d->bsRevideruDadoZiri1->SkinInUse());
        EXPECT_EQ(visibleButtons(d->bsRevideruDadoZiri1), std::vector<std::string>{});
        d->trackbarcontrast->SetValue(90);
        screen->PressKey(VK_ESCAPE);
    });
    ClickOn(c->bsSkinButton7);
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(*c->Image1->Picture().Graphic(), colours);
}

TEST_F(PicturePageTest, EveryColourCommandResetsTheContrastSlider)
{
    Open(WriteBmp("colours.bmp", PatternPicture(20, 10)));
    TfrmsetC* d = forms.frmsetC;
    d->trackbarcontrast->SetValue(80);
    screen->WhenIdle([&] {
        EXPECT_EQ(d->Caption(), "RGB调整");
        EXPECT_TRUE(d->GroupBoxRGBChange->Visible());
        EXPECT_EQ(d->trackbarcontrast->Value(), 0);
        EXPECT_EQ(d->Labelcontrast->Caption(), "0");
        ClickOn(d->bsSkinButton2);
    });
    ClickOn(c->bsSkinButton9);
}

TEST_F(PicturePageTest, CaptureEnablesSavingAtOnceAndShowsTheRectangleAsANewPicture)
{
    Open(WriteBmp("big.bmp", PatternPicture(64, 48)));
    c->Image1->Picture().Clear();
    c->bsSkinButton3->SetEnabled(false);
    ClickOn(c->bsSkinButton10);
    EXPECT_TRUE(forms.frmScreen->Visible());
    EXPECT_TRUE(c->bsSkinButton3->Enabled()) << "before the capture ends";
    EXPECT_EQ(c->Image1->Left(), 10);
    EXPECT_EQ(c->Image1->Top(), 10);
    TColor corner = forms.frmScreen->Image1->Picture().Graphic()->GetPixel(100, 50);
    screen->Click(300, 150);
    screen->Click(100, 50);
    EXPECT_FALSE(forms.frmScreen->Visible());
    const TBitmap* work = c->Image1->Picture().Graphic();
    ASSERT_NE(work, nullptr);
    EXPECT_EQ(work->Width(), 200);
    EXPECT_EQ(work->Height(), 100);
    EXPECT_EQ(work->GetPixel(0, 0), corner);
    // Described as what it is, at its own size and centred like an opened picture.
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "截屏图片");
    EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), "图片高:100;  图片宽:200");
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "200");
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "100");
    int boxW = c->bsSkinScrollBox1->Width(), boxH = c->bsSkinScrollBox1->Height();
    EXPECT_EQ(c->Image1->BoundsRect(), Bounds(boxW / 2 - 100, boxH / 2 - 50, 200, 100));
}

TEST_F(PicturePageTest, TheSettingsSplitterResizesThePanelAboveItDownToItsMinimum)
{
    // As thick as the skin draws it.
    const int thickness = c->bsSkinSplitter2->Height();
    ASSERT_GT(thickness, 0);
    EXPECT_EQ(c->bsSkinExPanel2->Top(), c->bsSkinSplitter2->Top() + thickness) << "the rest of the column stays below";
    const int before = c->bsSkinExPanel1->Height();
    TPoint grip = Center(c->bsSkinSplitter2);
    MoveTo(grip);
    screen->MouseDown();
    MoveTo({grip.x, grip.y + 20});
    screen->MouseUp();
    EXPECT_EQ(c->bsSkinExPanel1->Height(), before + 20);
    EXPECT_EQ(c->bsSkinSplitter2->Top(), c->bsSkinExPanel1->Top() + c->bsSkinExPanel1->Height());

    grip = Center(c->bsSkinSplitter2);
    MoveTo(grip);
    screen->MouseDown();
    MoveTo({grip.x, grip.y - 1000});
    screen->MouseUp();
    EXPECT_EQ(c->bsSkinExPanel1->Height(), 10);
}

TEST_F(PicturePageTest, LabelsAfterAFieldOrSliderStartClearOfIt)
{
    const struct {
        const TControl* label;
        const TControl* before;
    } pairs[] = {{c->Label7, c->bsSkinNumericEdit1}, {c->Label8, c->bsSkinNumericEdit2},
                 {c->Label4, c->bsSkinTrackBar1}, {c->Label6, c->bsSkinTrackBar2}};
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.label->Name());
        EXPECT_EQ(p.label->Parent(), p.before->Parent());
        EXPECT_GE(p.label->Left(), p.before->Left() + p.before->Width() + 2) << "a visible gap, not a shared edge";
    }
}

TEST_F(PicturePageTest, TheSettingsPanelFrameShowsAroundTheCheckBoxThatOverlapsIt)
{
    // The proportion box reaches over the panel's right and bottom edges.
    TWinControl* panel = c->bsSkinExPanel1;
    ASSERT_GE(c->bsSkinCheckRadioBox2->Left() + c->bsSkinCheckRadioBox2->Width(), panel->Width());
    ASSERT_GE(c->bsSkinCheckRadioBox2->Top() + c->bsSkinCheckRadioBox2->Height(), panel->Height());
    UpdateWindow(c->Handle());
    // The frame's edges look the same where the box lies under them as where it does not.
    const int right = panel->Width() - 1, bottom = panel->Height() - 1;
    EXPECT_EQ(Pixel(At(panel, right, 130)), Pixel(At(panel, right, 90)));
    EXPECT_EQ(Pixel(At(panel, 80, bottom)), Pixel(At(panel, 4, bottom)));
    EXPECT_NE(Pixel(At(panel, 80, bottom)), Pixel(At(panel, 80, 60))) << "an edge, not the panel's face";
}

} // namespace
} // namespace tavrik::testing
