#include "WsysTestUtil.h"

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <thread>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using Messages = WsysTest;

// Installs a link that records its name and passes everything on.
TWndProcId Link(HWND w, std::string name, std::string& trace)
{
    auto id = std::make_shared<TWndProcId>(0);
    *id = SubclassWindow(w, [name, &trace, id](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_USER) trace += name;
        return CallWindowProc(*id, h, m, wp, lp);
    });
    return *id;
}

TEST_F(Messages, SubclassChainsCloseOverRemovedLinksInAnyOrder)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    std::vector<int> order{0, 1, 2};
    do {
        std::string trace;
        std::vector<TWndProcId> ids{Link(w, "A", trace), Link(w, "B", trace), Link(w, "C", trace)};
        std::string expected = "CBA";
        SCOPED_TRACE(std::to_string(order[0]) + std::to_string(order[1]) + std::to_string(order[2]));
        SendMessage(w, WM_USER);
        EXPECT_EQ(trace, expected);
        for (int i : order) {
            ASSERT_TRUE(RemoveWindowSubclass(w, ids[size_t(i)]));
            EXPECT_FALSE(RemoveWindowSubclass(w, ids[size_t(i)])); // only once
            expected.erase(std::remove(expected.begin(), expected.end(), "ABC"[i]), expected.end());
            trace.clear();
            SendMessage(w, WM_USER);
            EXPECT_EQ(trace, expected);
        }
        EXPECT_EQ(Log(w, WM_USER).size(), 4u); // the class procedure saw every message
        ClearLog();
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(Messages, LinkRemovedWhileHandlingAMessageStillPassesItOn)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    std::string trace;
    Link(w, "A", trace);
    auto self = std::make_shared<TWndProcId>(0);
    TWndProcId b = Link(w, "B", trace);
    *self = SubclassWindow(w, [&, self](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_USER) {
            trace += "C";
            RemoveWindowSubclass(h, *self); // removes itself...
            RemoveWindowSubclass(h, b);      // ...and the link behind it
        }
        return CallWindowProc(*self, h, m, wp, lp);
    });
    SendMessage(w, WM_USER);
    EXPECT_EQ(trace, "CA");
    trace.clear();
    SendMessage(w, WM_USER);
    EXPECT_EQ(trace, "A");
    // The class procedure's own link cannot be removed.
    EXPECT_FALSE(RemoveWindowSubclass(w, 1));
}

TEST_F(Messages, ScopedSubclassRemovesItselfEvenAfterTheWindowDied)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    int seen = 0;
    {
        TWindowSubclass sub(w, [&](HWND, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_USER) ++seen;
            return sub.CallPrevious(m, wp, lp);
        });
        SendMessage(w, WM_USER);
    }
    SendMessage(w, WM_USER);
    EXPECT_EQ(seen, 1);
    {
        TWindowSubclass sub(w, [&](HWND, UINT m, WPARAM wp, LPARAM lp) -> LRESULT { return sub.CallPrevious(m, wp, lp); });
        DestroyWindow(w);
    } // nothing to remove any more: must not crash
    EXPECT_EQ(Log(w, WM_NCDESTROY).size(), 1u);
}

TEST_F(Messages, QueueOrderPostedInputPaintTimer)
{
    HWND w = TopLevel(Bounds(0, 0, 100, 100));
    ProcessMessages();
    SetTimer(w, 1, 10);
    screen->Advance(10); // the timer fires
    ClearLog();
    // Inside a handler, queue one of each kind; the loop then takes them by priority.
    Handle(w, [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            screen->Advance(10);             // the timer is due again
            InvalidateRect(h, nullptr, false); // a paint is due
            screen->Click(50, 50);           // input is queued
            PostMessage(h, WM_USER + 1);     // and a posted message
        }
        return std::nullopt;
    });
    PostMessage(w, WM_USER);
    ProcessMessages();
    EXPECT_EQ(Names(w), Split("WM_USER WM_USER+1 WM_MOUSEMOVE WM_LBUTTONDOWN WM_LBUTTONUP WM_PAINT WM_TIMER"));
}

TEST_F(Messages, QuitEndsLoopsAndStaysForTheMainLoop)
{
    PostMessage(nullptr, WM_USER);
    PostQuitMessage(3);
    int rounds = 0;
    EXPECT_FALSE(RunMessageLoopUntil([&] { return ++rounds > 100; }));
    MSG m;
    EXPECT_FALSE(GetMessage(&m)); // the main loop still sees it
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 3u);
    EXPECT_TRUE(RunMessageLoopUntil([] { return true; }));
}

TEST_F(Messages, MessageFilterSeesAndMaySwallowMessages)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    std::vector<UINT> filtered;
    SetMessageFilter([&](MSG& m) {
        filtered.push_back(m.message);
        return m.message == WM_USER + 1;
    });
    PostMessage(w, WM_USER);
    PostMessage(w, WM_USER + 1);
    ProcessMessages();
    EXPECT_EQ(filtered, (std::vector<UINT>{WM_USER, WM_USER + 1}));
    EXPECT_EQ(Log(w, WM_USER).size(), 1u);
    EXPECT_TRUE(Log(w, WM_USER + 1).empty());
    SetMessageFilter({});
}

