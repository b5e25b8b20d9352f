#pragma once

// GoogleTest first: Xlib's macros (None, Bool, Status) would break its headers.
#include <gtest/gtest.h>

#include "XvfbServer.h"
#include "support/MessageRecorder.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/x11/X11Backend.h"

#include <X11/Xlib.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace tavrik::testing {

using TLogged = test::TRecordedMessage;
using THandler = test::TMessageHandler;

// The window system on the X11 backend, connected to a private Xvfb, and a second client
// ("the peer") that looks at the server from outside as a user or another program would:
// reading pixels and properties, injecting input with XTest.
class X11Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Starts the window system; tests that prepare the server first call it themselves.
    void StartWindowSystem(TX11Options options = {});

    // A window of the test class painted in one colour; shown ones are waited for.
    HWND Window(TRect bounds, TColor color, DWORD exStyle = 0, HWND owner = nullptr, DWORD style = WS_POPUP | WS_VISIBLE);
    ::Window NativeOf(HWND hwnd) const;
    void SetColor(HWND hwnd, TColor color); // repaints the window
    void Handle(HWND hwnd, THandler handler) { recorder_.Handle(hwnd, std::move(handler)); }
    void WaitMapped(HWND hwnd, bool mapped = true);
    // Runs the message loop until done() holds, waiting on the X connection in between; false
    // after the time limit.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
    // Handles everything pending and makes the server carry out all requests.
    void Settle();

    std::vector<TLogged> Log(HWND hwnd, UINT msg) const { return recorder_.Log(hwnd, msg); }
    bool Received(HWND hwnd, UINT msg) const { return !Log(hwnd, msg).empty(); }
    void ClearLog() { recorder_.Clear(); }

    TColor PeerPixel(int x, int y);
    void PeerMove(int x, int y);
    void PeerButton(unsigned button, bool down);
    void PeerClick(int x, int y, unsigned button = 1);
    void PeerKey(unsigned long keysym, bool down);
    void PeerTap(unsigned long keysym);

    std::unique_ptr<TXvfbServer> server;
    ::Display* peer = nullptr;
    TX11Backend* backend = nullptr;
    std::unique_ptr<TWindowSystem> ws;

private:
    LRESULT Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    test::TMessageRecorder recorder_;
    std::map<HWND, TColor> colors_;
};

} // namespace tavrik::testing
