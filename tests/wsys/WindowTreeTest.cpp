#include "WsysTestUtil.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using WindowTree = WsysTest;

TEST_F(WindowTree, CreationSendsItsMessagesInOrder)
{
    HWND parent = Create(WS_POPUP, Bounds(10, 10, 200, 100));
    EXPECT_EQ(Names(parent), Split("WM_NCCREATE WM_NCCALCSIZE WM_CREATE WM_SIZE WM_MOVE"));
    ClearLog();
    HWND child = Create(WS_CHILD, Bounds(5, 5, 20, 20), parent);
    EXPECT_EQ(Names(), Split("WM_NCCREATE WM_NCCALCSIZE WM_CREATE WM_SIZE WM_MOVE WM_PARENTNOTIFY"));
    ASSERT_EQ(Log(parent, WM_PARENTNOTIFY).size(), 1u);
    EXPECT_EQ(Log(parent, WM_PARENTNOTIFY)[0].lp, LPARAM(HandleValue(child)));
    EXPECT_EQ(LOWORD(Log(parent, WM_PARENTNOTIFY)[0].wp), WM_CREATE);
}

TEST_F(WindowTree, VisibleTopLevelIsShownAndActivatedAtCreation)
{
    HWND w = TopLevel(Bounds(10, 10, 200, 100));
    EXPECT_EQ(Names(w), Split("WM_NCCREATE WM_NCCALCSIZE WM_CREATE WM_SIZE WM_MOVE WM_SHOWWINDOW "
                              "WM_WINDOWPOSCHANGING WM_WINDOWPOSCHANGED WM_ACTIVATEAPP WM_NCACTIVATE "
                              "WM_ACTIVATE WM_SETFOCUS"));
    EXPECT_EQ(GetActiveWindow(), w);
    EXPECT_EQ(GetFocus(), w);
    EXPECT_TRUE(IsWindowVisible(w));
}

TEST_F(WindowTree, FailedCreationLeavesNoWindow)
{
    HWND refused = nullptr;
    WNDCLASS wc;
    wc.lpszClassName = "Refuses";
    wc.lpfnWndProc = [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CREATE) {
            refused = h;
            return -1;
        }
        return DefWindowProc(h, m, w, l);
    };
    ASSERT_TRUE(RegisterClass(wc));
    EXPECT_FALSE(RegisterClass(wc)); // a name is registered once
    EXPECT_EQ(CreateWindowEx(0, "Refuses", "", WS_POPUP, 0, 0, 10, 10, nullptr), nullptr);
    EXPECT_NE(refused, nullptr);
    EXPECT_FALSE(IsWindow(refused));
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr), nullptr);
    EXPECT_EQ(Create(WS_CHILD, Bounds(0, 0, 5, 5), nullptr), nullptr); // a child needs a parent
}

TEST_F(WindowTree, DestructionOrderAndDeadHandles)
{
    HWND owner = Create(WS_POPUP, Bounds(0, 0, 100, 100));
    HWND parent = Create(WS_POPUP, Bounds(0, 0, 100, 100), owner);
    HWND child = Create(WS_CHILD, Bounds(0, 0, 10, 10), parent);
    HWND grandchild = Create(WS_CHILD, Bounds(0, 0, 5, 5), child);
    ClearLog();
    ignored.insert(WM_PARENTNOTIFY);
    ASSERT_TRUE(DestroyWindow(owner));
    std::vector<std::string> expected = Split("WM_DESTROY WM_DESTROY WM_DESTROY WM_NCDESTROY WM_NCDESTROY WM_NCDESTROY "
                                              "WM_DESTROY WM_NCDESTROY");
    EXPECT_EQ(Names(), expected);
    // The owned window goes first, parents get WM_DESTROY before their children and
    // WM_NCDESTROY after them.
    std::vector<HWND> order;
    for (UINT m : {WM_DESTROY, WM_NCDESTROY})
        for (const TRecorded& r : Log(nullptr, m)) order.push_back(r.hwnd);
    EXPECT_EQ(order, (std::vector<HWND>{parent, child, grandchild, owner, grandchild, child, parent, owner}));
    for (HWND h : {owner, parent, child, grandchild}) {
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(SendMessage(h, WM_USER), 0);
        EXPECT_FALSE(PostMessage(h, WM_USER));
        EXPECT_FALSE(DestroyWindow(h));
        EXPECT_EQ(GetParent(h), nullptr);
    }
}