TEST_F(Messages, PostMessageFromAnotherThreadWakesTheLoop)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    std::thread([w] { PostMessage(w, WM_USER, 7); }).join();
    ProcessMessages();
    ASSERT_EQ(Log(w, WM_USER).size(), 1u);
    EXPECT_EQ(Log(w, WM_USER)[0].wp, 7u);
}

TEST_F(Messages, TimersFireInOrderOnTheVirtualClock)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    std::vector<std::pair<uint64_t, WPARAM>> fired;
    Handle(w, [&](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER) fired.push_back({screen->Now(), wp});
        return std::nullopt;
    });
    uint64_t t0 = screen->Now();
    SetTimer(w, 1, 20);
    SetTimer(w, 2, 50);
    SetTimer(w, 3, 3); // below the minimum: runs every 10 ms
    screen->Advance(19);
    EXPECT_EQ(fired.size(), 1u); // only timer 3 at 10
    screen->Advance(81);
    std::vector<std::pair<uint64_t, WPARAM>> expected;
    for (uint64_t t = 10; t <= 100; t += 10) {
        if (t % 20 == 0) expected.push_back({t0 + t, 1});
        if (t % 50 == 0) expected.push_back({t0 + t, 2});
        expected.push_back({t0 + t, 3});
    }
    // Equal due times fire in the order the timers were set.
    EXPECT_EQ(fired, expected);
}

TEST_F(Messages, KillTimerRestartAndCallbacks)
{
    HWND w = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    int ticks = 0;
    SetTimer(w, 5, 100, [&](HWND h, UINT m, uint64_t id, DWORD) {
        EXPECT_EQ(h, w);
        EXPECT_EQ(m, WM_TIMER);
        EXPECT_EQ(id, 5u);
        if (++ticks == 2) KillTimer(h, id); // killing itself inside the callback
    });
    screen->Advance(1000);
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(Log(w, WM_TIMER).empty()); // the callback ran instead of the procedure

    uint64_t windowless = SetTimer(nullptr, 0, 30, [&](HWND, UINT, uint64_t, DWORD) { ++ticks; });
    EXPECT_NE(windowless, 0u);
    SetTimer(w, 6, 50);
    screen->Advance(40);
    SetTimer(w, 6, 50); // restarting pushes the next tick out
    screen->Advance(40);
    EXPECT_TRUE(Log(w, WM_TIMER).empty());
    screen->Advance(10);
    EXPECT_EQ(Log(w, WM_TIMER).size(), 1u);
    EXPECT_EQ(ticks, 2 + 3);
    EXPECT_TRUE(KillTimer(nullptr, windowless));
    EXPECT_FALSE(KillTimer(nullptr, windowless));
    DestroyWindow(w); // its timers die with it
    screen->Advance(1000);
    EXPECT_EQ(ticks, 5);
}

TEST_F(Messages, ModalDialogDrivenByIdleActions)
{
    HWND owner = TopLevel(Bounds(0, 0, 400, 300));
    bool closed = false;
    HWND dialog = nullptr;
    // The dialog closes on a click at its OK button (a child).
    screen->WhenIdle([&] { screen->Click(10, 10); }); // on the disabled owner: a beep
    screen->WhenIdle([&] { screen->Click(215, 215); });
    HWND hidden = Create(WS_POPUP, Bounds(0, 0, 10, 10));
    dialog = Create(WS_POPUP | WS_VISIBLE, Bounds(200, 200, 100, 50), owner);
    HWND hint = Create(WS_POPUP | WS_VISIBLE, Bounds(500, 500, 10, 10), dialog, WS_EX_NOACTIVATE);
    std::vector<HWND> disabled = DisableTaskWindows(dialog);
    EXPECT_EQ(disabled, (std::vector<HWND>{owner})); // not the hidden one, not what the dialog owns
    EXPECT_TRUE(IsWindowEnabled(hint));
    EXPECT_TRUE(IsWindowEnabled(hidden));
    HWND ok = Child(dialog, Bounds(10, 10, 30, 20));
    Handle(ok, [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_LBUTTONUP) closed = true;
        return std::nullopt;
    });
    EXPECT_TRUE(RunMessageLoopUntil([&] { return closed; }));
    EXPECT_EQ(screen->BeepCount(), 1);
    EXPECT_TRUE(Log(owner, WM_LBUTTONDOWN).empty());
    EXPECT_EQ(GetActiveWindow(), dialog);
    EnableTaskWindows(disabled);
    DestroyWindow(dialog);
    EXPECT_EQ(GetActiveWindow(), owner); // activation returns to the owner
}

