#include "app/frmsetC.h"
#include "imaging/PixelRoutines.h"
#include "support/UiTest.h"

namespace tavrik {
namespace {

class ColorDialogTest : public testing::UiTest {
protected:
    ColorDialogTest()
    {
        host = NewForm(0, 0, 600, 500);
        view = new TImage(host);
        view->SetParent(host);
        progress = new TProgressBar(host);
        progress->SetParent(host);
        progress->Hide();
        dialog = app->CreateForm<TfrmsetC>();
        dialog->SetHost({host, view, progress});
    }

    // Opens the dialog for one adjustment as the main window's buttons do, runs the actions
    // while it shows and returns when it has closed.
    void RunDialog(const char* caption, std::function<void()> whileShown)
    {
        dialog->LoadImage(*view->Picture().Graphic());
        dialog->SetCaption(caption);
        screen->WhenIdle(std::move(whileShown));
        dialog->ShowModal();
    }

    TForm* host = nullptr;
    TImage* view = nullptr;
    TProgressBar* progress = nullptr;
    TfrmsetC* dialog = nullptr;
};

TBitmap Colours(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, RGB(uint8_t(x * 7 + 3), uint8_t(200 - y), uint8_t((x ^ y) * 5)));
    return b;
}

TEST_F(ColorDialogTest, ThumbnailsHaveTheLongerSideAt180AndAreCentred)
{
    struct TCase {
        int w, h, tw, th;
    };
    for (TCase c : {TCase{100, 50, 180, 90}, TCase{50, 100, 90, 180}, TCase{120, 120, 180, 180},
                    TCase{1000, 7, 180, 1}, TCase{3, 7, 77, 180}}) {
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
        dialog->LoadImage(Colours(c.w, c.h));
        for (TImage* image : {dialog->ImageBeforeChange, dialog->ImageafterChange}) {
            EXPECT_EQ(image->Picture().Width(), c.tw);
            EXPECT_EQ(image->Picture().Height(), c.th);
            EXPECT_EQ(image->Width(), c.tw);
            EXPECT_EQ(image->Left(), (193 - c.tw) / 2);
            EXPECT_EQ(image->Top(), (169 - c.th) / 2);
        }
    }
    // Sampled without averaging: each thumbnail pixel is one of the picture's.
    TBitmap source = Colours(100, 50);
    dialog->LoadImage(source);
    const TBitmap* thumb = dialog->ImageBeforeChange->Picture().Graphic();
    EXPECT_EQ(thumb->GetPixel(0, 0), source.GetPixel(0, 0));
    EXPECT_EQ(thumb->GetPixel(179, 89), source.GetPixel(99, 49));
    // An empty picture leaves the thumbnails as they were.
    dialog->LoadImage(TBitmap(0, 0));
    EXPECT_EQ(dialog->ImageBeforeChange->Picture().Width(), 180);
}

TEST_F(ColorDialogTest, LabelsNamingASliderAreTallerThanItsValue)
{
    struct TCase {
        TLabel* label;
        TRect bounds;
    } cases[] = {
        {dialog->bsSkinLabel2, Bounds(16, 55, 33, 23)}, {dialog->Labelcontrast, Bounds(57, 55, 33, 21)},
        {dialog->bsSkinLabel3, Bounds(16, 55, 33, 23)}, {dialog->bsSkinLabel1, Bounds(57, 55, 33, 21)},
        {dialog->bsSkinLabel4, Bounds(32, 27, 25, 23)}, {dialog->labelred, Bounds(73, 27, 33, 21)},
        {dialog->bsSkinLabel6, Bounds(32, 55, 25, 23)}, {dialog->labelgreen, Bounds(73, 55, 33, 21)},
        {dialog->bsSkinLabel5, Bounds(32, 83, 25, 23)}, {dialog->labelblue, Bounds(73, 83, 33, 21)},
    };
    for (const TCase& c : cases) EXPECT_EQ(c.label->BoundsRect(), c.bounds) << c.label->Name();
}

TEST_F(ColorDialogTest, SlidersPreviewLiveAndLabelTheirValues)
{
    view->Picture().Assign(Colours(60, 30));
    dialog->LoadImage(*view->Picture().Graphic());
    for (TLabel* label : {dialog->Labelcontrast, dialog->bsSkinLabel1, dialog->labelred})
        EXPECT_EQ(label->Caption(), "255") << "until a slider moves";
    const TBitmap before = *dialog->ImageBeforeChange->Picture().Graphic();

    dialog->trackbarcontrast->SetValue(100);
    EXPECT_EQ(dialog->Labelcontrast->Caption(), "+100");
    TBitmap expected = before;
    ApplyContrast(expected, 100);
    EXPECT_EQ(*dialog->ImageafterChange->Picture().Graphic(), expected);
    dialog->trackbarcontrast->SetValue(-12);
    EXPECT_EQ(dialog->Labelcontrast->Caption(), "-12");

    dialog->bsSkinTrackBar1->SetValue(40);
    EXPECT_EQ(dialog->bsSkinLabel1->Caption(), "40");
    PreviewSaturation(before, expected, 40);
    EXPECT_EQ(*dialog->ImageafterChange->Picture().Graphic(), expected);

    dialog->TrackBarGreen->SetValue(-128);
    EXPECT_EQ(dialog->labelred->Caption(), "0");
    EXPECT_EQ(dialog->labelgreen->Caption(), "-128");
    EXPECT_EQ(dialog->labelblue->Caption(), "0");
    dialog->TrackBarRed->SetValue(127);
    EXPECT_EQ(dialog->labelred->Caption(), "+127");
    PreviewRGB(before, expected, 127, -128, 0);
    EXPECT_EQ(*dialog->ImageafterChange->Picture().Graphic(), expected);
    // The slider's range holds the values in.
    dialog->TrackBarRed->SetValue(500);
    EXPECT_EQ(dialog->TrackBarRed->Value(), 127);
}

TEST_F(ColorDialogTest, OkAppliesExactlyWhatTheAfterThumbnailShows)
{
    const TBitmap original = Colours(40, 20);
    view->Picture().Assign(original);
    auto unchangedAfterThumbnail = [&] {
        return *dialog->ImageafterChange->Picture().Graphic() == *dialog->ImageBeforeChange->Picture().Graphic();
    };
    RunDialog(TfrmsetC::kRGBCaption, [&] {
        dialog->TrackBarRed->SetValue(50);
        ClickOn(dialog->bsSkinButton2);
    });
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(*view->Picture().Graphic(), original) << "cancelled";

    // Values carried over from an earlier opening (red 50) or never moved (saturation 0, which
    // would turn the picture grey) are not previewed, so OK leaves the picture alone.
    for (const char* caption : {TfrmsetC::kRGBCaption, TfrmsetC::kSaturationCaption}) {
        SCOPED_TRACE(caption);
        RunDialog(caption, [&] {
            EXPECT_TRUE(unchangedAfterThumbnail());
            EXPECT_EQ(dialog->labelred->Caption(), "+50");
            ClickOn(dialog->bsSkinButton1);
        });
        EXPECT_EQ(*view->Picture().Graphic(), original);
    }

    // A slider moved while the dialog shows: the preview and then the picture take it.
    struct TShown {
        const char* caption;
        std::function<void()> move;
        std::function<void(TBitmap&)> apply;
    };
    const TShown shown[] = {
        {TfrmsetC::kContrastCaption, [&] { dialog->trackbarcontrast->SetValue(60); },
         [](TBitmap& b) { ApplyContrast(b, 60); }},
        {TfrmsetC::kSaturationCaption, [&] { dialog->bsSkinTrackBar1->SetValue(-40); },
         [](TBitmap& b) { ApplySaturation(b, -40, nullptr); }},
        {TfrmsetC::kRGBCaption, [&] { dialog->TrackBarGreen->SetValue(-30); },
         [](TBitmap& b) { ApplyRGB(b, 50, -30, 0, nullptr); }},
    };
    for (const TShown& t : shown) {
        SCOPED_TRACE(t.caption);
        view->Picture().Assign(original);
        RunDialog(t.caption, [&] {
            t.move();
            EXPECT_FALSE(unchangedAfterThumbnail());
            screen->PressKey(VK_RETURN);
        });
        TBitmap expected = original;
        t.apply(expected);
        EXPECT_EQ(*view->Picture().Graphic(), expected);
    }
    EXPECT_FALSE(progress->Visible()) << "the row progress stays hidden";
    EXPECT_EQ(progress->Max(), 19);
    EXPECT_EQ(progress->Position(), 19);
}

} // namespace
} // namespace tavrik
