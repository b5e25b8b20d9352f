#include "WsysTestUtil.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Activation : public WsysTest {
protected:
    const std::set<UINT> activationMessages{WM_NCACTIVATE, WM_ACTIVATE,  WM_ACTIVATEAPP,
                                            WM_SETFOCUS,   WM_KILLFOCUS, WM_MOUSEACTIVATE};
};

TEST_F(Activation, SwitchingWindowsSendsDeactivationThenActivation)
{
    HWND a = TopLevel(Bounds(0, 0, 100, 100));
    HWND edit = Child(a, Bounds(10, 10, 50, 20));
    SetFocus(edit);
    HWND b = TopLevel(Bounds(200, 0, 100, 100)); // takes activation and focus
    ClearLog();
    SetActiveWindow(a);
    SetActiveWindow(b);
    EXPECT_EQ(Trace({{a, "A"}, {b, "B"}, {edit, "edit"}}, activationMessages),
              Split("B:WM_NCACTIVATE B:WM_ACTIVATE A:WM_NCACTIVATE A:WM_ACTIVATE B:WM_KILLFOCUS A:WM_SETFOCUS "
                    "A:WM_NCACTIVATE A:WM_ACTIVATE B:WM_NCACTIVATE B:WM_ACTIVATE A:WM_KILLFOCUS B:WM_SETFOCUS"));
    EXPECT_EQ(Log(a, WM_ACTIVATE).back().wp, WPARAM(WA_INACTIVE));
    EXPECT_EQ(Log(a, WM_ACTIVATE).back().lp, LPARAM(HandleValue(b)));
    EXPECT_EQ(Log(b, WM_ACTIVATE).back().lp, LPARAM(HandleValue(a)));
    EXPECT_EQ(Log(a, WM_NCACTIVATE).back().wp, 0u);
    EXPECT_TRUE(Log(a, WM_ACTIVATEAPP).empty()); // the program stays active throughout
    EXPECT_EQ(GetChildWindows(nullptr).front(), b); // activation raises
}

TEST_F(Activation, FocusInAnInactiveWindowActivatesItFirst)
{
    HWND a = TopLevel(Bounds(0, 0, 100, 100));
    HWND edit = Child(a, Bounds(10, 10, 50, 20));
    HWND b = TopLevel(Bounds(200, 0, 100, 100));
    ClearLog();
    EXPECT_EQ(SetFocus(edit), b);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Trace({{a, "A"}, {b, "B"}, {edit, "edit"}}, activationMessages),
              Split("B:WM_NCACTIVATE B:WM_ACTIVATE A:WM_NCACTIVATE A:WM_ACTIVATE B:WM_KILLFOCUS A:WM_SETFOCUS "
                    "A:WM_KILLFOCUS edit:WM_SETFOCUS"));
    EXPECT_EQ(Log(edit, WM_SETFOCUS)[0].wp, WPARAM(HandleValue(a)));
}

