#include "X11TestFixture.h"

#include <X11/XKBlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

::Window FocusedWindow(Display* d)
{
    ::Window focus = None;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    return focus;
}

TPoint ClientPoint(LPARAM lp) { return LParamToPoint(lp); }

// Whether another program can take the pointer now, that is, we hold no grab.
bool PeerCanGrabPointer(Display* d)
{
    bool free = XGrabPointer(d, DefaultRootWindow(d), False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None,
                             CurrentTime) == GrabSuccess;
    XUngrabPointer(d, CurrentTime);
    return free;
}

} // namespace

TEST_F(X11Test, MouseInputArrivesAsWindowMessages)
{
    StartWindowSystem();
    HWND h = Window(Bounds(100, 100, 200, 150), clWhite);
    PeerMove(150, 130);
    ASSERT_TRUE(PumpUntil([&] { return Received(h, WM_MOUSEMOVE); }));
    EXPECT_EQ(ClientPoint(Log(h, WM_MOUSEMOVE).back().lp), Point(50, 30));

    PeerButton(1, true);
    PeerButton(1, false);
    PeerButton(3, true);
    PeerButton(3, false);
    ASSERT_TRUE(PumpUntil([&] { return Received(h, WM_RBUTTONUP); }));
    EXPECT_EQ(ClientPoint(Log(h, WM_LBUTTONDOWN).at(0).lp), Point(50, 30));
    EXPECT_TRUE(Received(h, WM_LBUTTONUP));
    EXPECT_TRUE(Received(h, WM_RBUTTONDOWN));

    PeerButton(4, true);
    PeerButton(4, false);
    PeerButton(5, true);
    PeerButton(5, false);
    ASSERT_TRUE(PumpUntil([&] { return Log(h, WM_MOUSEWHEEL).size() == 2; }));
    EXPECT_EQ(int16_t(HIWORD(Log(h, WM_MOUSEWHEEL)[0].wp)), 120) << "away from the user";
    EXPECT_EQ(int16_t(HIWORD(Log(h, WM_MOUSEWHEEL)[1].wp)), -120);

    // XTest presses queued together carry nearly the same server time: a double click.
    PeerMove(160, 140);
    PeerButton(1, true);
    PeerButton(1, false);
    PeerButton(1, true);
    PeerButton(1, false);
    ASSERT_TRUE(PumpUntil([&] { return Received(h, WM_LBUTTONDBLCLK); }));
    EXPECT_EQ(ClientPoint(Log(h, WM_LBUTTONDBLCLK)[0].lp), Point(60, 40));

    TRACKMOUSEEVENT track{};
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = h;
    TrackMouseEvent(&track);
    PeerMove(700, 600);
    EXPECT_TRUE(PumpUntil([&] { return Received(h, WM_MOUSELEAVE); }));
}