TEST_F(WindowTree, HandlesAreNeverReused)
{
    std::set<HWND> seen;
    for (int i = 0; i < 50; ++i) {
        HWND w = Create(WS_POPUP, Bounds(0, 0, 5, 5));
        EXPECT_TRUE(seen.insert(w).second);
        DestroyWindow(w);
    }
    EXPECT_FALSE(IsWindow(HWND_BOTTOM));
    EXPECT_FALSE(IsWindow(HWND_TOPMOST));
    EXPECT_FALSE(IsWindow(HandleFromValue(12345)));
}

TEST_F(WindowTree, WindowDestroyingItselfInsideAMessageIsSafe)
{
    HWND w = TopLevel(Bounds(0, 0, 100, 100));
    int after = 0;
    TWindowSubclass outer(w, [&](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        LRESULT r = outer.CallPrevious(m, wp, lp);
        if (m == WM_LBUTTONDOWN) {
            ++after;
            EXPECT_FALSE(IsWindow(h));
            // Passing on to a dead window's chain is harmless.
            EXPECT_EQ(CallWindowProc(outer.Id(), h, WM_USER, 0, 0), 0);
        }
        return r;
    });
    Handle(w, [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_LBUTTONDOWN) {
            PostMessage(h, WM_USER + 1);
            DestroyWindow(h);
            return 0;
        }
        return std::nullopt;
    });
    screen->Click(50, 50);
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(Log(w, WM_USER + 1).empty()); // posted to it before it died: dropped
    EXPECT_TRUE(Log(w, WM_LBUTTONUP).empty());
}

TEST_F(WindowTree, TreeQueriesAndCoordinates)
{
    HWND top = Create(WS_POPUP | WS_VISIBLE | WS_BORDER, Bounds(100, 50, 200, 150));
    HWND a = Child(top, Bounds(10, 20, 50, 50));
    HWND b = Child(top, Bounds(30, 30, 50, 50));
    HWND inner = Child(a, Bounds(5, 5, 10, 10));
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{b, a})); // newest on top
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(top, GW_CHILD), b);
    EXPECT_EQ(GetAncestor(inner, GA_ROOT), top);
    EXPECT_EQ(GetParent(inner), a);
    EXPECT_TRUE(IsChild(top, inner));
    EXPECT_FALSE(IsChild(inner, top));
    // The border moves the client area in by one pixel.
    EXPECT_EQ(GetClientRect(top), Bounds(0, 0, 198, 148));
    EXPECT_EQ(GetWindowRect(inner), Bounds(100 + 1 + 10 + 5, 50 + 1 + 20 + 5, 10, 10));
    EXPECT_EQ(ClientToScreen(inner, {1, 2}), (TPoint{117, 78}));
    EXPECT_EQ(ScreenToClient(a, {111, 71}), (TPoint{0, 0}));
    EXPECT_EQ(MapWindowPoints(inner, b, TPoint{0, 0}), (TPoint{-15, -5}));
    EXPECT_EQ(AdjustWindowRectEx(Bounds(0, 0, 100, 50), WS_CAPTION | WS_THICKFRAME, WS_EX_CLIENTEDGE),
              (TRect{-6, -25, 106, 56}));
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{a, b}));
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetChildWindows(top), (std::vector<HWND>{b, a}));
}

