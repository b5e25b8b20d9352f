#include "FrameTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/SkinImageBuilders.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/SkinCaptionObject.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class FramePaint : public FrameTest {
protected:
    // The frame as the builders make it at the form's size, with the client area tiled from
    // the picture's client rectangle: what every pixel of the window shows apart from the
    // objects on the frame.
    TBitmap ExpectedWindow(TSize size) const
    {
        const TbsSkinData& skin = ProgramSkinData();
        const TSize p{skin.picture.Width(), skin.picture.Height()};
        const TSkinCut cut{skin.lefttoppoint, skin.righttoppoint, skin.leftbottompoint, skin.rightbottompoint,
                           skin.clientrect};
        TFrameParts parts;
        BuildFrameParts(skin.picture, {0, 0, p.cx, p.cy}, cut, size, ResizeSkinCut(cut, p, size), {}, parts);
        TBitmap window(size.cx, size.cy);
        TCanvas c(window);
        const TRect& tile = skin.clientrect;
        for (int y = parts.Top.Height(); y < size.cy - parts.Bottom.Height(); ++y)
            for (int x = parts.Left.Width(); x < size.cx - parts.Right.Width(); ++x) {
                const int cx = x - parts.Left.Width();
                const int cy = y - parts.Top.Height();
                window.SetPixel(x, y, skin.picture.GetPixel(tile.Left + cx % tile.Width(), tile.Top + cy % tile.Height()));
            }
        c.Draw(0, 0, parts.Top);
        c.Draw(0, parts.Top.Height(), parts.Left);
        c.Draw(size.cx - parts.Right.Width(), parts.Top.Height(), parts.Right);
        c.Draw(0, size.cy - parts.Bottom.Height(), parts.Bottom);
        return window;
    }
};

} // namespace

TEST_F(FramePaint, TheSkinnedWindowIsTheBuiltFrameShapedByTheMaskAtAnySize)
{
    for (TSize size : {TSize{300, 200}, TSize{683, 495}}) {
        SCOPED_TRACE(size.cx);
        TbsRevideruDadoZiri* frame = NewFrame(Bounds(20, 20, size.cx, size.cy));
        TForm* form = frame->Form();
        screen->MouseMove(1000, 760);
        const TBitmap shot = Shot(form);
        const TBitmap expected = ExpectedWindow(size);
        const TRegion shape = *GetWindowRgn(form->Handle());
        int compared = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                if (!shape.Contains(TPoint{x, y})) {
                    ASSERT_EQ(shot.GetPixel(x, y), clBlack) << "the desktop shows at " << x << "," << y;
                    continue;
                }
                bool onObject = false;
                for (auto& object : frame->Objects())
                    onObject = onObject || (object->Visible && object->ObjectRect.Contains(TPoint{x, y}));
                if (onObject) continue;
                ASSERT_EQ(shot.GetPixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
                ++compared;
            }
        EXPECT_GT(compared, size.cx * size.cy * 3 / 4);
        // The caption buttons show their normal faces, one to one from the skin's picture.
        for (const char* name : {"closebutton", "maxbutton", "minbutton", "rollupbutton", "systemmenubutton"}) {
            SCOPED_TRACE(name);
            TbsActiveSkinObject* button = frame->FindObject(name);
            const TRect r = button->ObjectRect;
            for (int y = 0; y < r.Height(); ++y)
                for (int x = 0; x < r.Width(); ++x)
                    ASSERT_EQ(shot.GetPixel(r.Left + x, r.Top + y),
                              button->ActivePicture->GetPixel(button->skinrect.Left + x, button->skinrect.Top + y));
        }
        form->Hide();
    }
}