TEST_F(X11Test, KeysBecomeVirtualKeysAndCharacters)
{
    StartWindowSystem();
    HWND h = Window(Bounds(100, 100, 200, 150), clWhite);
    ASSERT_TRUE(PumpUntil([&] { return FocusedWindow(peer) == NativeOf(h); })) << "the shown window has the focus";
    ASSERT_EQ(GetFocus(), h);

    struct TCase {
        const char* name;
        std::vector<unsigned long> keys; // pressed in order, released in reverse
        UINT vk;
        std::u32string chars;
        bool extended;
    } cases[] = {
        {"a", {XK_a}, 'A', U"a", false},
        {"shift+a", {XK_Shift_L, XK_a}, 'A', U"A", false},
        {"ctrl+a", {XK_Control_L, XK_a}, 'A', U"\x01", false},
        {"7", {XK_7}, '7', U"7", false},
        {"return", {XK_Return}, VK_RETURN, U"\r", false},
        {"backspace", {XK_BackSpace}, VK_BACK, U"\b", false},
        {"escape", {XK_Escape}, VK_ESCAPE, U"\x1b", false},
        {"left", {XK_Left}, VK_LEFT, U"", true},
        {"delete", {XK_Delete}, VK_DELETE, U"", true},
        {"f5", {XK_F5}, VK_F5, U"", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        ClearLog();
        for (unsigned long k : c.keys) PeerKey(k, true);
        for (auto it = c.keys.rbegin(); it != c.keys.rend(); ++it) PeerKey(*it, false);
        ASSERT_TRUE(PumpUntil([&] {
            for (const TLogged& l : Log(h, WM_KEYUP))
                if (l.wp == c.vk) return true;
            return false;
        }));
        std::vector<TLogged> downs = Log(h, WM_KEYDOWN);
        ASSERT_FALSE(downs.empty());
        EXPECT_EQ(downs.back().wp, c.vk);
        EXPECT_EQ((downs.back().lp >> 24) & 1, c.extended ? 1 : 0);
        std::u32string typed;
        for (const TLogged& l : Log(h, WM_CHAR)) typed += char32_t(l.wp);
        EXPECT_EQ(typed, c.chars);
    }
}

TEST_F(X11Test, CharactersWithoutAVirtualKeyArriveAsText)
{
    StartWindowSystem();
    HWND h = Window(Bounds(100, 100, 200, 150), clWhite);
    ASSERT_TRUE(PumpUntil([&] { return FocusedWindow(peer) == NativeOf(h); }));
    // A key that types a Chinese character, as a keyboard layout or an input method gives it.
    int minCode = 0, maxCode = 0;
    XDisplayKeycodes(peer, &minCode, &maxCode);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(peer, KeyCode(minCode), maxCode - minCode + 1, &perCode);
    int spare = 0;
    for (int code = maxCode; code >= minCode && !spare; --code) {
        bool empty = true;
        for (int i = 0; i < perCode; ++i) empty = empty && map[(code - minCode) * perCode + i] == NoSymbol;
        if (empty) spare = code;
    }
    XFree(map);
    ASSERT_NE(spare, 0);
    KeySym tu = 0x10056FE; // U+56FE 图
    XChangeKeyboardMapping(peer, spare, 1, &tu, 1);
    XSync(peer, False);
    XTestFakeKeyEvent(peer, unsigned(spare), True, CurrentTime);
    XTestFakeKeyEvent(peer, unsigned(spare), False, CurrentTime);
    XSync(peer, False);
    ASSERT_TRUE(PumpUntil([&] { return Received(h, WM_CHAR) && Received(h, WM_KEYUP); }));
    EXPECT_EQ(Log(h, WM_CHAR)[0].wp, WPARAM(0x56FE));
    EXPECT_EQ(Log(h, WM_KEYDOWN)[0].wp, WPARAM(VK_PACKET));
}

// The input context learns where the caret stands, in the top-level window, so the input
// method's candidates appear beside it; a caret in a child window counts from the child.
TEST_F(X11Test, TheInputMethodFollowsTheCaret)
{
    StartWindowSystem();
    HWND h = Window(Bounds(100, 100, 200, 150), clWhite);
    HWND child = CreateWindowEx(0, "X11Test", "", WS_CHILD | WS_VISIBLE, 30, 40, 100, 50, h);
    ASSERT_NE(child, nullptr);
    Settle();
    ASSERT_TRUE(backend->InputSpot(NativeOf(h))) << "every window has an input context";

    ASSERT_TRUE(CreateCaret(h, 1, 16));
    SetCaretPos(12, 20);
    EXPECT_EQ(backend->InputSpot(NativeOf(h)), Point(12, 36)) << "the caret's bottom-left corner";
    SetCaretPos(50, 5);
    EXPECT_EQ(backend->InputSpot(NativeOf(h)), Point(50, 21));

    ASSERT_TRUE(CreateCaret(child, 2, 10));
    SetCaretPos(7, 3);
    EXPECT_EQ(backend->InputSpot(NativeOf(h)), Point(37, 53));
    DestroyCaret();
}

TEST_F(X11Test, ActivationFollowsTheDesktopsFocus)
{
    StartWindowSystem();
    HWND a = Window(Bounds(100, 100, 200, 150), clWhite);
    HWND b = Window(Bounds(400, 100, 200, 150), clWhite);
    ASSERT_TRUE(PumpUntil([&] { return FocusedWindow(peer) == NativeOf(b); }));
    ClearLog();
    XSetInputFocus(peer, NativeOf(a), RevertToParent, CurrentTime);
    XSync(peer, False);
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == a; }));
    EXPECT_FALSE(Received(nullptr, WM_ACTIVATEAPP)) << "moving between our own windows keeps the program active";

    XSetInputFocus(peer, PointerRoot, RevertToPointerRoot, CurrentTime);
    XSync(peer, False);
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == nullptr; }));
    ASSERT_TRUE(Received(a, WM_ACTIVATEAPP));
    EXPECT_EQ(Log(a, WM_ACTIVATEAPP).back().wp, 0u);

    // Clicking a window of the program gives it the focus again, without a window manager.
    PeerClick(450, 150);
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == b && FocusedWindow(peer) == NativeOf(b); }));
}