TEST_F(Messages, ModalLoopAdvancesTimeToTheNextTimer)
{
    HWND w = TopLevel(Bounds(0, 0, 100, 100));
    int ticks = 0;
    SetTimer(w, 1, 250, [&](HWND, UINT, uint64_t, DWORD) { ++ticks; });
    uint64_t t0 = screen->Now();
    EXPECT_TRUE(RunMessageLoopUntil([&] { return ticks == 4; }));
    EXPECT_EQ(screen->Now(), t0 + 1000);
}

TEST_F(Messages, SleepPassesTimeWithoutHandlingMessages)
{
    HWND w = TopLevel(Bounds(0, 0, 10, 10));
    uint64_t slept = 0;
    Handle(w, [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            screen->Click(5, 5); // queued while the handler runs; it does not cut the sleep short
            uint64_t t0 = GetTickCount();
            Sleep(7);
            slept = GetTickCount() - t0;
            EXPECT_TRUE(Log(w, WM_LBUTTONDOWN).empty());
        }
        return std::nullopt;
    });
    PostMessage(w, WM_USER);
    ProcessMessages();
    EXPECT_EQ(slept, 7u);
    EXPECT_EQ(Log(w, WM_LBUTTONDOWN).size(), 1u);
    // A batch loop that handles messages for at least a millisecond ends on the virtual clock.
    PostMessage(w, WM_USER + 1);
    uint64_t t1 = GetTickCount();
    do {
        ProcessMessages();
        Sleep(1);
    } while (GetTickCount() - t1 < 1);
    EXPECT_EQ(Log(w, WM_USER + 1).size(), 1u);
}

TEST_F(Messages, ALoopWaitingWithNothingToComeFailsInsteadOfHanging)
{
    EXPECT_THROW(RunMessageLoopUntil([] { return false; }), std::logic_error);
}

// A loop that sees only timers for an hour of virtual time (and for a while of real time)
// counts as stuck. These fixtures make the real-time part of that rule nil or endless.
THeadlessOptions RealTimeLimit(int64_t ms)
{
    THeadlessOptions options;
    options.stuckLoopRealMs = ms;
    return options;
}

constexpr uint64_t kHour = 60 * 60 * 1000;

class StuckLoops : public WsysTest {
protected:
    StuckLoops() : WsysTest(RealTimeLimit(0)) {}
};

class PatientLoops : public WsysTest {
protected:
    PatientLoops() : WsysTest(RealTimeLimit(int64_t(24 * kHour))) {}
};

TEST_F(StuckLoops, ALoopSeeingOnlyARepeatingTimerForAnHourFails)
{
    HWND w = TopLevel(Bounds(0, 0, 10, 10));
    int ticks = 0;
    SetTimer(w, 1, 500, [&](HWND, UINT, uint64_t, DWORD) { ++ticks; });
    uint64_t t0 = screen->Now();
    try {
        RunMessageLoopUntil([] { return false; });
        ADD_FAILURE() << "the loop ended";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("only timers fired"), std::string::npos) << e.what();
    }
    EXPECT_GE(screen->Now() - t0, kHour);
    EXPECT_LE(screen->Now() - t0, kHour + 500);
    EXPECT_GE(ticks, 2 * 60 * 60);

    // The window system is still usable: the next loop runs as usual.
    bool done = false;
    screen->WhenIdle([&] { done = true; });
    EXPECT_TRUE(RunMessageLoopUntil([&] { return done; }));
}

TEST_F(StuckLoops, InputIdleActionsAdvanceAndWakeUpsKeepALoopGoing)
{
    HWND w = TopLevel(Bounds(0, 0, 10, 10));
    struct TCase {
        const char* name;
        std::function<void()> activity;
    };
    const TCase cases[] = {
        {"input", [this] { screen->MouseMove(2, 2); }},
        {"idle action", [this] { screen->WhenIdle([] {}); }},
        {"advance", [this] { screen->Advance(1); }},
        {"wake-up from another thread", [w] { std::thread([w] { PostMessage(w, WM_USER); }).join(); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        uint64_t t0 = screen->Now();
        uint64_t lastActivity = t0;
        SetTimer(w, 1, 10 * 1000, [&](HWND, UINT, uint64_t, DWORD) {
            if (screen->Now() - lastActivity < 40 * 60 * 1000) return;
            lastActivity = screen->Now();
            c.activity();
        });
        EXPECT_NO_THROW(RunMessageLoopUntil([&] { return screen->Now() - t0 >= 3 * kHour; }));
        KillTimer(w, 1);
    }
}

TEST_F(PatientLoops, ALoopSeeingOnlyTimersIsNotCutShortBeforeTheRealTimeLimit)
{
    HWND w = TopLevel(Bounds(0, 0, 10, 10));
    SetTimer(w, 1, 10 * 1000);
    uint64_t t0 = screen->Now();
    EXPECT_NO_THROW(RunMessageLoopUntil([&] { return screen->Now() - t0 >= 3 * kHour; }));
}

} // namespace
