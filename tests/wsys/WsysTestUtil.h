#pragma once

#include "support/MessageRecorder.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tavrik::testing {

std::string MessageName(UINT msg);

using TRecorded = test::TRecordedMessage;
using THandler = test::TMessageHandler;

// A window system on a fresh headless screen, with one window class ("Test", double clicks
// on, white background) whose procedure logs every message and asks the handler of the
// window first.
class WsysTest : public ::testing::Test {
protected:
    WsysTest() : WsysTest(THeadlessOptions{}) {}
    explicit WsysTest(THeadlessOptions options);
    ~WsysTest() override;

    HWND Create(DWORD style, TRect bounds, HWND parent = nullptr, DWORD exStyle = 0, const char* cls = "Test");
    HWND TopLevel(TRect bounds, DWORD exStyle = 0) { return Create(WS_POPUP | WS_VISIBLE, bounds, nullptr, exStyle); }
    HWND Child(HWND parent, TRect bounds) { return Create(WS_CHILD | WS_VISIBLE, bounds, parent); }
    // The handler answers messages of one window before the logging procedure passes them to
    // DefWindowProc; nullopt lets them through.
    void Handle(HWND hwnd, THandler handler) { recorder_.Handle(hwnd, std::move(handler)); }
    // Makes a window answer WM_NCHITTEST with a fixed code wherever the point is.
    void HitCode(HWND hwnd, int code);

    void ClearLog() { recorder_.Clear(); }
    // Logged message names of one window (all windows when nullptr), leaving out the
    // messages in `ignored` (by default the chatty hit tests and cursor questions).
    std::vector<std::string> Names(HWND hwnd = nullptr) const;
    std::vector<TRecorded> Log(HWND hwnd, UINT msg) const { return recorder_.Log(hwnd, msg); }
    // "tag:WM_NAME" for the wanted messages of the tagged windows, in the order they came.
    std::vector<std::string> Trace(const std::map<HWND, std::string>& tags, const std::set<UINT>& wanted) const;
    std::set<UINT> ignored{WM_NCHITTEST, WM_SETCURSOR, WM_GETTEXTLENGTH, WM_GETTEXT};

    THeadlessBackend* screen = nullptr;
    std::unique_ptr<TWindowSystem> ws;

private:
    LRESULT Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    test::TMessageRecorder recorder_;
};

std::vector<std::string> Split(const std::string& names);

} // namespace tavrik::testing