TEST_F(X11Test, ClosingFromTheDesktopSendsClose)
{
    StartWindowSystem();
    HWND h = Window(Bounds(100, 100, 200, 150), clWhite);
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = NativeOf(h);
    ev.xclient.message_type = XInternAtom(peer, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(XInternAtom(peer, "WM_DELETE_WINDOW", False));
    XSendEvent(peer, NativeOf(h), False, NoEventMask, &ev);
    XSync(peer, False);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(h); }));
    EXPECT_TRUE(Received(h, WM_CLOSE));
}

TEST_F(X11Test, APopupHoldingTheMouseGrabsPointerAndKeyboard)
{
    StartWindowSystem();
    HWND main = Window(Bounds(100, 100, 300, 200), clWhite);
    ASSERT_TRUE(PumpUntil([&] { return FocusedWindow(peer) == NativeOf(main); }));
    HWND popup = Window(Bounds(300, 300, 150, 100), clYellow, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    SetCapture(popup);
    ASSERT_TRUE(PumpUntil([&] { return backend->HasPointerGrab() && backend->HasKeyboardGrab(); }));
    EXPECT_EQ(XGrabPointer(peer, DefaultRootWindow(peer), False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None,
                           None, CurrentTime),
              AlreadyGrabbed);
    EXPECT_EQ(XGrabKeyboard(peer, DefaultRootWindow(peer), False, GrabModeAsync, GrabModeAsync, CurrentTime),
              AlreadyGrabbed);

    // A click far outside still reaches the popup, which would close.
    PeerClick(900, 700);
    ASSERT_TRUE(PumpUntil([&] { return Received(popup, WM_LBUTTONDOWN); }));
    EXPECT_EQ(ClientPoint(Log(popup, WM_LBUTTONDOWN)[0].lp), Point(600, 400));
    PeerTap(XK_Escape);
    ASSERT_TRUE(PumpUntil([&] { return Received(main, WM_KEYDOWN); })) << "keys go to the focus window of the program";
    EXPECT_EQ(GetActiveWindow(), main) << "the popup never took the activation";

    // Another program unmaps the popup: the server ends the grabs; mapped again while it
    // still holds the mouse, the popup grabs again.
    XUnmapWindow(peer, NativeOf(popup));
    XSync(peer, False);
    ASSERT_TRUE(PumpUntil([&] { return !backend->IsMapped(NativeOf(popup)); }));
    EXPECT_FALSE(backend->HasPointerGrab());
    XMapWindow(peer, NativeOf(popup));
    XSync(peer, False);
    ASSERT_TRUE(PumpUntil([&] { return backend->IsMapped(NativeOf(popup)); }));
    Settle();
    EXPECT_TRUE(backend->HasPointerGrab());
    EXPECT_EQ(XGrabPointer(peer, DefaultRootWindow(peer), False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None,
                           None, CurrentTime),
              AlreadyGrabbed);

    ReleaseCapture();
    Settle();
    EXPECT_FALSE(backend->HasPointerGrab());
    EXPECT_TRUE(PeerCanGrabPointer(peer));
    EXPECT_EQ(XGrabKeyboard(peer, DefaultRootWindow(peer), False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess);
    XUngrabKeyboard(peer, CurrentTime);
    XSync(peer, False);
}

TEST_F(X11Test, AWatchingPopupHearsOfPressesOutsideTheProgram)
{
    StartWindowSystem();
    HWND main = Window(Bounds(100, 100, 300, 200), clWhite);
    ASSERT_TRUE(PumpUntil([&] { return FocusedWindow(peer) == NativeOf(main); }));
    HWND menu = Window(Bounds(300, 150, 150, 100), clYellow, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, main);
    // Another program's window over the lower part of ours.
    ::Window other = XCreateSimpleWindow(peer, DefaultRootWindow(peer), 100, 250, 100, 50, 0, 0, 0);
    XSetWindowAttributes attributes;
    attributes.override_redirect = True;
    XChangeWindowAttributes(peer, other, CWOverrideRedirect, &attributes);
    XMapRaised(peer, other);
    XSync(peer, False);
    WatchOutsidePresses(menu, true);
    ASSERT_TRUE(PumpUntil([&] { return backend->HasPointerGrab(); }));
    EXPECT_FALSE(backend->HasKeyboardGrab()) << "keys stay with the focus window";

    PeerClick(350, 200);
    ASSERT_TRUE(PumpUntil([&] { return Received(menu, WM_LBUTTONDOWN); }));
    EXPECT_FALSE(Received(menu, WM_CANCELMODE)) << "a press inside the popup";
    PeerClick(900, 700);
    ASSERT_TRUE(PumpUntil([&] { return Log(menu, WM_CANCELMODE).size() == 1; })) << "a press on the desktop";
    PeerClick(150, 280);
    ASSERT_TRUE(PumpUntil([&] { return Log(menu, WM_CANCELMODE).size() == 2; })) << "a press on the other program";
    PeerClick(150, 120);
    ASSERT_TRUE(PumpUntil([&] { return Received(main, WM_LBUTTONDOWN); }));
    EXPECT_EQ(Log(menu, WM_CANCELMODE).size(), 3u) << "a press on the program's own window, before its press";
    EXPECT_EQ(Log(main, WM_LBUTTONDOWN).size(), 1u) << "the press on the other program did not reach us";
    EXPECT_EQ(ClientPoint(Log(main, WM_LBUTTONDOWN)[0].lp), Point(50, 20));

    WatchOutsidePresses(menu, false);
    Settle();
    EXPECT_FALSE(backend->HasPointerGrab());
    EXPECT_TRUE(PeerCanGrabPointer(peer));
    XDestroyWindow(peer, other);
    XSync(peer, False);
}

TEST_F(X11Test, AWatchingPopupOpenedWhileNoWindowOfOursHasTheFocusTakesTheKeys)
{
    StartWindowSystem();
    HWND menu = Window(Bounds(300, 150, 150, 100), clYellow, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    WatchOutsidePresses(menu, true);
    ASSERT_TRUE(PumpUntil([&] { return backend->HasPointerGrab() && backend->HasKeyboardGrab(); }));
    PeerTap(XK_Down);
    ASSERT_TRUE(PumpUntil([&] { return Received(menu, WM_KEYDOWN); }));
    EXPECT_EQ(Log(menu, WM_KEYDOWN)[0].wp, WPARAM(VK_DOWN));
    WatchOutsidePresses(menu, false);
    Settle();
    EXPECT_FALSE(backend->HasKeyboardGrab());
}

TEST_F(X11Test, TheProgramMovesAndSizesItsWindowsWithoutWindowManager)
{
    StartWindowSystem();
    HWND h = Window(Bounds(100, 100, 200, 150), clRed);
    int hit = HTCAPTION;
    Handle(h, [&](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (msg == WM_NCHITTEST) return hit;
        return std::nullopt;
    });
    PeerMove(150, 110);
    PeerButton(1, true);
    PeerMove(200, 140);
    PeerMove(250, 170);
    PeerButton(1, false);
    ASSERT_TRUE(PumpUntil([&] { return Received(h, WM_EXITSIZEMOVE); }));
    EXPECT_EQ(GetWindowRect(h), Bounds(200, 160, 200, 150));
    Settle();
    EXPECT_EQ(PeerPixel(200, 160), clRed);
    EXPECT_EQ(PeerPixel(150, 130), clBlack);

    ClearLog();
    hit = HTBOTTOMRIGHT;
    PeerMove(395, 305);
    PeerButton(1, true);
    PeerMove(445, 335);
    PeerButton(1, false);
    ASSERT_TRUE(PumpUntil([&] { return Received(h, WM_EXITSIZEMOVE); }));
    EXPECT_EQ(GetWindowRect(h), Bounds(200, 160, 250, 180));
    Settle();
    EXPECT_EQ(PeerPixel(449, 339), clRed);
    XWindowAttributes a{};
    XGetWindowAttributes(peer, NativeOf(h), &a);
    EXPECT_EQ(TRect(Bounds(a.x, a.y, a.width, a.height)), Bounds(200, 160, 250, 180));
}
