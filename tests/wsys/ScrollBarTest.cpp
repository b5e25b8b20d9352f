#include "WsysTestUtil.h"

#include "gfx/Canvas.h"
#include "gfx/Region.h"
#include "gfx/SystemColors.h"
#include "wsys/ScrollBarLayout.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

TScrollBarState State(int min, int max, UINT page, int pos)
{
    TScrollBarState s;
    s.min = min, s.max = max, s.page = page, s.pos = pos;
    return s;
}

TEST(ScrollBarLayout, PartsFollowRangePageAndPosition)
{
    {
        SCOPED_TRACE("fixed thumb in the middle of 0..100");
        TScrollBarLayout l = LayoutScrollBar(Bounds(0, 0, 200, 16), false, State(0, 100, 0, 50), true);
        EXPECT_EQ(l.lineUp, Rect(0, 0, 16, 16));
        EXPECT_EQ(l.lineDown, Rect(184, 0, 200, 16));
        EXPECT_EQ(l.track, Rect(16, 0, 184, 16));
        EXPECT_EQ(l.thumb, Rect(16 + 76, 0, 16 + 76 + 16, 16)); // (168 - 16) * 50 / 100
    }
    {
        SCOPED_TRACE("thumb as long as the page, at the last position");
        TScrollBarLayout l = LayoutScrollBar(Bounds(0, 0, 200, 16), false, State(0, 99, 10, 90), true);
        EXPECT_EQ(l.thumbLength, 17); // 168 * 10 / 100, rounded
        EXPECT_EQ(l.thumb, Rect(184 - 17, 0, 184, 16));
    }
    {
        SCOPED_TRACE("a tiny page still gives a thumb that can be taken");
        TScrollBarLayout l = LayoutScrollBar(Bounds(0, 0, 16, 300), true, State(0, 100000, 1, 0), true);
        EXPECT_EQ(l.thumb, Rect(0, 16, 16, 16 + TScrollBarLayout::kMinThumbLength));
    }
    {
        SCOPED_TRACE("a bar shorter than two arrows: half each, no thumb");
        TScrollBarLayout l = LayoutScrollBar(Bounds(0, 0, 16, 20), true, State(0, 100, 0, 0), true);
        EXPECT_EQ(l.lineUp, Rect(0, 0, 16, 10));
        EXPECT_EQ(l.lineDown, Rect(0, 10, 16, 20));
        EXPECT_TRUE(l.thumb.IsEmpty());
    }
    for (bool enabled : {false, true}) {
        SCOPED_TRACE(enabled ? "nothing to scroll" : "disabled");
        TScrollBarState s = enabled ? State(0, 9, 10, 0) : State(0, 100, 0, 10);
        EXPECT_TRUE(LayoutScrollBar(Bounds(0, 0, 200, 16), false, s, enabled).thumb.IsEmpty());
    }
    {
        SCOPED_TRACE("a dragged thumb is drawn where it is dragged");
        TScrollBarState s = State(0, 100, 0, 0);
        s.tracking = true, s.trackPos = 100;
        EXPECT_EQ(LayoutScrollBar(Bounds(0, 0, 200, 16), false, s, true).thumb.Right, 184);
    }
}

TEST(ScrollBarLayout, HitPartsAndThumbRoundTrip)
{
    TScrollBarState s = State(-5, 99, 10, 40);
    TScrollBarLayout l = LayoutScrollBar(Rect(10, 20, 26, 320), true, s, true);
    EXPECT_EQ(l.PartAt({10, 20}), spLineUp);
    EXPECT_EQ(l.PartAt({25, 35}), spLineUp);
    EXPECT_EQ(l.PartAt({10, 36}), spPageUp);
    EXPECT_EQ(l.PartAt({10, l.thumb.Top - 1}), spPageUp);
    EXPECT_EQ(l.PartAt({10, l.thumb.Top}), spThumb);
    EXPECT_EQ(l.PartAt({10, l.thumb.Bottom}), spPageDown);
    EXPECT_EQ(l.PartAt({10, 303}), spPageDown);
    EXPECT_EQ(l.PartAt({10, 304}), spLineDown);
    EXPECT_EQ(l.PartAt({26, 100}), spNone);
    EXPECT_EQ(l.PartAt({10, 320}), spNone);
    // Every position survives being turned into a thumb place and back.
    for (int pos = s.min; pos <= s.MaxPos(); ++pos) {
        s.pos = pos;
        TScrollBarLayout at = LayoutScrollBar(Rect(10, 20, 26, 320), true, s, true);
        ASSERT_EQ(at.PosFromThumbStart(s, at.ThumbStart()), pos);
    }
    EXPECT_EQ(l.PosFromThumbStart(s, -1000), -5);
    EXPECT_EQ(l.PosFromThumbStart(s, 1000), 90);
}

