#include "support/UiTest.h"

#include "gfx/Bitmap.h"
#include "support/Placement.h"
#include "ui/Image.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A picture of four quadrants in distinct colours.
TBitmap Quadrants(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, y < h / 2 ? (x < w / 2 ? clRed : clLime) : (x < w / 2 ? clBlue : clYellow));
    return b;
}

class Image : public UiTest {
protected:
    TForm* form = nullptr;
    TImage* image = nullptr;
    void SetUp() override
    {
        form = NewForm(0, 0, 400, 300);
        form->SetColor(clWhite);
        image = test::NewChild<TImage>(form, 32, 32, 100, 100);
    }
    TColor At(int x, int y)
    {
        ProcessMessages();
        return Pixel(image->ClientToScreen({x, y}));
    }
};

} // namespace

TEST_F(Image, DestRectFollowsStretchAndCenter)
{
    image->Picture().Assign(Quadrants(40, 20));
    struct TCase {
        bool stretch, center;
        TRect expected;
    } cases[] = {
        {false, false, Rect(0, 0, 40, 20)},
        {false, true, Rect(30, 40, 70, 60)},
        {true, false, Rect(0, 0, 100, 100)},
        {true, true, Rect(0, 0, 100, 100)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.stretch) + std::to_string(c.center));
        image->SetStretch(c.stretch);
        image->SetCenter(c.center);
        EXPECT_EQ(image->DestRect(), c.expected);
    }
    // A picture larger than the view is cut equally on both sides (halves toward zero).
    image->SetStretch(false);
    image->SetCenter(true);
    image->Picture().Assign(Quadrants(141, 103));
    EXPECT_EQ(image->DestRect(), Rect(-20, -1, 121, 102));
}

TEST_F(Image, TheCentredPictureIsDrawnAtItsPlaceOverTheParent)
{
    image->SetCenter(true);
    image->Picture().Assign(Quadrants(40, 20));
    EXPECT_EQ(At(29, 50), clWhite); // the form shows around it
    EXPECT_EQ(At(30, 40), clRed);
    EXPECT_EQ(At(69, 40), clLime);
    EXPECT_EQ(At(30, 59), clBlue);
    EXPECT_EQ(At(69, 59), clYellow);
    EXPECT_EQ(At(70, 59), clWhite);
    EXPECT_EQ(At(50, 60), clWhite);
}

TEST_F(Image, AStretchedPictureFillsTheView)
{
    image->SetStretch(true);
    image->Picture().Assign(Quadrants(2, 2));
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(49, 49), clRed);
    EXPECT_EQ(At(50, 49), clLime);
    EXPECT_EQ(At(49, 50), clBlue);
    EXPECT_EQ(At(99, 99), clYellow);
}

TEST_F(Image, AutoSizeTakesEachNewPicturesSizeButNotAnEmptyOnes)
{
    image->SetAutoSize(true);
    image->SetStretch(true);
    EXPECT_EQ(image->BoundsRect(), Bounds(32, 32, 100, 100)); // no picture yet
    image->Picture().Assign(Quadrants(64, 48));
    EXPECT_EQ(image->BoundsRect(), Bounds(32, 32, 64, 48));
    // While AutoSize is on, other sizes are refused.
    image->SetHeight(10);
    EXPECT_EQ(image->Height(), 48);
    // An empty picture leaves the size alone, and so does moving the view.
    image->Picture().Assign(TBitmap());
    EXPECT_EQ(image->BoundsRect(), Bounds(32, 32, 64, 48));
    image->SetLeft(5);
    EXPECT_EQ(image->BoundsRect(), Bounds(5, 32, 64, 48));
    image->SetAutoSize(false);
    image->SetBounds(5, 32, 125, 125);
    image->Picture().Assign(Quadrants(10, 10));
    EXPECT_EQ(image->BoundsRect(), Bounds(5, 32, 125, 125));
    EXPECT_EQ(image->DestRect(), Rect(0, 0, 125, 125));
}

TEST_F(Image, APictureChangedInPlaceShowsAfterChanged)
{
    image->Picture().Assign(Quadrants(4, 4));
    EXPECT_EQ(At(0, 0), clRed);
    image->Picture().Bitmap().Fill(clNavy);
    image->Picture().Changed();
    EXPECT_EQ(At(0, 0), clNavy);
    image->Picture().Clear();
    EXPECT_EQ(image->Picture().Graphic(), nullptr);
    EXPECT_EQ(At(0, 0), clWhite);
}

TEST_F(Image, TransparentPicturesLetTheParentThrough)
{
    TBitmap keyed = Quadrants(4, 4); // bottom-left is blue: the key
    image->SetTransparent(true);
    image->Picture().Assign(keyed);
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(0, 3), clWhite);
    TBitmap alpha(2, 1, TPixelFormat::pf32bit);
    alpha.ScanLine(0)[0] = 255, alpha.ScanLine(0)[3] = 255; // opaque blue
    image->Picture().Assign(alpha);
    EXPECT_EQ(At(0, 0), clBlue);
    EXPECT_EQ(At(1, 0), clWhite);
}
