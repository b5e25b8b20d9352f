// Before Xlib, whose macros (None) would break the window system's headers.
#include <gtest/gtest.h>

#include "wsys/NotificationArea.h"

#include "X11TestFixture.h"

#include "TrayHost.h"

#include <X11/extensions/shape.h>

#include <algorithm>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

constexpr UINT kCallback = WM_USER + 3;

// Red, with a transparent top-left quarter.
TBitmap QuarterCutPicture(int size)
{
    TBitmap b(size, size, TPixelFormat::pf32bit);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            uint8_t* p = b.ScanLine(y) + 4 * x;
            p[2] = 255;
            p[3] = x < size / 2 && y < size / 2 ? 0 : 255;
        }
    return b;
}

::Window ParentOf(Display* d, ::Window w)
{
    ::Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, w, &root, &parent, &children, &count)) return None;
    if (children) XFree(children);
    return parent;
}

::Window FocusOf(Display* d)
{
    ::Window focus = None;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    return focus;
}

std::vector<::Window> RootChildren(Display* d)
{
    ::Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
    std::vector<::Window> out(children, children + count);
    if (children) XFree(children);
    return out;
}

TEST_F(X11Test, IconsDockInARealTrayAndDockAgainWhenItRestarts)
{
    if (!TTrayHost::Installed()) GTEST_SKIP() << "trayer is not installed (scripts/setup-debian.sh installs it)";
    TTrayHost tray(server->Display(), peer);
    ASSERT_TRUE(tray.Start()) << tray.Error();
    StartWindowSystem();
    TNotificationArea& area = ws->NotificationArea();
    EXPECT_TRUE(area.Available());
    HWND owner = Window(Bounds(100, 100, 200, 100), clWhite);
    ASSERT_TRUE(area.Add({owner, 1, kCallback, QuarterCutPicture(32), "Tavrik"}, trayMessage | trayPicture | trayTip));
    TTrayIconKey key = area.KeyOf(owner, 1);
    ::Window root = DefaultRootWindow(peer);

    // Embedded by the tray (no longer a child of the root), mapped, at the size the tray gave.
    TRect place;
    auto docked = [&] {
        ::Window w = backend->TrayIconWindow(key);
        if (!w || ParentOf(peer, w) == root) return false;
        XWindowAttributes a{};
        XGetWindowAttributes(peer, w, &a);
        ::Window child = None;
        int x = 0, y = 0;
        XTranslateCoordinates(peer, w, root, 0, 0, &x, &y, &child);
        place = Bounds(x, y, a.width, a.height);
        return a.map_state == IsViewable && place.Width() > 1;
    };
    auto drawn = [&] {
        return docked() && PeerPixel(place.Right - 2, place.Bottom - 2) == clRed &&
               PeerPixel(place.Left + 1, place.Top + 1) != clRed;
    };
    ASSERT_TRUE(PumpUntil(drawn)) << "the red icon in the tray, the tray showing through its cut quarter";
    EXPECT_GE(place.Width(), 16);
    EXPECT_LE(place.Width(), 24);

    PeerClick(place.Right - 3, place.Bottom - 3);
    PeerClick(place.Right - 3, place.Bottom - 3, 3);
    auto heard = [&] {
        std::vector<std::string> names;
        for (const TLogged& l : Log(owner, kCallback))
            if (l.lp != WM_MOUSEMOVE) names.push_back(std::to_string(l.lp));
        return names;
    };
    std::vector<std::string> clicks{std::to_string(WM_LBUTTONDOWN), std::to_string(WM_LBUTTONUP),
                                    std::to_string(WM_RBUTTONDOWN), std::to_string(WM_RBUTTONUP)};
    ASSERT_TRUE(PumpUntil([&] { return heard().size() >= 4; }));
    EXPECT_EQ(heard(), clicks);

    // The tray goes: the icon window must not stay behind on the desktop.
    ::Window first = backend->TrayIconWindow(key);
    tray.Stop();
    UINT gone = RegisterWindowMessage(kTaskbarGoneMessage);
    ASSERT_TRUE(PumpUntil([&] { return Received(owner, gone); }));
    EXPECT_FALSE(area.Available());
    Settle();
    std::vector<::Window> left = RootChildren(peer);
    EXPECT_EQ(std::find(left.begin(), left.end(), first), left.end());

    UINT created = RegisterWindowMessage(kTaskbarCreatedMessage);
    ASSERT_TRUE(tray.Start()) << tray.Error();
    ASSERT_TRUE(PumpUntil([&] { return Received(owner, created) && drawn(); })) << "docked again in the new tray";
    EXPECT_TRUE(area.Available());
}

// The hint windows of the skinned controls: a popup shown topmost without activation, shaped,
// and hidden the same way.
TEST_F(X11Test, AHintWindowNeverTakesTheFocus)
{
    StartWindowSystem();
    HWND main = Window(Bounds(100, 100, 300, 200), clWhite);
    ASSERT_TRUE(PumpUntil([&] { return FocusOf(peer) == NativeOf(main); }));
    HWND hint = Window(Bounds(0, 0, 80, 30), clYellow, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, nullptr,
                       WS_POPUP);
    TRegion shape(Bounds(0, 0, 80, 30));
    shape = shape - TRegion(Bounds(0, 0, 4, 4));
    SetWindowRgn(hint, shape, false);
    SetWindowPos(hint, HWND_TOPMOST, 150, 150, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    WaitMapped(hint);
    Settle();
    XWindowAttributes a{};
    XGetWindowAttributes(peer, NativeOf(hint), &a);
    EXPECT_TRUE(a.override_redirect);
    EXPECT_EQ(PeerPixel(160, 160), clYellow);
    EXPECT_EQ(PeerPixel(151, 151), clWhite) << "the shape's cut corner shows the window below";
    PeerClick(170, 170);
    ASSERT_TRUE(PumpUntil([&] { return Received(hint, WM_LBUTTONDOWN); }));
    Settle();
    EXPECT_EQ(FocusOf(peer), NativeOf(main));
    EXPECT_EQ(GetActiveWindow(), main);

    SetWindowPos(hint, HWND_TOPMOST, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    WaitMapped(hint, false);
    EXPECT_EQ(FocusOf(peer), NativeOf(main));
}

} // namespace
