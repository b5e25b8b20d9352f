#include "WsysTestUtil.h"

#include "wsys/FrameMetrics.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using Input = WsysTest;

TPoint ClientPoint(const TRecorded& r) { return LParamToPoint(r.lp); }

TEST_F(Input, MouseGoesToTheDeepestChildInClientCoordinates)
{
    HWND top = Create(WS_POPUP | WS_VISIBLE | WS_BORDER, Bounds(100, 100, 300, 200));
    HWND panel = Child(top, Bounds(10, 10, 200, 100));
    HWND button = Child(panel, Bounds(20, 30, 50, 20));
    ProcessMessages();
    ClearLog();
    screen->Click(100 + 1 + 10 + 20 + 5, 100 + 1 + 10 + 30 + 7);
    EXPECT_EQ(Trace({{top, "top"}, {panel, "panel"}, {button, "button"}},
                    {WM_PARENTNOTIFY, WM_MOUSEACTIVATE, WM_LBUTTONDOWN, WM_LBUTTONUP}),
              Split("panel:WM_PARENTNOTIFY top:WM_PARENTNOTIFY button:WM_MOUSEACTIVATE panel:WM_MOUSEACTIVATE "
                    "top:WM_MOUSEACTIVATE button:WM_LBUTTONDOWN button:WM_LBUTTONUP"));
    // The ancestors hear of the press in their own client coordinates.
    EXPECT_EQ(ClientPoint(Log(panel, WM_PARENTNOTIFY)[0]), (TPoint{25, 37}));
    EXPECT_EQ(ClientPoint(Log(top, WM_PARENTNOTIFY)[0]), (TPoint{35, 47}));
    EXPECT_EQ(LOWORD(Log(top, WM_PARENTNOTIFY)[0].wp), WM_LBUTTONDOWN);
    EXPECT_EQ(ClientPoint(Log(button, WM_LBUTTONDOWN)[0]), (TPoint{5, 7}));
    EXPECT_EQ(Log(button, WM_LBUTTONDOWN)[0].wp, MK_LBUTTON);
    EXPECT_EQ(Log(button, WM_LBUTTONUP)[0].wp, 0u);
    EXPECT_TRUE(Log(panel, WM_LBUTTONDOWN).empty());
    // The border of the top-level window is non-client: hit code and screen point.
    ClearLog();
    screen->Click(100, 150);
    ASSERT_EQ(Log(top, WM_NCLBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Log(top, WM_NCLBUTTONDOWN)[0].wp, WPARAM(HTBORDER));
    EXPECT_EQ(ClientPoint(Log(top, WM_NCLBUTTONDOWN)[0]), (TPoint{100, 150}));
    EXPECT_EQ(WindowFromPoint({135, 148}), button);
    EXPECT_EQ(WindowFromPoint({99, 150}), nullptr);
    EXPECT_EQ(ChildWindowFromPoint(top, {11, 11}), panel);
    EXPECT_EQ(ChildWindowFromPoint(top, {250, 150}), top);
}

TEST_F(Input, HitCodesFromTheProcedureChooseClientOrNonClientMessages)
{
    HWND w = TopLevel(Bounds(0, 0, 200, 200));
    ProcessMessages();
    for (int code : {HTCAPTION, HTOBJECT, HTBOTTOMRIGHT, HTCLIENT}) {
        SCOPED_TRACE(code);
        // A caption or sizing press would start the move/size loop; answer the press here.
        Handle(w, [code](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_NCHITTEST) return code;
            if (m == WM_NCLBUTTONDOWN) return 0;
            return std::nullopt;
        });
        ClearLog();
        screen->Click(50 + code, 60);
        if (code == HTCLIENT) {
            EXPECT_EQ(Names(w), Split("WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP"));
        } else {
            EXPECT_EQ(Names(w), Split("WM_NCMOUSEMOVE WM_NCLBUTTONDOWN WM_NCLBUTTONUP"));
            EXPECT_EQ(Log(w, WM_NCLBUTTONUP)[0].wp, WPARAM(code));
        }
        // WM_SETCURSOR carries the hit code and the mouse message.
        std::vector<TRecorded> cursor = Log(w, WM_SETCURSOR);
        ASSERT_EQ(cursor.size(), 3u);
        EXPECT_EQ(int16_t(LOWORD(cursor[1].lp)), code);
        EXPECT_EQ(HIWORD(cursor[1].lp), WM_LBUTTONDOWN);
    }
}

