#include "shell/FolderWatcher.h"

#include <algorithm>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace tavrik {

namespace {

// Writes are heard when the file is closed, not at every block written, so a large copy
// is one change rather than thousands.
constexpr uint32_t kEntryEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB;
constexpr uint32_t kSelfEvents = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;

void AddOnce(std::vector<int>& list, int watch)
{
    if (std::find(list.begin(), list.end(), watch) == list.end()) list.push_back(watch);
}

} // namespace

TFolderWatcher::TFolderWatcher(std::function<void()> onPending) : onPending_(std::move(onPending))
{
    queue_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (queue_ < 0) return;
    signal_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (signal_ < 0) {
        close(queue_);
        queue_ = -1;
        return;
    }
    waiter_ = std::thread([this] { WaitForChanges(); });
}

TFolderWatcher::~TFolderWatcher()
{
    if (waiter_.joinable()) {
        stopping_ = true;
        Signal();
        waiter_.join();
    }
    if (signal_ >= 0) close(signal_);
    if (queue_ >= 0) close(queue_);
}

int TFolderWatcher::Watch(const std::string& folder)
{
    if (queue_ < 0) return -1;
    int watch = inotify_add_watch(queue_, folder.c_str(), kEntryEvents | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK);
    if (watch < 0) return -1;
    std::lock_guard lock(mutex_);
    live_.insert(watch);
    return watch;
}

void TFolderWatcher::Unwatch(int watch)
{
    std::lock_guard lock(mutex_);
    if (!live_.erase(watch)) return;
    inotify_rm_watch(queue_, watch);
}

TFolderWatcher::TChanges TFolderWatcher::TakeChanges()
{
    TChanges changes;
    if (queue_ < 0) return changes;
    alignas(inotify_event) char buffer[16384];
    std::lock_guard lock(mutex_);
    for (;;) {
        ssize_t n = read(queue_, buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) changes.overflowed = true;
            // Events of a watch removed meanwhile (its IN_IGNORED among them) are old news.
            if (!live_.count(event->wd)) continue;
            if (event->mask & kSelfEvents) {
                AddOnce(changes.gone, event->wd);
                live_.erase(event->wd);
                if (!(event->mask & IN_IGNORED)) inotify_rm_watch(queue_, event->wd);
            } else if (event->mask & kEntryEvents) {
                AddOnce(changes.changed, event->wd);
            }
        }
    }
    // A folder that went is no longer a folder whose entries changed.
    for (int watch : changes.gone) std::erase(changes.changed, watch);
    Signal();
    return changes;
}

void TFolderWatcher::Signal()
{
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(signal_, &one, sizeof one);
}

void TFolderWatcher::WaitForChanges()
{
    bool armed = true;
    while (!stopping_) {
        // A negative descriptor is left out by poll: while the news waits to be taken, only
        // the signal is heard.
        pollfd fds[2] = {{armed ? queue_ : -1, POLLIN, 0}, {signal_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) continue;
        if (fds[1].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] ssize_t n = read(signal_, &count, sizeof count);
            armed = true;
            continue;
        }
        if (fds[0].revents & POLLIN) {
            armed = false;
            onPending_();
        }
    }
}

} // namespace tavrik
