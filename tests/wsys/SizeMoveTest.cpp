#include "WsysTestUtil.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A caption-less window whose procedure answers the hit codes itself, as a skinned frame
// does: caption strip on top, sizing edges on the right and bottom.
class SizeMove : public WsysTest {
protected:
    HWND Form(TRect bounds)
    {
        HWND w = TopLevel(bounds);
        Handle(w, [this](HWND h, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
            if (m == WM_NCHITTEST) {
                TRect r = GetWindowRect(h);
                TPoint p = LParamToPoint(lp);
                if (p.x >= r.Right - 4 && p.y >= r.Bottom - 4) return HTBOTTOMRIGHT;
                if (p.x < r.Left + 4) return HTLEFT;
                if (p.y < r.Top + 20) return HTCAPTION;
                return HTCLIENT;
            }
            if (m == WM_GETMINMAXINFO) {
                MINMAXINFO* mmi = LParamToPtr<MINMAXINFO>(lp);
                mmi->ptMinTrackSize = minTrack;
                mmi->ptMaxTrackSize = maxTrack;
                return 0;
            }
            if (m == WM_MOVING) {
                TRect* r = LParamToPtr<TRect>(lp);
                moving.push_back(*r);
                if (snapLeft && r->Left < 30) *r = r->Offset(-r->Left, 0); // snaps to the screen edge
            }
            return std::nullopt;
        });
        ProcessMessages();
        ClearLog();
        return w;
    }

    TPoint minTrack{100, 50};
    TPoint maxTrack{600, 400};
    bool snapLeft = false;
    std::vector<TRect> moving;
    const std::set<UINT> loopMessages{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE, WM_GETMINMAXINFO, WM_MOVING, WM_SIZING,
                                      WM_MOVE,          WM_SIZE,         WM_CAPTURECHANGED, WM_NCLBUTTONDOWN,
                                      WM_SYSCOMMAND};
};

TEST_F(SizeMove, DraggingTheCaptionMovesTheWindow)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    screen->Drag({150, 110}, {250, 160}, 2);
    EXPECT_EQ(GetWindowRect(w), Bounds(200, 150, 300, 200));
    EXPECT_EQ(Trace({{w, "w"}}, loopMessages),
              Split("w:WM_NCLBUTTONDOWN w:WM_SYSCOMMAND w:WM_ENTERSIZEMOVE w:WM_GETMINMAXINFO "
                    "w:WM_MOVING w:WM_MOVE w:WM_MOVING w:WM_MOVE w:WM_CAPTURECHANGED w:WM_EXITSIZEMOVE"));
    EXPECT_EQ(Log(w, WM_SYSCOMMAND)[0].wp, SC_MOVE | HTCAPTION);
    // WM_MOVING got the proposed rectangles in screen coordinates.
    EXPECT_EQ(moving, (std::vector<TRect>{Bounds(150, 125, 300, 200), Bounds(200, 150, 300, 200)}));
    EXPECT_EQ(GetCapture(), nullptr);
    // The native window follows.
    ProcessMessages();
    EXPECT_EQ(screen->Native(w)->bounds, Bounds(200, 150, 300, 200));
}

// A click on the caption is a press and a release already queued together: the loop the press
// starts ends at the release, and the window does not follow the pointer afterwards.
TEST_F(SizeMove, AClickOnTheCaptionEndsTheMoveLoop)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    for (int clicks : {1, 2}) {
        SCOPED_TRACE(clicks);
        ClearLog();
        if (clicks == 1) screen->Click(150, 110);
        else screen->DoubleClick(150, 110);
        EXPECT_EQ(Log(w, WM_EXITSIZEMOVE).size(), Log(w, WM_ENTERSIZEMOVE).size());
        EXPECT_EQ(GetCapture(), nullptr);
        screen->MouseMove(400, 300);
        EXPECT_EQ(GetWindowRect(w), Bounds(100, 100, 300, 200));
        screen->Advance(1000);
    }
}

