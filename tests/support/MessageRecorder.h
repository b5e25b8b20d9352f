#pragma once

#include "wsys/WinTypes.h"

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace tavrik::test {

struct TRecordedMessage {
    HWND hwnd = nullptr;
    UINT msg = 0;
    WPARAM wp = 0;
    LPARAM lp = 0;
};

// Answers a message of one window; nullopt lets the window procedure go on with it.
using TMessageHandler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

// What the window procedure of a test's window class calls first: every message is recorded,
// and a test may answer the messages of one window itself.
class TMessageRecorder {
public:
    std::optional<LRESULT> Receive(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    {
        log_.push_back({hwnd, msg, wp, lp});
        auto it = handlers_.find(hwnd);
        if (it == handlers_.end()) return std::nullopt;
        TMessageHandler handler = it->second; // it may replace itself
        return handler(hwnd, msg, wp, lp);
    }

    void Handle(HWND hwnd, TMessageHandler handler) { handlers_[hwnd] = std::move(handler); }
    void Clear() { log_.clear(); }

    const std::vector<TRecordedMessage>& All() const { return log_; }
    // The messages msg of one window (of every window when hwnd is nullptr), in order.
    std::vector<TRecordedMessage> Log(HWND hwnd, UINT msg) const
    {
        std::vector<TRecordedMessage> out;
        for (const TRecordedMessage& r : log_)
            if ((!hwnd || r.hwnd == hwnd) && r.msg == msg) out.push_back(r);
        return out;
    }

private:
    std::vector<TRecordedMessage> log_;
    std::map<HWND, TMessageHandler> handlers_;
};

} // namespace tavrik::test
