#include "app/frmScreen.h"
#include "gfx/Canvas.h"
#include "support/UiTest.h"
#include "support/Placement.h"

namespace tavrik {
namespace {

// Every pixel of the pattern tells where it is.
TColor PatternAt(int x, int y) { return RGB(uint8_t(x), uint8_t(y), uint8_t((x >> 8) * 16 + (y >> 8) * 64 + 1)); }

class CaptureTest : public testing::UiTest {
protected:
    CaptureTest()
    {
        host = NewForm(0, 0, 800, 600);
        TBitmap pattern(800, 600);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) pattern.SetPixel(x, y, PatternAt(x, y));
        backdrop = test::NewChild<TImage>(host, 0, 0, 800, 600);
        backdrop->Picture().Assign(pattern);
        view = new TImage(host);
        view->SetBounds(0, 0, 1, 1); // not on screen: the capture must not depend on it
        view->Picture().Assign(TBitmap(5, 5));
        capture = app->CreateForm<TfrmScreen>();
        capture->SetHost({host, view, nullptr});
        ProcessMessages();
    }

    void Open()
    {
        capture->Show();
        ProcessMessages();
    }

    TForm* host = nullptr;
    TImage* backdrop = nullptr;
    TImage* view = nullptr;
    TfrmScreen* capture = nullptr;
};

TEST_F(CaptureTest, TwoClicksInEitherOrderCaptureTheSameRectangle)
{
    struct TCase {
        TPoint first, second;
    };
    for (TCase c : {TCase{{100, 50}, {300, 150}}, TCase{{300, 150}, {100, 50}}, TCase{{300, 50}, {100, 150}}}) {
        SCOPED_TRACE(std::to_string(c.first.x) + "," + std::to_string(c.first.y));
        int beeps = screen->BeepCount();
        Open();
        EXPECT_EQ(screen->BeepCount(), beeps + 1);
        ASSERT_TRUE(capture->Visible());
        screen->Click(c.first.x, c.first.y, TMouseButton::Left);
        EXPECT_TRUE(capture->Selecting);
        screen->Click(c.second.x, c.second.y, TMouseButton::Right); // any button sets the second corner
        EXPECT_FALSE(capture->Visible());
        const TBitmap* work = view->Picture().Graphic();
        ASSERT_NE(work, nullptr);
        ASSERT_EQ(work->Width(), 200);
        ASSERT_EQ(work->Height(), 100);
        EXPECT_EQ(work->PixelFormat(), TPixelFormat::pf24bit);
        EXPECT_EQ(view->Width(), 200);
        EXPECT_EQ(view->Height(), 100);
        // The band was erased before the copy: the picture is the screen, pixel for pixel.
        for (TPoint p : {TPoint{0, 0}, TPoint{199, 0}, TPoint{0, 99}, TPoint{199, 99}, TPoint{57, 31}})
            EXPECT_EQ(work->GetPixel(p.x, p.y), PatternAt(100 + p.x, 50 + p.y)) << p.x << "," << p.y;
    }
}

TEST_F(CaptureTest, TheRubberBandIsDrawnInvertedAndErasedAgain)
{
    Open();
    screen->Click(100, 100);
    screen->MouseMove(140, 130);
    // Outline of (100,100)-(140,130), right and bottom edges exclusive.
    for (TPoint p : {TPoint{100, 100}, TPoint{139, 100}, TPoint{100, 129}, TPoint{120, 129}, TPoint{139, 115}}) {
        TColor expected = PatternAt(p.x, p.y) ^ 0xFFFFFF;
        EXPECT_EQ(Pixel(p), expected) << p.x << "," << p.y;
    }
    EXPECT_EQ(Pixel({120, 115}), PatternAt(120, 115)) << "inside stays";
    EXPECT_EQ(Pixel({140, 130}), PatternAt(140, 130));
    screen->MouseMove(110, 105);
    EXPECT_EQ(Pixel({139, 100}), PatternAt(139, 100)) << "the old band is gone";
    EXPECT_EQ(Pixel({109, 100}), PatternAt(109, 100) ^ 0xFFFFFF);
    screen->Click(110, 105);
    EXPECT_EQ(view->Picture().Width(), 10);
    EXPECT_EQ(view->Picture().Graphic()->GetPixel(9, 0), PatternAt(109, 100));
}

TEST_F(CaptureTest, TwoClicksOnOneRowGiveAnEmptyPicture)
{
    Open();
    screen->Click(100, 70);
    screen->Click(300, 70);
    ASSERT_NE(view->Picture().Graphic(), nullptr);
    EXPECT_TRUE(view->Picture().Graphic()->Empty());
    EXPECT_EQ(view->Height(), 0);
    EXPECT_EQ(view->Width(), 200);
}

TEST_F(CaptureTest, EscOrARightClickFirstAbandonsWithoutTouchingThePicture)
{
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        Open();
        if (way == 0) {
            screen->PressKey(VK_ESCAPE);
        } else if (way == 1) {
            screen->Click(100, 100, TMouseButton::Right);
        } else {
            screen->Click(100, 100);
            screen->MouseMove(150, 150);
            screen->PressKey(VK_ESCAPE);
        }
        EXPECT_FALSE(capture->Visible());
        EXPECT_FALSE(capture->Selecting);
        EXPECT_EQ(view->Picture().Width(), 5);
        EXPECT_EQ(view->Picture().Height(), 5);
    }
    // The next capture starts from a clean screenshot.
    Open();
    EXPECT_EQ(Pixel({150, 100}), PatternAt(150, 100));
}

} // namespace
} // namespace tavrik
