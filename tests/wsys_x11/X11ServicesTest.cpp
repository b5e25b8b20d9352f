#include "X11TestFixture.h"

#include "XSettingsWriter.h"
#include "gfx/Bitmap.h"
#include "wsys/CursorImage.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/extensions/Xrandr.h>

#include <poll.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// Waits on another connection for an event the test accepts, at most timeoutMs.
template <typename F>
bool WaitOn(Display* d, F accept, XEvent& out, int timeoutMs = 5000)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (XPending(d)) {
            XNextEvent(d, &out);
            if (accept(out)) return true;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd fd{ConnectionNumber(d), POLLIN, 0};
        poll(&fd, 1, int(left.count()));
    }
}

std::string ReadSelection(const std::string& display, const char* target)
{
    Display* d = XOpenDisplay(display.c_str());
    if (!d) return "<no display>";
    ::Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    Atom property = XInternAtom(d, "PEER_SELECTION", False);
    Atom wanted = XInternAtom(d, target, False);
    XConvertSelection(d, XInternAtom(d, "CLIPBOARD", False), wanted, property, w, CurrentTime);
    XFlush(d);
    XEvent ev;
    std::string out = "<no answer>";
    if (WaitOn(d, [](const XEvent& e) { return e.type == SelectionNotify; }, ev)) {
        out = "<refused>";
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (ev.xselection.property != None &&
            XGetWindowProperty(d, w, property, 0, 1 << 20, True, AnyPropertyType, &type, &format, &count, &after, &data) ==
                Success) {
            if (format == 8) out.assign(reinterpret_cast<char*>(data), count);
            if (format == 32) {
                out.clear();
                for (unsigned long i = 0; i < count; ++i) {
                    char* name = XGetAtomName(d, Atom(reinterpret_cast<long*>(data)[i]));
                    out += std::string(name) + " ";
                    XFree(name);
                }
            }
        }
        if (data) XFree(data);
    }
    XCloseDisplay(d);
    return out;
}

} // namespace

TEST_F(X11Test, ScreenCaptureReturnsWhatWasDrawn)
{
    StartWindowSystem();
    Window(Bounds(0, 0, 100, 60), clRed);
    Window(Bounds(150, 20, 50, 50), RGB(10, 200, 30));
    Settle();
    TBitmap shot = CaptureScreen(Rect(-20, -10, 220, 80));
    ASSERT_EQ(shot.Width(), 240);
    ASSERT_EQ(shot.Height(), 90);
    EXPECT_EQ(shot.GetPixel(0, 0), clBlack) << "off the screen";
    EXPECT_EQ(shot.GetPixel(20, 10), clRed);
    EXPECT_EQ(shot.GetPixel(119, 69), clRed);
    EXPECT_EQ(shot.GetPixel(120, 69), clBlack);
    EXPECT_EQ(shot.GetPixel(170, 30), RGB(10, 200, 30));
    EXPECT_EQ(shot.GetPixel(219, 79), RGB(10, 200, 30));
    EXPECT_EQ(shot.GetPixel(239, 89), clBlack);
    EXPECT_EQ(CaptureScreen(Rect(1300, 900, 1310, 905)).GetPixel(5, 2), clBlack);
}