TEST_F(FramePaint, TheCaptionTextIsShortenedToItsRoomAndFollowsTheActivation)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(20, 20, 300, 200));
    TForm* form = frame->Form();
    form->SetCaption("A caption far too long to fit between the frame's buttons at this width");
    auto* caption = dynamic_cast<TbsSkinCaptionObject*>(frame->FindObject("caption1"));
    ASSERT_NE(caption, nullptr);
    auto textPixels = [&](TColor color) {
        const TBitmap shot = Shot(form);
        int n = 0;
        const TRect r = caption->ObjectRect;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += shot.GetPixel(x, y) == color;
        return n;
    };
    EXPECT_GT(textPixels(caption->activefontcolor), 20);
    mainForm->Show();
    SetActiveWindow(mainForm->Handle());
    EXPECT_FALSE(caption->Active);
    EXPECT_EQ(textPixels(caption->activefontcolor), 0);
    EXPECT_GT(textPixels(caption->fontcolor), 20);
}

TEST_F(FramePaint, ThePlainFrameHasThreeRingsACaptionBarAndItsButtons)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(20, 20, 300, 200), nullptr);
    TForm* form = frame->Form();
    form->SetCaption("");
    screen->MouseMove(1000, 760);
    const TBitmap shot = Shot(form);
    struct TPixel {
        TPoint at;
        TColor color;
    };
    const TPixel pixels[] = {
        {{0, 0}, cl3DLight},        {{150, 0}, cl3DLight},       {{299, 199}, cl3DDkShadow}, {{299, 100}, cl3DDkShadow},
        {{1, 1}, clBtnHighlight},   {{298, 198}, clBtnShadow},   {{2, 100}, clBtnFace},      {{150, 197}, clBtnFace},
        {{100, 5}, clBtnHighlight}, {{100, 6}, clBtnShadow},     {{100, 18}, clBtnShadow},   {{100, 19}, clBtnFace},
        {{150, 100}, clBtnFace},
    };
    for (const TPixel& p : pixels) {
        SCOPED_TRACE(::testing::Message() << p.at.x << "," << p.at.y);
        EXPECT_EQ(shot.GetPixel(p.at.x, p.at.y), ColorToRGB(p.color));
    }
    // The close button: a flat face with its cross, then hot when the pointer is over it.
    TRect close = frame->FindObject("closebutton")->ObjectRect;
    EXPECT_EQ(close, Rect(280, 4, 297, 21));
    EXPECT_EQ(shot.GetPixel(281, 5), ColorToRGB(clBtnFace));
    TPoint onClose = OnForm(form, {288, 12});
    screen->MouseMove(onClose.x, onClose.y);
    const TBitmap hot = Shot(form);
    EXPECT_EQ(hot.GetPixel(280, 4), clNavy);
    EXPECT_EQ(hot.GetPixel(281, 5), RGB(182, 189, 210));
    screen->MouseDown();
    EXPECT_EQ(Shot(form).GetPixel(281, 5), RGB(133, 147, 181));
    screen->MouseUp();
}

TEST_F(FramePaint, TheClientBackgroundIsTheTiledPictureWithTheLogoOnTop)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(20, 20, 300, 200));
    TForm* form = frame->Form();
    TBitmap logo(20, 10);
    logo.Fill(clRed);
    logo.SetPixel(0, 9, clLime); // the transparent colour, taken from the bottom-left pixel
    logo.SetPixel(5, 5, clLime);
    frame->LogoBitMap() = logo;
    form->Invalidate();
    const TRect client = form->ClientRect();
    const TPoint logoAt{client.Width() / 2 - 10, client.Height() / 2 - 5};
    auto onScreen = [&](int x, int y) { return Pixel(form->ClientToScreen({logoAt.x + x, logoAt.y + y})); };
    ProcessMessages();
    EXPECT_EQ(onScreen(1, 1), clRed);
    EXPECT_EQ(onScreen(5, 5), clLime);
    frame->SetLogoBitMapTransparent(true);
    form->Invalidate();
    ProcessMessages();
    EXPECT_EQ(onScreen(1, 1), clRed);
    EXPECT_NE(onScreen(5, 5), clLime);
    EXPECT_EQ(onScreen(5, 5), onScreen(-3, 5)); // the tiled background shows through
}