class ScrollBars : public WsysTest {
protected:
    // A frameless window at (100, 100) whose handler scrolls as a program does: it applies
    // each request to the bar's position and records it.
    HWND Scrolled(DWORD styles, TRect bounds = Bounds(100, 100, 200, 100))
    {
        HWND w = Create(WS_POPUP | WS_VISIBLE | styles, bounds);
        Handle(w, [this](HWND h, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_VSCROLL && m != WM_HSCROLL) return std::nullopt;
            int bar = m == WM_VSCROLL ? SB_VERT : SB_HORZ;
            int code = LOWORD(wp);
            SCROLLINFO si;
            si.fMask = SIF_ALL;
            GetScrollInfo(h, bar, &si);
            requests.push_back({screen->Now() - start, code, code == SB_THUMBTRACK || code == SB_THUMBPOSITION ? int(HIWORD(wp)) : si.nPos});
            if (code == SB_THUMBTRACK) trackPositions.push_back(si.nTrackPos);
            int step = code == SB_LINEUP ? -1 : code == SB_LINEDOWN ? 1 : code == SB_PAGEUP ? -int(si.nPage)
                       : code == SB_PAGEDOWN ? int(si.nPage) : 0;
            if (step) SetScrollPos(h, bar, si.nPos + step);
            if (code == SB_THUMBPOSITION) SetScrollPos(h, bar, HIWORD(wp));
            return 0;
        });
        ProcessMessages();
        ClearLog();
        start = screen->Now();
        return w;
    }

    void Range(HWND w, int bar, int min, int max, UINT page, int pos)
    {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, min, max, page, pos, 0};
        SetScrollInfo(w, bar, &si, true);
        ProcessMessages();
    }

    int Hit(HWND w, TPoint screenPoint) { return int(SendMessage(w, WM_NCHITTEST, 0, PointToLParam(screenPoint))); }

    void Hold(const std::vector<uint64_t>& advances)
    {
        for (uint64_t ms : advances) screen->WhenIdle([this, ms] { screen->Advance(ms); });
    }

    struct TRequest {
        uint64_t at;
        int code;
        int pos; // the thumb position of thumb requests, else the position before the request
        bool operator==(const TRequest&) const = default;
    };
    std::vector<TRequest> requests;
    std::vector<int> trackPositions;
    uint64_t start = 0;
};

TEST_F(ScrollBars, StylesTakeTheBarsOffTheClientArea)
{
    HWND v = Scrolled(WS_VSCROLL);
    EXPECT_EQ(GetClientRect(v), Rect(0, 0, 200 - GetSystemMetrics(SM_CXVSCROLL), 100));
    HWND both = Scrolled(WS_VSCROLL | WS_HSCROLL | WS_BORDER, Bounds(400, 100, 200, 100));
    EXPECT_EQ(GetClientRect(both), Rect(0, 0, 198 - 16, 98 - 16));
    {
        SCOPED_TRACE("hit codes");
        EXPECT_EQ(Hit(both, {400 + 182, 101}), HTCLIENT);
        EXPECT_EQ(Hit(both, {400 + 183, 101}), HTVSCROLL);
        EXPECT_EQ(Hit(both, {400 + 198, 100 + 82}), HTVSCROLL);
        EXPECT_EQ(Hit(both, {401, 100 + 83}), HTHSCROLL);
        EXPECT_EQ(Hit(both, {400 + 183, 100 + 83}), HTBORDER); // the corner square
        EXPECT_EQ(Hit(both, {400 + 199, 150}), HTBORDER);
    }
    {
        SCOPED_TRACE("hiding a bar gives the strip back and says so");
        ClearLog();
        EXPECT_TRUE(ShowScrollBar(both, SB_VERT, false));
        EXPECT_EQ(GetClientRect(both), Rect(0, 0, 198, 82));
        EXPECT_EQ(GetWindowLongPtr(both, GWL_STYLE) & WS_VSCROLL, 0);
        ASSERT_EQ(Log(both, WM_SIZE).size(), 1u);
        EXPECT_EQ(Log(both, WM_SIZE)[0].lp, MAKELPARAM(198, 82));
        EXPECT_TRUE(ShowScrollBar(both, SB_BOTH, false));
        EXPECT_EQ(GetClientRect(both), Rect(0, 0, 198, 98));
    }
}