TEST_F(Activation, ClickActivationFollowsTheMouseActivateAnswer)
{
    HWND a = TopLevel(Bounds(0, 0, 100, 100));
    HWND menu = TopLevel(Bounds(200, 0, 100, 100));
    HWND eater = TopLevel(Bounds(400, 0, 100, 100));
    HWND child = Child(a, Bounds(0, 0, 50, 50));
    Handle(menu, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
        return std::nullopt;
    });
    Handle(eater, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_MOUSEACTIVATE) return MA_ACTIVATEANDEAT;
        return std::nullopt;
    });
    SetActiveWindow(eater);
    ProcessMessages();
    ClearLog();
    screen->Click(250, 50);
    EXPECT_EQ(GetActiveWindow(), eater);
    EXPECT_EQ(Log(menu, WM_LBUTTONDOWN).size(), 1u);
    screen->Click(10, 10);
    EXPECT_EQ(GetActiveWindow(), a);
    ASSERT_EQ(Log(child, WM_MOUSEACTIVATE).size(), 1u);
    EXPECT_EQ(Log(child, WM_MOUSEACTIVATE)[0].wp, WPARAM(HandleValue(a)));
    EXPECT_EQ(LOWORD(Log(child, WM_MOUSEACTIVATE)[0].lp), HTCLIENT);
    EXPECT_EQ(HIWORD(Log(child, WM_MOUSEACTIVATE)[0].lp), WM_LBUTTONDOWN);
    EXPECT_EQ(Log(a, WM_MOUSEACTIVATE).size(), 1u); // DefWindowProc asked the parent
    EXPECT_EQ(Log(a, WM_ACTIVATE)[0].wp, WPARAM(WA_CLICKACTIVE));
    EXPECT_EQ(Log(child, WM_LBUTTONDOWN).size(), 1u);
    screen->Click(450, 50);
    EXPECT_EQ(GetActiveWindow(), eater);
    EXPECT_TRUE(Log(eater, WM_LBUTTONDOWN).empty()); // eaten
    EXPECT_EQ(Log(eater, WM_LBUTTONUP).size(), 1u);
    // A window that must never be activated.
    HWND hint = TopLevel(Bounds(600, 0, 50, 50), WS_EX_NOACTIVATE | WS_EX_TOPMOST);
    EXPECT_EQ(GetActiveWindow(), eater);
    screen->Click(610, 10);
    EXPECT_EQ(GetActiveWindow(), eater);
    EXPECT_EQ(Log(hint, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(Activation, HidingOrDestroyingTheActiveWindowActivatesItsOwner)
{
    HWND main = TopLevel(Bounds(0, 0, 300, 300));
    HWND other = TopLevel(Bounds(400, 0, 100, 100));
    HWND dialog = Create(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 100), main);
    EXPECT_EQ(GetActiveWindow(), dialog);
    ShowWindow(dialog, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), main); // the owner, not the topmost other window
    ShowWindow(dialog, SW_SHOW);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(GetChildWindows(nullptr), (std::vector<HWND>{dialog, main, other}));
    SetActiveWindow(other);
    SetActiveWindow(main); // an owner comes up with the windows it owns above it
    EXPECT_EQ(GetChildWindows(nullptr), (std::vector<HWND>{dialog, main, other}));
    DestroyWindow(main);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(GetActiveWindow(), other);
    DestroyWindow(other);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Activation, OtherProgramsTakeAndGiveBackTheFocus)
{
    HWND a = TopLevel(Bounds(0, 0, 100, 100));
    HWND b = TopLevel(Bounds(200, 0, 100, 100));
    EXPECT_EQ(screen->ActivatedNative(), screen->NativeWindowOf(b));
    ClearLog();
    screen->FocusOtherProgram();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(Trace({{a, "A"}, {b, "B"}}, activationMessages),
              Split("B:WM_NCACTIVATE B:WM_ACTIVATE B:WM_ACTIVATEAPP A:WM_ACTIVATEAPP B:WM_KILLFOCUS"));
    EXPECT_EQ(Log(a, WM_ACTIVATEAPP)[0].wp, 0u);
    ClearLog();
    screen->FocusFromDesktop(a);
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(Trace({{a, "A"}, {b, "B"}}, activationMessages),
              Split("B:WM_ACTIVATEAPP A:WM_ACTIVATEAPP A:WM_NCACTIVATE A:WM_ACTIVATE A:WM_SETFOCUS"));
}

TEST_F(Activation, TheDesktopActivatingAWindowUnderAModalOneBringsTheModalOneForward)
{
    // A window manager raises and focuses a window at a click on it, also one that a modal box
    // has disabled; the box must come back over it and keep the activation.
    HWND main = TopLevel(Bounds(0, 0, 300, 300));
    HWND box = Create(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 100, 100), main);
    EnableWindow(main, false);
    for (bool boxActive : {true, false}) {
        SCOPED_TRACE(boxActive ? "the box active" : "another program active");
        if (!boxActive) screen->FocusOtherProgram();
        screen->FocusFromDesktop(main);
        EXPECT_EQ(GetActiveWindow(), box);
        EXPECT_EQ(screen->ActivatedNative(), screen->NativeWindowOf(box)) << "asked of the desktop too";
    }
}

