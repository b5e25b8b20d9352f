#include "X11TestFixture.h"

#include "gfx/Region.h"
#include "wsys/backends/x11/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

std::vector<long> Cardinals(Display* d, ::Window w, const char* property, Atom type)
{
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> out;
    if (XGetWindowProperty(d, w, XInternAtom(d, property, False), 0, 1 << 20, False, type, &actual, &format, &count,
                           &after, &data) == Success &&
        data && format == 32)
        out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
    if (data) XFree(data);
    return out;
}

std::string Utf8Property(Display* d, ::Window w, const char* property)
{
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string out;
    if (XGetWindowProperty(d, w, XInternAtom(d, property, False), 0, 1 << 16, False, XInternAtom(d, "UTF8_STRING", False),
                           &actual, &format, &count, &after, &data) == Success &&
        data)
        out.assign(reinterpret_cast<char*>(data), count);
    if (data) XFree(data);
    return out;
}

TRegion ServerShape(Display* d, ::Window w, int kind)
{
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(d, w, kind, &count, &ordering);
    std::vector<TRect> list;
    for (int i = 0; i < count; ++i) list.push_back(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
    if (rects) XFree(rects);
    return TRegion::FromRects(list);
}

int MapState(Display* d, ::Window w)
{
    XWindowAttributes a{};
    XGetWindowAttributes(d, w, &a);
    return a.map_state;
}

} // namespace

TEST_F(X11Test, WindowsShowTheirPixelsAndOnlyDirtyAreasAreSentAgain)
{
    for (bool shm : {true, false}) {
        SCOPED_TRACE(shm ? "shared memory" : "XPutImage");
        TX11Options options;
        options.sharedMemory = shm;
        StartWindowSystem(options);
        EXPECT_EQ(backend->UsesSharedMemory(), shm);
        HWND h = Window(Bounds(100, 80, 200, 120), clRed);
        Settle();
        EXPECT_EQ(PeerPixel(100, 80), clRed);
        EXPECT_EQ(PeerPixel(299, 199), clRed);
        EXPECT_EQ(PeerPixel(99, 80), clBlack);
        EXPECT_EQ(PeerPixel(300, 199), clBlack);

        SetColor(h, clLime);
        TRect part = Bounds(10, 10, 20, 20);
        ValidateRect(h, nullptr);
        InvalidateRect(h, &part, false);
        Settle();
        EXPECT_EQ(PeerPixel(110, 90), clLime);
        EXPECT_EQ(PeerPixel(129, 109), clLime);
        EXPECT_EQ(PeerPixel(130, 110), clRed) << "only the invalid part was painted";

        MoveWindow(h, 400, 300, 220, 130);
        Settle();
        EXPECT_EQ(PeerPixel(400, 300), clLime);
        EXPECT_EQ(PeerPixel(619, 429), clLime);
        EXPECT_EQ(PeerPixel(150, 100), clBlack) << "nothing is left at the old place";
        ws.reset();
    }
}

TEST_F(X11Test, WindowRegionIsTheShapeTheServerReports)
{
    StartWindowSystem();
    HWND h = Window(Bounds(100, 100, 200, 120), clBlue);
    TRegion shape = TRegion(Bounds(0, 0, 200, 120)) - TRegion(Bounds(80, 40, 40, 40)) - TRegion(Bounds(0, 0, 6, 3)) -
                    TRegion(Bounds(0, 0, 3, 6)) - TRegion(Bounds(194, 117, 6, 3));
    SetWindowRgn(h, shape, true);
    Settle();
    ::Window native = NativeOf(h);
    EXPECT_EQ(ServerShape(peer, native, ShapeBounding), shape);
    EXPECT_EQ(ServerShape(peer, native, ShapeInput), shape) << "the pointer passes where nothing is shown";
    EXPECT_EQ(PeerPixel(100 + 100, 100 + 60), clBlack) << "the hole shows the desktop";
    EXPECT_EQ(PeerPixel(100 + 1, 100 + 1), clBlack);
    EXPECT_EQ(PeerPixel(100 + 6, 100 + 1), clBlue);
    EXPECT_EQ(PeerPixel(100 + 79, 100 + 60), clBlue);

    SetWindowRgn(h, std::nullopt, true);
    Settle();
    EXPECT_EQ(ServerShape(peer, native, ShapeBounding), TRegion(Bounds(0, 0, 200, 120)));
    EXPECT_EQ(PeerPixel(100 + 100, 100 + 60), clBlue);
}