TEST_F(ScrollBars, RangeAndPageDecideVisibilityAndClampThePosition)
{
    HWND w = Scrolled(0);
    EXPECT_EQ(SetScrollRange(w, SB_VERT, 0, 100), true);
    EXPECT_NE(GetWindowLongPtr(w, GWL_STYLE) & WS_VSCROLL, 0); // something to scroll: shown
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 10, 0, 0};
    EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, true), 0);
    {
        SCOPED_TRACE("positions stay within min .. max - page + 1");
        EXPECT_EQ(SetScrollPos(w, SB_VERT, 500), 0); // answers the previous position
        EXPECT_EQ(GetScrollPos(w, SB_VERT), 91);
        EXPECT_EQ(SetScrollPos(w, SB_VERT, -3), 91);
        EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
        si = {sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 91, 0};
        EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, true), 91);
        si = {sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 50, 0, 0};
        EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, true), 51); // a larger page pulls the position back
    }
    {
        SCOPED_TRACE("everything read back");
        si = {sizeof(SCROLLINFO), SIF_ALL, -1, -1, 0, -1, -1};
        ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &si));
        EXPECT_EQ(si.nMin, 0);
        EXPECT_EQ(si.nMax, 100);
        EXPECT_EQ(si.nPage, 50u);
        EXPECT_EQ(si.nPos, 51);
        EXPECT_EQ(si.nTrackPos, 51);
        int min = -1, max = -1;
        EXPECT_TRUE(GetScrollRange(w, SB_VERT, &min, &max));
        EXPECT_EQ(std::make_pair(min, max), std::make_pair(0, 100));
    }
    {
        SCOPED_TRACE("a page over the whole range hides the bar");
        si = {sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 500, 0, 0};
        EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, true), 0);
        si.fMask = SIF_PAGE;
        GetScrollInfo(w, SB_VERT, &si);
        EXPECT_EQ(si.nPage, 101u);
        EXPECT_EQ(GetWindowLongPtr(w, GWL_STYLE) & WS_VSCROLL, 0);
        EXPECT_EQ(GetClientRect(w).Width(), 200);
    }
    {
        SCOPED_TRACE("... unless it is to stay, disabled");
        si = {sizeof(SCROLLINFO), SIF_RANGE | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
        SetScrollInfo(w, SB_VERT, &si, true);
        EXPECT_NE(GetWindowLongPtr(w, GWL_STYLE) & WS_VSCROLL, 0);
        SCROLLBARINFO info;
        ASSERT_TRUE(GetScrollBarInfo(w, OBJID_VSCROLL, &info));
        EXPECT_EQ(info.rcScrollBar, Rect(284, 100, 300, 200));
        EXPECT_NE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
        EXPECT_NE(info.rgstate[3] & STATE_SYSTEM_INVISIBLE, 0u); // no thumb
        si = {sizeof(SCROLLINFO), SIF_RANGE | SIF_DISABLENOSCROLL, 0, 1000, 0, 0, 0};
        SetScrollInfo(w, SB_VERT, &si, true);
        GetScrollBarInfo(w, OBJID_VSCROLL, &info);
        EXPECT_EQ(info.rgstate[0], 0u);
        EXPECT_EQ(info.dxyLineButton, 16);
        EXPECT_EQ(info.xyThumbTop, 16);
        EXPECT_EQ(info.xyThumbBottom, 16 + TScrollBarLayout::kMinThumbLength); // the page of 1 left from before
    }
    {
        SCOPED_TRACE("bad handles and bars");
        EXPECT_EQ(SetScrollPos(w, 7, 3), 0);
        EXPECT_FALSE(GetScrollInfo(nullptr, SB_VERT, &si));
        EXPECT_FALSE(GetScrollInfo(w, SB_VERT, nullptr));
        EXPECT_FALSE(ShowScrollBar(w, 9, true));
    }
}