TEST_F(Activation, WindowsDyingInTheirActivationMessagesAreSafe)
{
    HWND a = TopLevel(Bounds(0, 0, 100, 100));
    HWND b = TopLevel(Bounds(200, 0, 100, 100));
    HWND c = TopLevel(Bounds(400, 0, 100, 100));
    // b dies while it is being deactivated, c while it is being activated.
    Handle(b, [](HWND h, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCACTIVATE && !wp) DestroyWindow(h);
        return std::nullopt;
    });
    Handle(c, [](HWND h, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCACTIVATE && wp) DestroyWindow(h);
        if (m == WM_KILLFOCUS) DestroyWindow(h);
        return std::nullopt;
    });
    SetActiveWindow(b);
    SetActiveWindow(a);
    EXPECT_FALSE(IsWindow(b));
    SetActiveWindow(c);
    EXPECT_FALSE(IsWindow(c));
    EXPECT_TRUE(IsWindow(a));
    ProcessMessages();
}

TEST_F(Activation, DisablingTakesFocusAndCapture)
{
    HWND top = TopLevel(Bounds(0, 0, 200, 200));
    HWND edit = Child(top, Bounds(10, 10, 50, 20));
    SetFocus(edit);
    SetCapture(edit);
    ClearLog();
    EXPECT_FALSE(EnableWindow(top, false)); // answers whether it was disabled before
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Names(edit), Split("WM_KILLFOCUS WM_CAPTURECHANGED"));
    EXPECT_EQ(Names(top), Split("WM_ENABLE"));
    EXPECT_FALSE(IsWindowEnabled(top));
    EXPECT_TRUE(IsWindowEnabled(edit)); // its own flag is untouched
    EXPECT_TRUE(EnableWindow(top, true));
}

TEST_F(Activation, CloseRequestFromTheDesktopIsASystemCommand)
{
    HWND w = TopLevel(Bounds(0, 0, 100, 100));
    ClearLog();
    screen->CloseFromDesktop(w);
    EXPECT_EQ(Names(w).front(), "WM_SYSCOMMAND");
    EXPECT_EQ(Log(w, WM_SYSCOMMAND)[0].wp, SC_CLOSE);
    EXPECT_EQ(Log(w, WM_CLOSE).size(), 1u);
    EXPECT_FALSE(IsWindow(w)); // DefWindowProc of WM_CLOSE destroys it
}

TEST_F(Activation, MinimizeMaximizeAndRestore)
{
    HWND w = Create(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, Bounds(100, 100, 300, 200));
    HWND other = TopLevel(Bounds(500, 0, 100, 100));
    SetActiveWindow(w);
    ClearLog();
    ShowWindow(w, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(GetWindowRect(w), Bounds(0, 0, 1280, 800));
    EXPECT_EQ(Log(w, WM_SIZE).back().wp, SIZE_MAXIMIZED);
    EXPECT_EQ(Log(w, WM_GETMINMAXINFO).size(), 1u);
    ShowWindow(w, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_TRUE(screen->Native(w)->minimized);
    EXPECT_EQ(Log(w, WM_SIZE).back().wp, SIZE_MINIMIZED);
    EXPECT_EQ(GetActiveWindow(), other);
    ShowWindow(w, SW_RESTORE); // back to maximized, as it was before minimizing
    EXPECT_FALSE(IsIconic(w));
    EXPECT_TRUE(IsZoomed(w));
    EXPECT_EQ(GetActiveWindow(), w);
    ShowWindow(w, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(w));
    EXPECT_EQ(GetWindowRect(w), Bounds(100, 100, 300, 200));
    EXPECT_EQ(Log(w, WM_SIZE).back().wp, SIZE_RESTORED);
}

} // namespace
