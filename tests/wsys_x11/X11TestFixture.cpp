#include "X11TestFixture.h"

#include "gfx/Canvas.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>

namespace tavrik::testing {

void X11Test::SetUp()
{
    server = std::make_unique<TXvfbServer>();
    if (!server->Running()) GTEST_SKIP() << "no X server for this test: " << server->Error();
    peer = XOpenDisplay(server->Display().c_str());
    ASSERT_NE(peer, nullptr) << "cannot connect to " << server->Display();
}

void X11Test::StartWindowSystem(TX11Options options)
{
    options.display = server->Display();
    std::string error;
    std::unique_ptr<TX11Backend> x = TX11Backend::Open(options, &error);
    ASSERT_TRUE(x) << error;
    backend = x.get();
    ws = std::make_unique<TWindowSystem>(std::move(x));
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) { return Proc(h, m, w, l); };
    wc.hCursor = LoadCursor(IDC_ARROW);
    wc.lpszClassName = "X11Test";
    RegisterClass(wc);
}

void X11Test::TearDown()
{
    ws.reset();
    if (peer) XCloseDisplay(peer);
    server.reset();
}

LRESULT X11Test::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (std::optional<LRESULT> r = recorder_.Receive(hwnd, msg, wp, lp)) return *r;
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        dc->Brush().Color = colors_[hwnd];
        dc->FillRect(GetClientRect(hwnd));
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProc(hwnd, msg, wp, lp);
}

HWND X11Test::Window(TRect bounds, TColor color, DWORD exStyle, HWND owner, DWORD style)
{
    HWND h = CreateWindowEx(exStyle, "X11Test", "", style & ~WS_VISIBLE, bounds.Left, bounds.Top, bounds.Width(),
                            bounds.Height(), owner);
    colors_[h] = color;
    if (style & WS_VISIBLE) {
        ShowWindow(h, (exStyle & WS_EX_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
        WaitMapped(h);
    }
    return h;
}

void X11Test::SetColor(HWND hwnd, TColor color)
{
    colors_[hwnd] = color;
    InvalidateRect(hwnd, nullptr, false);
}

::Window X11Test::NativeOf(HWND hwnd) const
{
    TWindow* w = ws->Find(hwnd);
    return w ? ::Window(TWindowSystem::Root(w)->native) : None;
}

void X11Test::WaitMapped(HWND hwnd, bool mapped)
{
    ASSERT_TRUE(PumpUntil([&] { return backend->IsMapped(NativeOf(hwnd)) == mapped; }))
        << "the window was never " << (mapped ? "mapped" : "unmapped");
}

bool X11Test::PumpUntil(const std::function<bool()>& done, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        ProcessMessages();
        if (done()) return true;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        backend->WaitForEvents(std::min<int64_t>(left.count(), 100));
    }
}

void X11Test::Settle()
{
    ProcessMessages();
    backend->Sync();
    ProcessMessages();
    backend->Sync();
}

TColor X11Test::PeerPixel(int x, int y)
{
    backend->Sync();
    XImage* image = XGetImage(peer, DefaultRootWindow(peer), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return clNone;
    unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return RGB(uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p));
}

void X11Test::PeerMove(int x, int y)
{
    XTestFakeMotionEvent(peer, DefaultScreen(peer), x, y, CurrentTime);
    XSync(peer, False);
}

void X11Test::PeerButton(unsigned button, bool down)
{
    XTestFakeButtonEvent(peer, button, down ? True : False, CurrentTime);
    XSync(peer, False);
}

void X11Test::PeerClick(int x, int y, unsigned button)
{
    PeerMove(x, y);
    PeerButton(button, true);
    PeerButton(button, false);
}

void X11Test::PeerKey(unsigned long keysym, bool down)
{
    KeyCode code = XKeysymToKeycode(peer, keysym);
    ASSERT_NE(code, 0) << "no key types keysym 0x" << std::hex << keysym;
    XTestFakeKeyEvent(peer, code, down ? True : False, CurrentTime);
    XSync(peer, False);
}

void X11Test::PeerTap(unsigned long keysym)
{
    PeerKey(keysym, true);
    PeerKey(keysym, false);
}

} // namespace tavrik::testing