TEST_F(X11Test, WindowsCarryWhatTheDesktopNeedsToKnow)
{
    StartWindowSystem();
    HWND main = Window(Bounds(50, 50, 300, 200), clWhite);
    SetWindowText(main, "Tavrik 图片压缩");
    HWND dialog = Window(Bounds(100, 100, 120, 80), clGray, 0, main);
    HWND popup = Window(Bounds(400, 100, 80, 60), clYellow, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
    Settle();
    ::Window w = NativeOf(main);

    XClassHint hint{};
    ASSERT_TRUE(XGetClassHint(peer, w, &hint));
    EXPECT_STREQ(hint.res_name, "tavrik");
    EXPECT_STREQ(hint.res_class, "Tavrik");
    XFree(hint.res_name);
    XFree(hint.res_class);
    EXPECT_EQ(Utf8Property(peer, w, "_NET_WM_NAME"), "Tavrik 图片压缩");
    EXPECT_EQ(Cardinals(peer, w, "_MOTIF_WM_HINTS", XInternAtom(peer, "_MOTIF_WM_HINTS", False)),
              (std::vector<long>{2, 0, 0, 0, 0}))
        << "no decorations";
    std::vector<long> icon = Cardinals(peer, w, "_NET_WM_ICON", XA_CARDINAL);
    ASSERT_EQ(icon.size(), size_t(2 + 16 * 16 + 2 + 32 * 32 + 2 + 48 * 48));
    EXPECT_EQ(icon[0], 16);
    EXPECT_EQ(icon[2 + 256], 32);
    EXPECT_NE(icon[2 + 8 * 16 + 8] >> 24 & 0xFF, 0) << "the icon's middle is opaque";

    Atom* protocols = nullptr;
    int count = 0;
    ASSERT_TRUE(XGetWMProtocols(peer, w, &protocols, &count));
    std::vector<Atom> list(protocols, protocols + count);
    XFree(protocols);
    EXPECT_NE(std::find(list.begin(), list.end(), XInternAtom(peer, "WM_DELETE_WINDOW", False)), list.end());
    EXPECT_NE(std::find(list.begin(), list.end(), XInternAtom(peer, "WM_TAKE_FOCUS", False)), list.end());

    ::Window owner = None;
    EXPECT_TRUE(XGetTransientForHint(peer, NativeOf(dialog), &owner));
    EXPECT_EQ(owner, w);
    EXPECT_EQ(Cardinals(peer, NativeOf(dialog), "_NET_WM_WINDOW_TYPE", XA_ATOM),
              (std::vector<long>{long(XInternAtom(peer, "_NET_WM_WINDOW_TYPE_DIALOG", False))}));

    XWindowAttributes a{};
    XGetWindowAttributes(peer, NativeOf(popup), &a);
    EXPECT_TRUE(a.override_redirect) << "no window manager moves or decorates a popup";
    XGetWindowAttributes(peer, w, &a);
    EXPECT_FALSE(a.override_redirect);
    ::Window focus = None;
    int revert = 0;
    XGetInputFocus(peer, &focus, &revert);
    EXPECT_EQ(focus, NativeOf(dialog)) << "the popup did not take the focus from the last activated window";
}

TEST_F(X11Test, OpacityIsAPropertyForTheCompositor)
{
    StartWindowSystem();
    HWND h = Window(Bounds(50, 50, 100, 100), clWhite, WS_EX_LAYERED);
    EXPECT_FALSE(LayeredWindowsSupported()) << "no compositing manager runs on a bare server";
    SetLayeredWindowAttributes(h, clNone, 128, LWA_ALPHA);
    Settle();
    std::vector<long> opacity = Cardinals(peer, NativeOf(h), "_NET_WM_WINDOW_OPACITY", XA_CARDINAL);
    ASSERT_EQ(opacity.size(), 1u);
    EXPECT_EQ(uint32_t(opacity[0]), 0x80808080u) << "128 of 255 scaled to the full 32 bits";
    SetLayeredWindowAttributes(h, clNone, 255, LWA_ALPHA);
    Settle();
    EXPECT_TRUE(Cardinals(peer, NativeOf(h), "_NET_WM_WINDOW_OPACITY", XA_CARDINAL).empty()) << "opaque: no property";

    ::Window compositor = XCreateSimpleWindow(peer, DefaultRootWindow(peer), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(peer, XInternAtom(peer, "_NET_WM_CM_S0", False), compositor, CurrentTime);
    XSync(peer, False);
    EXPECT_TRUE(LayeredWindowsSupported());
}

TEST_F(X11Test, MinimizingWithoutWindowManagerHidesUntilRestored)
{
    StartWindowSystem();
    HWND h = Window(Bounds(60, 60, 100, 80), clRed);
    ShowWindow(h, SW_MINIMIZE);
    WaitMapped(h, false);
    EXPECT_TRUE(IsIconic(h));
    EXPECT_EQ(MapState(peer, NativeOf(h)), IsUnmapped);
    ShowWindow(h, SW_RESTORE);
    WaitMapped(h);
    Settle();
    EXPECT_FALSE(IsIconic(h));
    EXPECT_EQ(PeerPixel(60, 60), clRed);
}

TEST_F(X11Test, MovesByTheDesktopReachTheWindowInScreenCoordinates)
{
    StartWindowSystem();
    HWND h = Window(Bounds(60, 60, 100, 80), clRed);
    ::Window native = NativeOf(h);
    XMoveWindow(peer, native, 500, 400);
    XSync(peer, False);
    EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(h) == Bounds(500, 400, 100, 80); }));

    // A reparenting window manager: the window sits in a frame, and configure events are
    // relative to that frame.
    ::Window frame = XCreateSimpleWindow(peer, DefaultRootWindow(peer), 300, 200, 400, 300, 0, 0, 0);
    XMapWindow(peer, frame);
    XReparentWindow(peer, native, frame, 0, 0);
    XSync(peer, False);
    XResizeWindow(peer, native, 150, 90);
    XSync(peer, False);
    EXPECT_TRUE(PumpUntil([&] { return GetWindowRect(h) == Bounds(300, 200, 150, 90); }))
        << "got " << GetWindowRect(h).Left << "," << GetWindowRect(h).Top;
}

