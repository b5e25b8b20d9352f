#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace tavrik {

// Hears of changes inside folders through the kernel's inotify queue.
//
// A small thread waits on the queue. When changes arrive it calls onPending once, on its own
// thread, and then stays quiet until TakeChanges has read them: a burst of a thousand new
// files costs one call and one read, however many events the queue holds by then. Reading
// never waits.
//
// Watch may block on a file system that does not answer (the kernel looks the path up); ask
// it where that cannot freeze a window. It is safe on any thread, and a request that outlives
// its caller may keep the watcher alive through a shared pointer.
class TFolderWatcher {
public:
    struct TChanges {
        std::vector<int> changed; // watches whose folder gained, lost or rewrote entries
        std::vector<int> gone;    // watches whose folder itself was deleted, moved or unmounted
        bool overflowed = false;  // the kernel dropped events: any folder may have changed
        bool Empty() const { return changed.empty() && gone.empty() && !overflowed; }
    };

    // onPending must not call back into the watcher; it typically hands the news to the
    // user-interface thread, which then calls TakeChanges.
    explicit TFolderWatcher(std::function<void()> onPending);
    ~TFolderWatcher();
    TFolderWatcher(const TFolderWatcher&) = delete;
    TFolderWatcher& operator=(const TFolderWatcher&) = delete;

    // False when the system gave no inotify queue (its per-user limit reached): nothing is
    // ever heard then.
    bool Valid() const { return queue_ >= 0; }
    // Watches the entries of the folder (not those of its subfolders); the watch's number, or
    // -1 when it cannot be watched. Watching a folder twice gives the same number.
    int Watch(const std::string& folder);
    void Unwatch(int watch);
    // What the queue holds now, each watch named once; arms the next onPending.
    TChanges TakeChanges();

private:
    void WaitForChanges();
    void Signal();

    int queue_ = -1;
    int signal_ = -1; // wakes the waiting thread: to stop, or to wait on the queue again
    std::atomic<bool> stopping_{false};
    std::function<void()> onPending_;
    std::mutex mutex_;
    std::set<int> live_; // the watches given out and not yet removed or gone
    std::thread waiter_;
};

} // namespace tavrik