TEST_F(WindowTree, TheProcedureDecidesTheClientAreaAndTheNativeKind)
{
    // A frame drawn by the program itself: 5 pixels around, a 20-pixel caption.
    WNDCLASS wc;
    wc.lpszClassName = "Framed";
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_NCCALCSIZE) {
            TRect* r = wp ? &LParamToPtr<NCCALCSIZE_PARAMS>(lp)->rgrc[0] : LParamToPtr<TRect>(lp);
            *r = TRect{r->Left + 5, r->Top + 20, r->Right - 5, r->Bottom - 5};
            return 0;
        }
        return DefWindowProc(h, m, wp, lp);
    };
    ASSERT_TRUE(RegisterClass(wc));
    HWND w = CreateWindowEx(0, "Framed", "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr);
    EXPECT_EQ(GetClientRect(w), Bounds(0, 0, 190, 75));
    EXPECT_EQ(ClientToScreen(w, {0, 0}), (TPoint{105, 120}));
    SetWindowPos(w, nullptr, 0, 0, 300, 50, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(GetClientRect(w), Bounds(0, 0, 290, 25));
    SetWindowPos(w, nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(GetClientRect(w), Bounds(0, 0, 0, 0)); // never negative
    EXPECT_EQ(screen->Native(w)->params.kind, TNativeKind::Normal);
    HWND menu = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Test", "", WS_POPUP, 0, 0, 50, 50, w);
    EXPECT_EQ(screen->Native(menu)->params.kind, TNativeKind::Popup);
    EXPECT_TRUE(screen->Native(menu)->params.topmost);
    EXPECT_EQ(screen->Native(menu)->params.owner, screen->NativeWindowOf(w));
}

TEST_F(WindowTree, TextPropsAndLongs)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    EXPECT_TRUE(SetWindowText(w, "图片处理 ok"));
    EXPECT_EQ(GetWindowText(w), "图片处理 ok");
    EXPECT_EQ(GetWindowTextLength(w), 15);
    // A buffer too small for the third character gets two whole characters, never half of one.
    char buffer[8];
    EXPECT_EQ(SendMessage(w, WM_GETTEXT, sizeof buffer, PtrToLParam(buffer)), 6);
    EXPECT_EQ(std::string(buffer), "图片");
    EXPECT_TRUE(SetProp(w, "owner", 42));
    EXPECT_EQ(GetProp(w, "owner"), 42);
    EXPECT_EQ(RemoveProp(w, "owner"), 42);
    EXPECT_EQ(GetProp(w, "owner"), 0);
    SetWindowLongPtr(w, GWLP_USERDATA, 7);
    EXPECT_EQ(GetWindowLongPtr(w, GWLP_USERDATA), 7);
    ClearLog();
    SetWindowLongPtr(w, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    EXPECT_EQ(Names(w), Split("WM_STYLECHANGING WM_STYLECHANGED"));
    EXPECT_EQ(GetClassName(w), "Test");
}

TEST_F(WindowTree, SetParentMovesBetweenTopLevelAndChild)
{
    HWND host = TopLevel(Bounds(100, 100, 300, 200));
    HWND floating = TopLevel(Bounds(150, 120, 40, 40));
    ASSERT_NE(screen->Native(floating), nullptr);
    EXPECT_EQ(SetParent(floating, host), nullptr);
    EXPECT_EQ(GetParent(floating), host);
    EXPECT_EQ(screen->Native(floating), screen->Native(host)); // it lives in the host's native window now
    EXPECT_EQ(GetWindowRect(floating), Bounds(150, 120, 40, 40)); // it stays where it was on screen
    SetParent(floating, nullptr);
    EXPECT_EQ(GetParent(floating), nullptr);
    EXPECT_NE(screen->Native(floating), screen->Native(host));
    EXPECT_EQ(GetWindowRect(floating), Bounds(150, 120, 40, 40));
    EXPECT_EQ(SetParent(host, floating), nullptr); // (not a cycle: host is no child of floating)
    EXPECT_EQ(SetParent(floating, host), nullptr);  // but this would be one
    EXPECT_EQ(GetParent(floating), nullptr);
}

} // namespace
