// GoogleTest and the program's headers before Xlib's, whose macros (None, Bool, Status) would
// break them.
#include <gtest/gtest.h>

#include "gfx/Region.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/SkinRegions.h"
#include "skin/StoredSkin.h"
#include "skinforms/RevideruDadoZiri.h"
#include "ui/Application.h"

#include "X11TestFixture.h"

#include <X11/extensions/shape.h>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A skinned main form on the X server, with nothing else on the screen (no window manager).
class SkinnedWindowX11 : public X11Test {
protected:
    void SetUp() override
    {
        X11Test::SetUp();
        if (IsSkipped()) return;
        StartWindowSystem();
        LoadProgramSkin(stored);
        skin.ApplyStoredSkin(stored);
        app = std::make_unique<TApplication>();
        form = app->CreateForm<TForm>();
        frame = new TbsRevideruDadoZiri(form);
        frame->SetSkinData(&skin);
        form->SetBounds(100, 80, 400, 300);
        form->Show();
        WaitMapped(form->Handle());
        Settle();
    }
    void TearDown() override
    {
        app.reset();
        X11Test::TearDown();
    }
    TRegion ServerShape()
    {
        Settle();
        int count = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(peer, NativeOf(form->Handle()), ShapeBounding, &count, &ordering);
        std::vector<TRect> list;
        for (int i = 0; i < count; ++i) list.push_back(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
        if (rects) XFree(rects);
        return TRegion::FromRects(list);
    }
    // The shape the mask gives a frame of this size: the inner rectangle and the runs of black
    // pixels of the mask's bands, stretched with the frame.
    TRegion MaskShape(TSize size) const
    {
        const TSize mask{skin.mask.Width(), skin.mask.Height()};
        const TSkinCut cut{skin.lefttoppoint, skin.righttoppoint, skin.leftbottompoint, skin.rightbottompoint,
                           skin.maskrectarea};
        return *FrameRegionFromMask(skin.mask, cut, size.cx, ResizeSkinCut(cut, mask, size));
    }

    TbsStoredSkin stored;
    TbsSkinData skin;
    std::unique_ptr<TApplication> app;
    TForm* form = nullptr;
    TbsRevideruDadoZiri* frame = nullptr;
};

} // namespace

TEST_F(SkinnedWindowX11, TheWindowIsShapedExactlyByTheMaskAtEverySize)
{
    EXPECT_EQ(ServerShape(), MaskShape({400, 300}));
    EXPECT_EQ(PeerPixel(100, 80), clBlack) << "the rounded corner lets the root show";
    EXPECT_NE(PeerPixel(110, 81), clBlack);
    frame->SetFormWindowState(TWindowState::wsMaximized);
    // No window manager publishes a work area: the whole screen, less the pixel left free.
    TRect r = GetWindowRect(form->Handle());
    EXPECT_EQ(r.Left, 1);
    EXPECT_EQ(r.Top, 1);
    EXPECT_EQ(ServerShape(), MaskShape({r.Width(), r.Height()}));
    frame->SetRollUp(true);
    EXPECT_EQ(ServerShape(), MaskShape({r.Width(), 36}));
}

TEST_F(SkinnedWindowX11, TheCaptionMovesTheWindowByTheProgramsOwnLoop)
{
    PeerMove(100 + 200, 80 + 16);
    PeerButton(1, true);
    PeerMove(100 + 250, 80 + 46);
    PeerMove(100 + 260, 80 + 56);
    PeerButton(1, false);
    ASSERT_TRUE(PumpUntil([&] { return GetWindowRect(form->Handle()).TopLeft() == TPoint{160, 120}; }));
    ASSERT_TRUE(PumpUntil([&] {
        XWindowAttributes a{};
        ::Window child = 0;
        int x = 0, y = 0;
        XGetWindowAttributes(peer, NativeOf(form->Handle()), &a);
        XTranslateCoordinates(peer, NativeOf(form->Handle()), DefaultRootWindow(peer), 0, 0, &x, &y, &child);
        return x == 160 && y == 120;
    }));
}

TEST_F(SkinnedWindowX11, MinimizingUnmapsWithoutAWindowManagerAndRestoringMapsAgain)
{
    frame->ExecuteCommand(SkinCommand::cmMinimize);
    WaitMapped(form->Handle(), false);
    EXPECT_EQ(frame->FormWindowState(), TWindowState::wsNormal);
    app->Restore();
    WaitMapped(form->Handle(), true);
    EXPECT_EQ(ServerShape(), MaskShape({400, 300}));
}