TEST_F(X11Test, ClipboardTextGoesToOtherProgramsAndComesFromThem)
{
    StartWindowSystem();
    const std::string text = "Hello 图片压缩, é";
    ASSERT_TRUE(SetClipboardText(text));
    EXPECT_EQ(GetClipboardText(), text);
    struct TRead {
        const char* target;
        std::string got;
    } reads[] = {{"UTF8_STRING", {}}, {"STRING", {}}, {"TARGETS", {}}, {"image/png", {}}};
    for (TRead& r : reads) {
        SCOPED_TRACE(r.target);
        std::atomic<bool> done{false};
        std::thread other([&] {
            r.got = ReadSelection(server->Display(), r.target);
            done = true;
        });
        bool answered = PumpUntil([&] { return done.load(); }, 8000);
        other.join();
        EXPECT_TRUE(answered);
    }
    EXPECT_EQ(reads[0].got, text);
    EXPECT_EQ(reads[1].got, "Hello ????, \xE9") << "Latin-1 for old programs";
    EXPECT_NE(reads[2].got.find("UTF8_STRING"), std::string::npos) << reads[2].got;
    EXPECT_EQ(reads[3].got, "<refused>");

    // Another program takes the clipboard and answers our request from its own thread.
    const std::string theirs = "从别的程序 copied";
    std::atomic<bool> owning{false}, stop{false};
    std::thread owner([&] {
        Display* d = XOpenDisplay(server->Display().c_str());
        ::Window w = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
        Atom clipboard = XInternAtom(d, "CLIPBOARD", False), utf8 = XInternAtom(d, "UTF8_STRING", False);
        XSetSelectionOwner(d, clipboard, w, CurrentTime);
        XSync(d, False);
        owning = true;
        while (!stop) {
            XEvent ev;
            if (!WaitOn(d, [](const XEvent& e) { return e.type == SelectionRequest; }, ev, 50)) continue;
            XSelectionEvent reply{};
            reply.type = SelectionNotify;
            reply.requestor = ev.xselectionrequest.requestor;
            reply.selection = ev.xselectionrequest.selection;
            reply.target = ev.xselectionrequest.target;
            reply.time = ev.xselectionrequest.time;
            if (ev.xselectionrequest.target == utf8) {
                reply.property = ev.xselectionrequest.property;
                XChangeProperty(d, reply.requestor, reply.property, utf8, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(theirs.data()), int(theirs.size()));
            }
            XSendEvent(d, reply.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
            XFlush(d);
        }
        XCloseDisplay(d);
    });
    while (!owning) std::this_thread::yield();
    EXPECT_EQ(GetClipboardText(), theirs);
    stop = true;
    owner.join();
}

TEST_F(X11Test, BeepRingsTheBell)
{
    int opcode = 0, eventBase = 0, errorBase = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    ASSERT_TRUE(XkbQueryExtension(peer, &opcode, &eventBase, &errorBase, &major, &minor));
    XkbSelectEvents(peer, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XSync(peer, False);
    StartWindowSystem();
    MessageBeep(MB_OK);
    XEvent ev;
    EXPECT_TRUE(WaitOn(peer, [&](const XEvent& e) {
        return e.type == eventBase && reinterpret_cast<const XkbAnyEvent&>(e).xkb_type == XkbBellNotify;
    }, ev));
}

TEST_F(X11Test, ThePointersPictureTellsHowFarItReachesBelowItsHotSpot)
{
    StartWindowSystem();
    HWND w = Window(Bounds(100, 100, 200, 200), clWhite);
    PeerMove(150, 150);
    Settle();
    std::optional<TCursorImage> arrow = GetCursorImage();
    ASSERT_TRUE(arrow.has_value()) << "the server shows the program's arrow";
    const TSize size{arrow->picture.Width(), arrow->picture.Height()};
    ASSERT_GT(size.cy, 0);
    EXPECT_TRUE(Bounds(0, 0, size.cx, size.cy).Contains(arrow->hotSpot));
    const int offset = CursorBottomOffset(arrow);
    EXPECT_GT(offset, 0);
    EXPECT_LT(offset, size.cy - arrow->hotSpot.y) << "the arrow's picture has clear rows below its tip";
    EXPECT_EQ(CursorBottomOffset(), offset);
    DestroyWindow(w);
}

TEST_F(X11Test, DoubleClickTimeComesFromTheDesktopSettings)
{
    StartWindowSystem();
    EXPECT_EQ(GetDoubleClickTime(), 500u) << "no desktop publishes settings on a bare server";
    ws.reset();

    std::vector<uint8_t> block = TXSettingsWriter().String("Net/ThemeName", "Adwaita").Integer("Net/DoubleClickTime", 250).Block();
    ::Window settings = XCreateSimpleWindow(peer, DefaultRootWindow(peer), 0, 0, 1, 1, 0, 0, 0);
    Atom settingsAtom = XInternAtom(peer, "_XSETTINGS_SETTINGS", False);
    XChangeProperty(peer, settings, settingsAtom, settingsAtom, 8, PropModeReplace, block.data(), int(block.size()));
    XSetSelectionOwner(peer, XInternAtom(peer, "_XSETTINGS_S0", False), settings, CurrentTime);
    XSync(peer, False);
    StartWindowSystem();
    EXPECT_EQ(GetDoubleClickTime(), 250u);
}

TEST_F(X11Test, MonitorsAndWorkAreaFollowTheDesktop)
{
    // A second monitor, as a multi-head desktop announces it through XRandR.
    XRRMonitorInfo right{};
    right.name = XInternAtom(peer, "RIGHT", False);
    right.x = 1280 - 400;
    right.y = 0;
    right.width = 400;
    right.height = 800;
    right.mwidth = 100;
    right.mheight = 200;
    XRRSetMonitor(peer, DefaultRootWindow(peer), &right);
    XSync(peer, False);
    StartWindowSystem();
    std::vector<TMonitor> monitors = backend->Monitors();
    ASSERT_GE(monitors.size(), 2u);
    EXPECT_EQ(monitors[0].bounds, Bounds(0, 0, 1280, 800));
    EXPECT_EQ(monitors[0].workArea, monitors[0].bounds) << "no panel reserves space";
    bool found = false;
    for (const TMonitor& m : monitors) found = found || m.bounds == Bounds(880, 0, 400, 800);
    EXPECT_TRUE(found);

    HWND h = Window(Bounds(10, 10, 100, 100), clWhite);
    long area[4] = {0, 0, 1280, 775}; // a panel at the bottom
    XChangeProperty(peer, DefaultRootWindow(peer), XInternAtom(peer, "_NET_WORKAREA", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(area), 4);
    XSync(peer, False);
    ASSERT_TRUE(PumpUntil([&] { return Received(h, WM_DISPLAYCHANGE); }));
    TRect work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work);
    EXPECT_EQ(work, Bounds(0, 0, 1280, 775));
}