TEST_F(SizeMove, EscapeReturnsTheWindowToWhereItStarted)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    screen->WhenIdle([&] { screen->MouseMove(400, 300); });
    screen->WhenIdle([&] { screen->PressKey(VK_ESCAPE); });
    screen->MouseMove(150, 110);
    screen->MouseDown();
    EXPECT_EQ(GetWindowRect(w), Bounds(100, 100, 300, 200));
    EXPECT_EQ(Log(w, WM_EXITSIZEMOVE).size(), 1u);
    EXPECT_TRUE(Log(w, WM_KEYDOWN).empty()); // the loop kept the key
    std::vector<TRecorded> moves = Log(w, WM_MOVE);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(LParamToPoint(moves[1].lp), (TPoint{100, 100}));
    screen->MouseUp();
}

TEST_F(SizeMove, SizingKeepsWithinTheTrackingLimits)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    struct TCase {
        const char* name;
        TPoint to;
        TRect expected;
    } cases[] = {
        {"grow", {448, 348}, Bounds(100, 100, 350, 250)},
        {"below the minimum", {110, 110}, Bounds(100, 100, 100, 50)},
        {"above the maximum", {1200, 790}, Bounds(100, 100, 600, 400)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetWindowPos(w, nullptr, 100, 100, 300, 200, SWP_NOZORDER);
        screen->Advance(1000); // no double click with the previous press
        ClearLog();
        screen->Drag({398, 298}, c.to);
        EXPECT_EQ(GetWindowRect(w), c.expected);
        ASSERT_FALSE(Log(w, WM_SIZING).empty());
        EXPECT_EQ(Log(w, WM_SIZING)[0].wp, WMSZ_BOTTOMRIGHT);
        EXPECT_EQ(Log(w, WM_SYSCOMMAND)[0].wp, SC_SIZE | WMSZ_BOTTOMRIGHT);
        TRecorded size = Log(w, WM_SIZE).back();
        EXPECT_EQ(LOWORD(size.lp), c.expected.Width());
        EXPECT_EQ(HIWORD(size.lp), c.expected.Height());
    }
    // Dragging the left edge keeps the right edge where it is.
    SetWindowPos(w, nullptr, 100, 100, 300, 200, SWP_NOZORDER);
    screen->Advance(1000);
    screen->Drag({101, 150}, {350, 150});
    EXPECT_EQ(GetWindowRect(w), (TRect{300, 100, 400, 300}));
}

TEST_F(SizeMove, TheHandlerMayChangeTheProposedRectangle)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    snapLeft = true;
    screen->Drag({150, 110}, {75, 110});
    EXPECT_EQ(GetWindowRect(w), Bounds(0, 100, 300, 200));
}

TEST_F(SizeMove, WithoutFullWindowDragTheWindowMovesOnlyAtTheEnd)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    SystemParametersInfo(SPI_SETDRAGFULLWINDOWS, 0, nullptr);
    bool full = true;
    SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full);
    EXPECT_FALSE(full);
    screen->WhenIdle([&] {
        screen->MouseMove(200, 110);
        screen->WhenIdle([&] {
            EXPECT_EQ(GetWindowRect(w), Bounds(100, 100, 300, 200)); // still in place while dragging
            screen->MouseUp();
        });
    });
    screen->MouseMove(150, 110);
    screen->MouseDown();
    EXPECT_EQ(GetWindowRect(w), Bounds(150, 100, 300, 200));
    EXPECT_EQ(Log(w, WM_MOVE).size(), 1u);
}

TEST_F(SizeMove, DoubleClickOnTheCaptionAfterAMoveLoop)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    // The first press runs the loop (ended at once by its release), the second press is a
    // double click of the caption.
    screen->WhenIdle([&] { screen->MouseUp(); });
    screen->MouseMove(150, 110);
    screen->MouseDown();
    screen->RunIdleActions();
    screen->Click(150, 110);
    EXPECT_EQ(Log(w, WM_NCLBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Log(w, WM_NCLBUTTONDBLCLK).size(), 1u);
    EXPECT_EQ(Log(w, WM_ENTERSIZEMOVE).size(), 1u);
}

TEST_F(SizeMove, ModalLoopOverAMovingWindowEndsWhenTheWindowDies)
{
    HWND w = Form(Bounds(100, 100, 300, 200));
    screen->WhenIdle([&] { screen->MouseMove(200, 150); });
    screen->WhenIdle([&] { PostMessage(w, WM_CLOSE); });
    screen->MouseMove(150, 110);
    screen->MouseDown();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(GetCapture(), nullptr);
    screen->MouseUp();
}

} // namespace