TEST_F(Input, TransparentDisabledAndShapedWindowsLetTheMouseThrough)
{
    HWND top = TopLevel(Bounds(0, 0, 300, 300));
    HWND below = Child(top, Bounds(0, 0, 100, 100));
    HWND glass = Child(top, Bounds(0, 0, 100, 100));
    HitCode(glass, HTTRANSPARENT);
    HWND disabled = Child(top, Bounds(150, 0, 100, 100));
    EnableWindow(disabled, false);
    HWND round = TopLevel(Bounds(400, 0, 100, 100));
    // Only the left half of `round` belongs to it.
    SetWindowRgn(round, TRegion(Bounds(0, 0, 50, 100)), true);
    HWND behind = TopLevel(Bounds(420, 0, 200, 100));
    SetWindowPos(round, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ProcessMessages();
    ClearLog();
    screen->Click(50, 50);
    EXPECT_EQ(Log(below, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(Log(glass, WM_LBUTTONDOWN).empty());
    screen->Click(160, 50);
    EXPECT_TRUE(Log(disabled, WM_LBUTTONDOWN).empty());
    EXPECT_EQ(Log(top, WM_LBUTTONDOWN).size(), 1u);
    screen->Click(430, 50);
    EXPECT_EQ(Log(round, WM_LBUTTONDOWN).size(), 1u);
    screen->Click(470, 50);
    EXPECT_EQ(Log(round, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(Log(behind, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(Input, CaptureTakesEveryMouseMessageAsClientMessage)
{
    HWND a = TopLevel(Bounds(0, 0, 100, 100));
    HWND b = TopLevel(Bounds(200, 0, 100, 100));
    HWND child = Child(a, Bounds(10, 10, 20, 20));
    Handle(child, [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_LBUTTONDOWN) SetCapture(h);
        if (m == WM_LBUTTONUP) ReleaseCapture();
        return std::nullopt;
    });
    SetActiveWindow(a);
    ProcessMessages();
    ClearLog();
    screen->MouseMove(15, 15);
    screen->MouseDown();
    screen->MouseMove(250, -40);
    EXPECT_EQ(GetCapture(), child);
    EXPECT_EQ(screen->CapturingWindow(), screen->NativeWindowOf(a));
    EXPECT_TRUE(Log(b, WM_MOUSEMOVE).empty());
    ASSERT_EQ(Log(child, WM_MOUSEMOVE).size(), 2u);
    EXPECT_EQ(ClientPoint(Log(child, WM_MOUSEMOVE)[1]), (TPoint{250 - 10, -40 - 10}));
    EXPECT_EQ(Log(child, WM_MOUSEMOVE)[1].wp, MK_LBUTTON);
    screen->MouseUp();
    EXPECT_EQ(Names(child),
              Split("WM_MOUSEMOVE WM_MOUSEACTIVATE WM_LBUTTONDOWN WM_MOUSEMOVE WM_LBUTTONUP WM_CAPTURECHANGED"));
    EXPECT_EQ(Log(child, WM_CAPTURECHANGED)[0].lp, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(screen->CapturingWindow(), 0u);

    // Taking the capture away tells the old holder who has it now; dying releases it.
    SetCapture(child);
    SetCapture(b);
    EXPECT_EQ(Log(child, WM_CAPTURECHANGED).back().lp, LPARAM(HandleValue(b)));
    DestroyWindow(b);
    EXPECT_EQ(GetCapture(), nullptr);

    // So does hiding it, or the window it is in, while the button is still down: the next
    // press goes where the pointer is, not to the hidden window.
    HWND other = TopLevel(Bounds(200, 0, 100, 100));
    for (HWND hidden : {child, a}) {
        ShowWindow(a, SW_SHOW);
        ShowWindow(child, SW_SHOW);
        screen->Advance(1000); // no double click
        screen->MouseMove(15, 15);
        screen->MouseDown();
        ASSERT_EQ(GetCapture(), child);
        ShowWindow(hidden, SW_HIDE);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(Log(child, WM_CAPTURECHANGED).back().lp, 0);
        EXPECT_EQ(screen->CapturingWindow(), 0u);
        screen->MouseUp();
        ClearLog();
        screen->Click(215, 15);
        EXPECT_EQ(Log(other, WM_LBUTTONDOWN).size(), 1u);
        EXPECT_TRUE(Log(child, WM_LBUTTONDOWN).empty());
    }
}

TEST_F(Input, WatchingPopupsHearOfEveryPressOutsideThem)
{
    HWND owner = TopLevel(Bounds(0, 0, 300, 300));
    HWND other = TopLevel(Bounds(400, 0, 100, 100));
    // A menu and its submenu: popups that take no activation and hold no capture.
    HWND menu = Create(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 100), owner, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
    HWND submenu = Create(WS_POPUP | WS_VISIBLE, Bounds(150, 60, 100, 100), owner, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
    HWND item = Child(submenu, Bounds(0, 0, 100, 20));
    SetActiveWindow(owner);
    ProcessMessages();
    ASSERT_TRUE(WatchOutsidePresses(menu, true));
    ASSERT_TRUE(WatchOutsidePresses(submenu, true));
    EXPECT_FALSE(WatchOutsidePresses(item, true)) << "only top-level windows watch";
    EXPECT_EQ(screen->WatchingWindow(), screen->NativeWindowOf(submenu)) << "the deepest level";

    struct TCase {
        const char* where;
        TPoint at;
        TMouseButton button;
        bool told;
        HWND pressed; // the window whose press follows, if any
    } cases[] = {
        {"in the menu", {60, 60}, TMouseButton::Left, false, menu},
        {"on a child of the submenu", {160, 65}, TMouseButton::Right, false, item},
        {"on the owner", {10, 10}, TMouseButton::Left, true, owner},
        {"on another window", {450, 50}, TMouseButton::Middle, true, other},
        {"outside the program", {700, 500}, TMouseButton::Right, true, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.where);
        ClearLog();
        screen->Click(c.at.x, c.at.y, c.button);
        EXPECT_EQ(Log(menu, WM_CANCELMODE).size(), c.told ? 1u : 0u);
        EXPECT_EQ(Log(submenu, WM_CANCELMODE).size(), c.told ? 1u : 0u);
        UINT down = c.button == TMouseButton::Left    ? WM_LBUTTONDOWN
                    : c.button == TMouseButton::Right ? WM_RBUTTONDOWN
                                                      : WM_MBUTTONDOWN;
        if (!c.pressed) continue;
        EXPECT_EQ(Log(c.pressed, down).size(), 1u) << "the press goes on to its window";
        if (c.told) {
            std::vector<std::string> order = Trace({{menu, "menu"}, {c.pressed, "pressed"}}, {WM_CANCELMODE, down});
            EXPECT_EQ(order.front(), "menu:WM_CANCELMODE") << "told before the press";
        }
    }

    // A hidden level hears nothing; a destroyed one is forgotten; an ended watch is silent.
    ShowWindow(submenu, SW_HIDE);
    ClearLog();
    screen->Click(10, 10);
    EXPECT_TRUE(Log(submenu, WM_CANCELMODE).empty());
    EXPECT_EQ(Log(menu, WM_CANCELMODE).size(), 1u);
    DestroyWindow(submenu);
    EXPECT_EQ(screen->WatchingWindow(), screen->NativeWindowOf(menu));
    // The popup closes itself when told: nothing is left to tell the next time.
    Handle(menu, [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CANCELMODE) DestroyWindow(h);
        return std::nullopt;
    });
    screen->Click(10, 10);
    EXPECT_FALSE(IsWindow(menu));
    EXPECT_EQ(screen->WatchingWindow(), 0u);
    ClearLog();
    screen->Click(10, 10);
    EXPECT_EQ(Log(owner, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(Input, DoubleClicksNeedTimeSpotAndClassStyle)
{
    HWND w = TopLevel(Bounds(0, 0, 300, 100));
    HWND plain = Create(WS_CHILD | WS_VISIBLE, Bounds(200, 0, 100, 100), w, 0, "NoDblClk");
    ProcessMessages();
    ASSERT_EQ(GetDoubleClickTime(), 500u);
    ASSERT_EQ(GetSystemMetrics(SM_CXDOUBLECLK), 4);
    struct TCase {
        const char* name;
        uint64_t delay;
        int dx;
        int dy;
        const char* second;
    } cases[] = {
        {"at once", 0, 0, 0, "WM_LBUTTONDBLCLK"},
        {"at the limit", 500, 2, -2, "WM_LBUTTONDBLCLK"},
        {"too late", 501, 0, 0, "WM_LBUTTONDOWN"},
        {"too far right", 0, 3, 0, "WM_LBUTTONDOWN"},
        {"too far up", 0, 0, -3, "WM_LBUTTONDOWN"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        screen->Advance(1000); // forget earlier clicks
        ClearLog();
        screen->Click(50, 50);
        screen->Advance(c.delay);
        screen->Click(50 + c.dx, 50 + c.dy);
        std::vector<std::string> names = Names(w);
        std::erase(names, "WM_MOUSEMOVE");
        EXPECT_EQ(names, Split(std::string("WM_LBUTTONDOWN WM_LBUTTONUP ") + c.second + " WM_LBUTTONUP"));
    }
    // A third quick click starts a new pair; a class without CS_DBLCLKS never sees one.
    screen->Advance(1000);
    ClearLog();
    screen->Click(50, 50);
    screen->Click(50, 50);
    screen->Click(50, 50);
    EXPECT_EQ(Log(w, WM_LBUTTONDBLCLK).size(), 1u);
    EXPECT_EQ(Log(w, WM_LBUTTONDOWN).size(), 2u);
    screen->DoubleClick(250, 50);
    EXPECT_EQ(Log(plain, WM_LBUTTONDOWN).size(), 2u);
    EXPECT_TRUE(Log(plain, WM_LBUTTONDBLCLK).empty());
    // The non-client area always gets double clicks, and the right button has its own.
    Handle(plain, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST) return HTOBJECT;
        return std::nullopt;
    });
    screen->Advance(1000);
    screen->DoubleClick(250, 50);
    screen->DoubleClick(250, 50, TMouseButton::Right);
    EXPECT_EQ(Log(plain, WM_NCLBUTTONDBLCLK).size(), 1u);
    EXPECT_EQ(Log(plain, WM_NCRBUTTONDBLCLK).size(), 1u);
}

TEST_F(Input, WheelGoesToTheFocusAndBubblesToParents)
{
    HWND top = TopLevel(Bounds(0, 0, 200, 200));
    HWND child = Child(top, Bounds(10, 10, 50, 50));
    SetFocus(child);
    ProcessMessages();
    ClearLog();
    screen->MouseMove(150, 150);
    screen->Wheel(-2 * WHEEL_DELTA);
    ASSERT_EQ(Log(child, WM_MOUSEWHEEL).size(), 1u);
    TRecorded r = Log(child, WM_MOUSEWHEEL)[0];
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(r.wp), -240);
    EXPECT_EQ(LParamToPoint(r.lp), (TPoint{150, 150})); // screen coordinates
    EXPECT_EQ(Log(top, WM_MOUSEWHEEL).size(), 1u);       // DefWindowProc passed it up
}

TEST_F(Input, MouseLeaveIsPostedOnceWhenThePointerLeavesTheTrackedArea)
{
    HWND top = Create(WS_POPUP | WS_VISIBLE | WS_BORDER, Bounds(0, 0, 200, 200));
    HWND a = Child(top, Bounds(10, 10, 50, 50));
    HWND b = Child(top, Bounds(100, 10, 50, 50));
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = a;
    ProcessMessages();
    screen->MouseMove(20, 20);
    ASSERT_TRUE(TrackMouseEvent(&track));
    screen->MouseMove(30, 30);
    EXPECT_TRUE(Log(a, WM_MOUSELEAVE).empty());
    screen->MouseMove(120, 20);
    screen->MouseMove(20, 20);
    screen->MouseMove(120, 20);
    EXPECT_EQ(Log(a, WM_MOUSELEAVE).size(), 1u);
    EXPECT_TRUE(Log(b, WM_MOUSELEAVE).empty());
    // Tracking the frame: leaving it into the client area counts.
    track.dwFlags = TME_LEAVE | TME_NONCLIENT;
    track.hwndTrack = top;
    screen->MouseMove(0, 100);
    TrackMouseEvent(&track);
    screen->MouseMove(5, 100);
    EXPECT_EQ(Log(top, WM_NCMOUSELEAVE).size(), 1u);
    // A window hidden under a still pointer loses it too.
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = b;
    screen->MouseMove(120, 20);
    TrackMouseEvent(&track);
    ShowWindow(b, SW_HIDE);
    ProcessMessages();
    EXPECT_EQ(Log(b, WM_MOUSELEAVE).size(), 1u);
}

TEST_F(Input, KeysGoToTheFocusWithTheirCharacters)
{
    HWND top = TopLevel(Bounds(0, 0, 200, 200));
    HWND edit = Child(top, Bounds(10, 10, 100, 20));
    SetFocus(edit);
    ProcessMessages();
    std::vector<int16_t> shiftDuringChar;
    Handle(edit, [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CHAR) shiftDuringChar.push_back(GetKeyState(VK_SHIFT));
        return std::nullopt;
    });
    ClearLog();
    screen->TypeText("aB");
    EXPECT_EQ(Names(edit), Split("WM_KEYDOWN WM_CHAR WM_KEYUP WM_KEYDOWN WM_KEYDOWN WM_CHAR WM_KEYUP WM_KEYUP"));
    std::vector<TRecorded> chars = Log(edit, WM_CHAR);
    EXPECT_EQ(chars[0].wp, WPARAM('a'));
    EXPECT_EQ(chars[1].wp, WPARAM('B'));
    EXPECT_EQ(Log(edit, WM_KEYDOWN)[0].wp, WPARAM('A'));
    EXPECT_EQ(Log(edit, WM_KEYDOWN)[1].wp, WPARAM(VK_SHIFT));
    EXPECT_FALSE(shiftDuringChar[0] & 0x8000);
    EXPECT_TRUE(shiftDuringChar[1] & 0x8000);
    EXPECT_FALSE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
    // Key-up flags: previous state and transition bits.
    EXPECT_EQ(uint64_t(Log(edit, WM_KEYUP)[0].lp) >> 30, 3u);
    EXPECT_EQ(uint64_t(Log(edit, WM_KEYDOWN)[0].lp) >> 30, 0u);
    // Chinese and characters beyond the Basic Multilingual Plane arrive whole.
    ClearLog();
    screen->TypeText("图😀");
    chars = Log(edit, WM_CHAR);
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].wp, 0x56FEu);
    EXPECT_EQ(chars[1].wp, 0x1F600u);
    EXPECT_EQ(Log(edit, WM_KEYDOWN)[0].wp, WPARAM(VK_PACKET));
    // Enter, Backspace and Ctrl+letter produce their control characters.
    ClearLog();
    screen->PressKey(VK_RETURN);
    screen->PressKey(VK_BACK);
    screen->KeyDown(VK_CONTROL);
    screen->PressKey('C');
    screen->KeyUp(VK_CONTROL);
    chars = Log(edit, WM_CHAR);
    ASSERT_EQ(chars.size(), 3u);
    EXPECT_EQ(chars[0].wp, WPARAM('\r'));
    EXPECT_EQ(chars[1].wp, WPARAM('\b'));
    EXPECT_EQ(chars[2].wp, 3u);
}

TEST_F(Input, AltKeysAreSystemKeys)
{
    HWND top = TopLevel(Bounds(0, 0, 200, 200));
    ProcessMessages();
    std::vector<WPARAM> commands;
    Handle(top, [&](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_SYSCOMMAND) {
            commands.push_back(wp);
            if (wp == SC_CLOSE) return 0; // keep the window for the test
        }
        return std::nullopt;
    });
    ClearLog();
    screen->KeyDown(VK_MENU);
    screen->PressKey('F');
    screen->KeyUp(VK_MENU);
    EXPECT_EQ(Names(top), Split("WM_SYSKEYDOWN WM_SYSKEYDOWN WM_SYSCHAR WM_SYSCOMMAND WM_SYSKEYUP WM_SYSKEYUP"));
    EXPECT_EQ(Log(top, WM_SYSCHAR)[0].wp, WPARAM('f'));
    EXPECT_TRUE(uint64_t(Log(top, WM_SYSCHAR)[0].lp) & (1u << 29));
    // Alt pressed and released alone opens the keyboard menu; Alt+F4 closes.
    screen->PressKey(VK_MENU);
    screen->KeyDown(VK_MENU);
    screen->PressKey(VK_F4);
    screen->KeyUp(VK_MENU);
    EXPECT_EQ(commands, (std::vector<WPARAM>{SC_KEYMENU, SC_KEYMENU, SC_CLOSE}));
    EXPECT_EQ(Log(top, WM_SYSCOMMAND)[0].lp, LPARAM('f'));
}

TEST_F(Input, CursorFollowsClassAndSizingHitCodes)
{
    HWND w = Create(WS_POPUP | WS_VISIBLE | WS_THICKFRAME, Bounds(100, 100, 200, 200));
    ProcessMessages();
    screen->MouseMove(150, 150);
    EXPECT_EQ(screen->CursorShape(), TCursorShape::Arrow);
    screen->MouseMove(101, 150);
    EXPECT_EQ(screen->CursorShape(), TCursorShape::SizeWE);
    screen->MouseMove(101, 101);
    EXPECT_EQ(screen->CursorShape(), TCursorShape::SizeNWSE);
    screen->MouseMove(298, 101);
    EXPECT_EQ(screen->CursorShape(), TCursorShape::SizeNESW);
    // A parent answering WM_SETCURSOR decides for its children.
    HWND child = Child(w, Bounds(50, 50, 50, 50));
    Handle(w, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_SETCURSOR) {
            SetCursor(LoadCursor(IDC_HAND));
            return 1;
        }
        return std::nullopt;
    });
    screen->MouseMove(160, 160);
    EXPECT_EQ(WindowFromPoint({160, 160}), child);
    EXPECT_EQ(screen->CursorShape(), TCursorShape::Hand);
}

TEST_F(Input, DefaultHitTestOfTheStandardFrame)
{
    DWORD style = WS_CAPTION | WS_THICKFRAME;
    TSize size{200, 100};
    TRect client = DefaultClientRect(style, 0, Bounds(0, 0, 200, 100));
    EXPECT_EQ(client, (TRect{4, 23, 196, 96}));
    struct TCase {
        TPoint p;
        int code;
    } cases[] = {
        {{-1, 50}, HTNOWHERE}, {{0, 50}, HTLEFT},      {{3, 50}, HTLEFT},        {{4, 50}, HTCLIENT},
        {{199, 50}, HTRIGHT},  {{100, 0}, HTTOP},      {{100, 99}, HTBOTTOM},    {{0, 0}, HTTOPLEFT},
        {{21, 0}, HTTOPLEFT},  {{22, 0}, HTTOP},       {{199, 99}, HTBOTTOMRIGHT}, {{0, 21}, HTTOPLEFT},
        {{0, 22}, HTLEFT},     {{100, 4}, HTCAPTION},  {{100, 22}, HTCAPTION},   {{100, 23}, HTCLIENT},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.p.x) + "," + std::to_string(c.p.y));
        EXPECT_EQ(DefaultHitTest(style, 0, size, client, c.p), c.code);
    }
    EXPECT_EQ(DefaultHitTest(WS_BORDER, 0, size, Bounds(1, 1, 198, 98), {0, 50}), HTBORDER);
}

} // namespace