TEST_F(ScrollBars, AnArrowHeldDownRepeatsWhileThePointerStaysOnIt)
{
    HWND w = Scrolled(WS_VSCROLL);
    Range(w, SB_VERT, 0, 100, 10, 0);
    TPoint downArrow{292, 192};
    Hold({499, 1, 50, 50});
    screen->WhenIdle([&] { screen->MouseMove(250, 192); }); // off the arrow: pauses
    Hold({200});
    screen->WhenIdle([&] { screen->MouseMove(downArrow.x, downArrow.y); });
    Hold({50});
    screen->WhenIdle([&] { screen->MouseUp(); });
    screen->MouseMove(downArrow.x, downArrow.y);
    screen->MouseDown();
    EXPECT_EQ(requests, (std::vector<TRequest>{{0, SB_LINEDOWN, 0},
                                               {500, SB_LINEDOWN, 1},
                                               {550, SB_LINEDOWN, 2},
                                               {600, SB_LINEDOWN, 3},
                                               {850, SB_LINEDOWN, 4},
                                               {850, SB_ENDSCROLL, 5}}));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Names(w), Split("WM_NCMOUSEMOVE WM_NCLBUTTONDOWN WM_SYSCOMMAND 0x115 0x115 0x115 "
                              "0x115 0x115 WM_CAPTURECHANGED 0x115"));
    EXPECT_EQ(Log(w, WM_SYSCOMMAND)[0].wp, SC_VSCROLL | HTVSCROLL);
}

TEST_F(ScrollBars, TheTrackPagesUntilTheThumbReachesThePointer)
{
    HWND w = Scrolled(WS_VSCROLL);
    Range(w, SB_VERT, 0, 100, 10, 0);
    Hold({500});
    Hold(std::vector<uint64_t>(12, 50));
    screen->WhenIdle([&] { screen->MouseUp(); });
    screen->MouseMove(292, 170);
    screen->MouseDown();
    // The thumb (8 long over a 68-pixel track) covers y = 70 from position 80 on.
    ASSERT_EQ(requests.size(), 9u);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(requests[i].code, SB_PAGEDOWN) << i;
    EXPECT_EQ(requests[8].code, SB_ENDSCROLL);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 80);
}

TEST_F(ScrollBars, DraggingTheThumbTracksThenSetsThePosition)
{
    HWND w = Scrolled(WS_HSCROLL);
    Range(w, SB_HORZ, 0, 100, 10, 0);
    // The horizontal bar: y 84..100, track x 16..184, thumb 16 long from x = 16.
    screen->Drag({100 + 20, 190}, {100 + 20 + 30, 190}, 3);
    // 152 pixels of room for 91 positions.
    EXPECT_EQ(requests, (std::vector<TRequest>{{0, SB_THUMBTRACK, 6},
                                               {0, SB_THUMBTRACK, 12},
                                               {0, SB_THUMBTRACK, 18},
                                               {0, SB_THUMBPOSITION, 18},
                                               {0, SB_ENDSCROLL, 18}}));
    EXPECT_EQ(trackPositions, (std::vector<int>{6, 12, 18}));
    EXPECT_EQ(GetScrollPos(w, SB_HORZ), 18);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(w, SB_HORZ, &si);
    EXPECT_EQ(si.nTrackPos, 18);
}