TEST_F(X11Test, QuickMovesEndWhereTheProgramPutTheWindow)
{
    StartWindowSystem();
    HWND h = Window(Bounds(10, 10, 100, 80), clRed);
    for (int i = 1; i <= 20; ++i) {
        MoveWindow(h, 10 + 10 * i, 10 + 5 * i, 100 + i, 80);
        ProcessMessages();
    }
    Settle();
    PumpUntil([] { return false; }, 100); // late configure events must not move it back
    EXPECT_EQ(GetWindowRect(h), Bounds(210, 110, 120, 80));
    XWindowAttributes a{};
    XGetWindowAttributes(peer, NativeOf(h), &a);
    EXPECT_EQ(TRect(Bounds(a.x, a.y, a.width, a.height)), Bounds(210, 110, 120, 80));
}

TEST_F(X11Test, StackingFollowsActivation)
{
    StartWindowSystem();
    HWND a = Window(Bounds(100, 100, 200, 200), clRed);
    HWND b = Window(Bounds(200, 200, 200, 200), clLime);
    Settle();
    EXPECT_EQ(PeerPixel(250, 250), clLime);
    SetForegroundWindow(a);
    Settle();
    EXPECT_EQ(PeerPixel(250, 250), clRed);
    SetForegroundWindow(b);
    Settle();
    EXPECT_EQ(PeerPixel(250, 250), clLime);

    // Shown again without activation, a window goes back where the program keeps it.
    ShowWindow(b, SW_HIDE);
    WaitMapped(b, false);
    SetForegroundWindow(a);
    ShowWindow(b, SW_SHOWNA);
    WaitMapped(b);
    Settle();
    ASSERT_EQ(GetChildWindows(nullptr).front(), a);
    EXPECT_EQ(PeerPixel(250, 250), clRed);
    EXPECT_EQ(PeerPixel(350, 350), clLime);
}

TEST_F(X11Test, AWindowThatVanishedIsNoReasonToDie)
{
    StartWindowSystem();
    HWND h = Window(Bounds(10, 10, 100, 80), clRed);
    XDestroyWindow(peer, NativeOf(h));
    XSync(peer, False);
    uint64_t errorsBefore = TX11Connection::UnexpectedErrors();
    MoveWindow(h, 50, 50, 120, 90);
    SetWindowRgn(h, TRegion(Bounds(0, 0, 50, 50)), true);
    SetWindowText(h, "gone");
    Settle();
    DestroyWindow(h);
    Settle();
    EXPECT_GT(TX11Connection::UnexpectedErrors(), errorsBefore);
    HWND next = Window(Bounds(10, 10, 100, 80), clBlue);
    Settle();
    EXPECT_EQ(PeerPixel(20, 20), clBlue) << "the connection still works";
    DestroyWindow(next);
}
