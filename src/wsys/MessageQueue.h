#pragma once

#include "wsys/KeyState.h"
#include "wsys/WinTypes.h"

#include <deque>
#include <mutex>

namespace tavrik {

// The program's one message queue. Posted messages may come from any thread; input
// messages are made from backend events on the user-interface thread only, each with the key
// state that GetKeyState reports once the message has been taken from the queue.
class TMessageQueue {
public:
    struct TInput {
        MSG msg;
        TKeyState keys;
    };
    struct TFilter {
        HWND hwnd = nullptr;
        UINT first = 0;
        UINT last = 0;
        bool Matches(const MSG& m) const;
        bool Allows(UINT msg) const { return (first == 0 && last == 0) || (msg >= first && msg <= last); }
    };

    void Post(const MSG& msg);
    bool TakePosted(const TFilter& filter, bool remove, MSG& out);
    bool HasPosted();

    void PushInput(TInput input) { input_.push_back(std::move(input)); }
    bool TakeInput(const TFilter& filter, bool remove, TInput& out);
    bool HasInput() const { return !input_.empty(); }

    // Drops every queued message addressed to the window.
    void RemoveFor(HWND hwnd);
    // Drops queued WM_TIMER messages of one timer.
    void RemoveTimer(HWND hwnd, uint64_t id);

    void PostQuit(int exitCode);
    bool TakeQuit(int& exitCode);

private:
    std::mutex mutex_;
    std::deque<MSG> posted_;
    std::deque<TInput> input_;
    bool quit_ = false;
    int exitCode_ = 0;
};

} // namespace tavrik