TEST_F(ScrollBars, APlainBarIsPaintedInSystemColours)
{
    HWND w = Scrolled(WS_VSCROLL | WS_HSCROLL);
    Range(w, SB_VERT, 0, 100, 0, 50);
    auto at = [&](int x, int y) { return screen->ScreenPixel(100 + x, 100 + y); };
    TColor face = ColorToRGB(clBtnFace), text = ColorToRGB(clBtnText), track = ColorToRGB(clScrollBar);
    // Vertical bar: x 184..200, y 0..84; arrows 16 high; thumb 16 long at 16 + (52 - 16) / 2.
    EXPECT_EQ(at(184, 0), ColorToRGB(cl3DLight));
    EXPECT_EQ(at(185, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(at(199, 15), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(at(187, 3), face);
    EXPECT_EQ(at(192, 6), text); // the up arrow's point
    EXPECT_EQ(at(191, 6), face);
    EXPECT_EQ(at(189, 9), text); // its base
    EXPECT_EQ(at(188, 9), face);
    EXPECT_EQ(at(189, 84 - 16 + 6), text); // the down arrow's base is on top
    EXPECT_EQ(at(192, 20), track);
    EXPECT_EQ(at(192, 33), track);
    EXPECT_EQ(at(192, 34), ColorToRGB(cl3DLight));
    EXPECT_EQ(at(192, 40), face);
    EXPECT_EQ(at(192, 49), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(at(192, 50), track);
    EXPECT_EQ(at(190, 90), face); // the corner square
    {
        SCOPED_TRACE("a held track part darkens");
        TColor held = 0, afterwards = 0;
        screen->WhenIdle([&] { held = at(192, 60); });
        screen->WhenIdle([&] { screen->MouseUp(); });
        screen->MouseMove(292, 160);
        screen->MouseDown();
        afterwards = at(192, 60);
        EXPECT_EQ(held, ColorToRGB(cl3DDkShadow));
        EXPECT_EQ(afterwards, track);
    }
    {
        SCOPED_TRACE("a disabled bar has grey arrows and no thumb");
        EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
        ProcessMessages();
        EXPECT_EQ(at(192, 6), ColorToRGB(clBtnShadow));
        EXPECT_EQ(at(196, 10), ColorToRGB(clBtnHighlight));
        EXPECT_EQ(at(192, 40), track);
        EXPECT_FALSE(EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH));
    }
}

TEST_F(ScrollBars, AScrollBarControlReportsToItsParent)
{
    HWND parent = TopLevel(Bounds(100, 100, 300, 200));
    HWND bar = CreateWindowEx(0, WC_SCROLLBAR, "", WS_CHILD | WS_VISIBLE | SBS_VERT, 10, 10, 16, 150, parent);
    ASSERT_NE(bar, nullptr);
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, 9, 5, 0, 0};
    SetScrollInfo(bar, SB_CTL, &si, true);
    ProcessMessages();
    ClearLog();
    // A held arrow repeats for as long as it is held, so the release waits for the loop.
    screen->WhenIdle([&] { screen->MouseUp(); });
    screen->MouseMove(118, 110 + 150 - 3); // the down arrow
    screen->MouseDown();
    std::vector<TRecorded> got = Log(parent, WM_VSCROLL);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(LOWORD(got[0].wp), SB_LINEDOWN);
    EXPECT_EQ(LOWORD(got[1].wp), SB_ENDSCROLL);
    EXPECT_EQ(HandleFromValue(uint64_t(got[0].lp)), bar);
    {
        SCOPED_TRACE("keys");
        SetFocus(bar);
        ClearLog();
        screen->PressKey(VK_NEXT);
        screen->PressKey(VK_HOME);
        got = Log(parent, WM_VSCROLL);
        ASSERT_EQ(got.size(), 4u);
        EXPECT_EQ(LOWORD(got[0].wp), SB_PAGEDOWN);
        EXPECT_EQ(LOWORD(got[1].wp), SB_ENDSCROLL);
        EXPECT_EQ(LOWORD(got[2].wp), SB_TOP);
    }
    {
        SCOPED_TRACE("painted in its client area");
        SetScrollPos(bar, SB_CTL, 5);
        ProcessMessages();
        TRect thumb = Bounds(110, 110 + 16 + (150 - 32 - 59), 16, 59); // 118 * 5 / 10 long, at the end
        EXPECT_EQ(screen->ScreenPixel(118, thumb.Top - 1), ColorToRGB(clScrollBar));
        EXPECT_EQ(screen->ScreenPixel(118, thumb.Top), ColorToRGB(cl3DLight));
        EXPECT_EQ(screen->ScreenPixel(118, thumb.Top + 20), ColorToRGB(clBtnFace));
    }
}

class ScrollWindowTest : public WsysTest {
protected:
    // A frameless 100 x 100 window at the screen's corner painted with one colour per row.
    HWND Striped()
    {
        HWND w = TopLevel(Bounds(0, 0, 100, 100));
        ProcessMessages();
        TWindowDC dc(w);
        for (int y = 0; y < 100; ++y) {
            dc.Canvas()->Brush().Color = RGB(uint8_t(y * 2), 0, 100);
            dc.Canvas()->FillRect(Rect(0, y, 100, y + 1));
        }
        ProcessMessages();
        return w;
    }
    TColor Row(int y) const { return RGB(uint8_t(y * 2), 0, 100); }
};

TEST_F(ScrollWindowTest, MovesThePixelsAndAnswersWhatIsUncovered)
{
    HWND w = Striped();
    TRegion region;
    TRect rect;
    EXPECT_EQ(ScrollWindowEx(w, 0, -10, nullptr, nullptr, &region, &rect, 0), SIMPLEREGION);
    ProcessMessages();
    EXPECT_EQ(rect, Rect(0, 90, 100, 100));
    EXPECT_EQ(region, TRegion(rect));
    EXPECT_EQ(screen->ScreenPixel(5, 20), Row(30));
    EXPECT_EQ(screen->ScreenPixel(99, 89), Row(99));
    EXPECT_EQ(screen->ScreenPixel(5, 95), Row(95)); // not invalidated: left as it was
    TRect update;
    EXPECT_FALSE(GetUpdateRect(w, &update) && !update.IsEmpty());

    {
        SCOPED_TRACE("part of the client area, invalidating what it uncovers");
        TRect left = Rect(0, 0, 50, 100);
        EXPECT_EQ(ScrollWindowEx(w, 0, 10, &left, nullptr, nullptr, &rect, SW_INVALIDATE | SW_ERASE), SIMPLEREGION);
        EXPECT_EQ(rect, Rect(0, 0, 50, 10));
        ASSERT_TRUE(GetUpdateRect(w, &update));
        EXPECT_EQ(update, rect);
        ProcessMessages();
        EXPECT_EQ(screen->ScreenPixel(5, 5), clWhite); // erased
        EXPECT_EQ(screen->ScreenPixel(5, 40), Row(40));
        EXPECT_EQ(screen->ScreenPixel(60, 40), Row(50));
    }
    {
        SCOPED_TRACE("a clip rectangle limits what changes");
        TRect clip = Rect(0, 0, 100, 50);
        EXPECT_EQ(ScrollWindowEx(w, 3, 0, nullptr, &clip, &region, nullptr, 0), SIMPLEREGION);
        EXPECT_EQ(region, TRegion(Rect(0, 0, 3, 50)));
        ProcessMessages();
        EXPECT_EQ(screen->ScreenPixel(63, 40), Row(50));
        EXPECT_EQ(screen->ScreenPixel(63, 60), Row(70)); // below the clip: unmoved
    }
    EXPECT_EQ(ScrollWindowEx(nullptr, 0, 1, nullptr, nullptr, nullptr, nullptr, 0), RGN_ERROR);
}

TEST_F(ScrollWindowTest, ChildrenMoveAlongAndInvalidAreasFollow)
{
    HWND w = Striped();
    HWND child = Child(w, Bounds(10, 10, 20, 20));
    ProcessMessages();
    TRect pending = Rect(0, 50, 100, 60);
    InvalidateRect(w, &pending, false);
    EXPECT_TRUE(ScrollWindow(w, 0, 20));
    EXPECT_EQ(GetWindowRect(child), Bounds(10, 30, 20, 20));
    TRect update;
    ASSERT_TRUE(GetUpdateRect(w, &update));
    EXPECT_EQ(update, Rect(0, 0, 100, 80)); // the uncovered top and the pending band, moved
    ProcessMessages();
    EXPECT_EQ(screen->ScreenPixel(15, 35), clWhite); // the child painted at its new place
    EXPECT_EQ(screen->ScreenPixel(50, 90), Row(70));
}

TEST_F(ScrollWindowTest, ACanvasThatPaintsAcrossTheChildren)
{
    HWND w = Striped();
    Child(w, Bounds(10, 10, 20, 20));
    ProcessMessages();
    TRect band = Rect(0, 15, 100, 16);
    for (DWORD flags : {DWORD(0), DCX_CLIPCHILDREN}) {
        HDC dc = GetDCEx(w, nullptr, flags);
        ASSERT_NE(dc, nullptr);
        dc->Brush().Color = clGreen;
        dc->FillRect(band);
        ReleaseDC(w, dc);
        ProcessMessages();
        EXPECT_EQ(screen->ScreenPixel(20, 15), flags ? clWhite : clGreen) << flags;
        InvalidateRect(GetWindow(w, GW_CHILD), nullptr, true);
        ProcessMessages();
    }
    TRegion clip(Rect(0, 0, 5, 100));
    HDC dc = GetDCEx(w, &clip, DCX_INTERSECTRGN);
    dc->Brush().Color = clGreen;
    dc->FillRect(Rect(0, 50, 100, 51));
    ReleaseDC(w, dc);
    ProcessMessages();
    EXPECT_EQ(screen->ScreenPixel(4, 50), clGreen);
    EXPECT_EQ(screen->ScreenPixel(5, 50), Row(50));
}

} // namespace
