#include "ui/Thread.h"

#include "core/Exception.h"

#include <deque>
#include <memory>

namespace tavrik {

namespace {

// The program starts on the user-interface thread; this runs while it loads.
const std::thread::id kMainThread = std::this_thread::get_id();

struct TSyncResult {
    bool done = false;
    std::exception_ptr error;
};

struct TSyncItem {
    std::function<void()> call;
    const TThread* owner = nullptr; // termination notices, dropped with their thread
    std::shared_ptr<TSyncResult> result; // Synchronize: the caller waits for it
};

// Work that other threads hand to the main thread. One mutex and one condition serve both
// directions: the main thread waits for items or a thread's end, threads wait for results.
struct TSyncQueue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<TSyncItem> items;
    std::function<void()> wake;
};

TSyncQueue& SyncQueue()
{
    static TSyncQueue queue;
    return queue;
}

void Post(TSyncItem item)
{
    TSyncQueue& q = SyncQueue();
    std::function<void()> wake;
    {
        std::lock_guard lock(q.mutex);
        q.items.push_back(std::move(item));
        wake = q.wake;
    }
    q.changed.notify_all();
    if (wake) wake();
}

void DropItemsOf(const TThread* owner)
{
    TSyncQueue& q = SyncQueue();
    std::lock_guard lock(q.mutex);
    std::erase_if(q.items, [owner](const TSyncItem& i) { return i.owner == owner; });
}

} // namespace

bool CheckSynchronize()
{
    TSyncQueue& q = SyncQueue();
    bool ran = false;
    for (;;) {
        TSyncItem item;
        {
            std::lock_guard lock(q.mutex);
            if (q.items.empty()) return ran;
            item = std::move(q.items.front());
            q.items.pop_front();
        }
        ran = true;
        if (!item.result) {
            item.call(); // a queued call's error belongs to the main thread
            continue;
        }
        std::exception_ptr error;
        try {
            item.call();
        } catch (...) {
            error = std::current_exception();
        }
        {
            std::lock_guard lock(q.mutex);
            item.result->error = error;
            item.result->done = true;
        }
        q.changed.notify_all();
    }
}

void SetWakeMainThread(std::function<void()> wake)
{
    TSyncQueue& q = SyncQueue();
    std::lock_guard lock(q.mutex);
    q.wake = std::move(wake);
}

bool TThread::IsMainThread() { return std::this_thread::get_id() == kMainThread; }

void TThread::Synchronize(const std::function<void()>& method)
{
    if (IsMainThread()) {
        method();
        return;
    }
    auto result = std::make_shared<TSyncResult>();
    Post({method, nullptr, result});
    TSyncQueue& q = SyncQueue();
    std::unique_lock lock(q.mutex);
    q.changed.wait(lock, [&] { return result->done; });
    if (result->error) std::rethrow_exception(result->error);
}

void TThread::Queue(std::function<void()> method) { Post({std::move(method), nullptr, nullptr}); }

TThread::TThread() = default;

TThread::~TThread()
{
    if (started_ && !finished_) {
        Terminate();
        TSyncQueue& q = SyncQueue();
        bool main = IsMainThread();
        for (;;) {
            // The thread may be waiting for the main thread in Synchronize.
            if (main) CheckSynchronize();
            std::unique_lock lock(q.mutex);
            if (finished_) break;
            q.changed.wait(lock, [&] { return finished_ || (main && !q.items.empty()); });
        }
    }
    Join();
    DropItemsOf(this);
}

void TThread::Start()
{
    if (started_.exchange(true)) return;
    thread_ = std::thread([this] { Run(); });
    id_ = thread_.get_id();
}

void TThread::Run()
{
    try {
        Execute();
    } catch (...) {
        fatal_ = std::current_exception();
    }
    Post({[this] { DeliverTermination(); }, this, nullptr});
    TSyncQueue& q = SyncQueue();
    {
        std::lock_guard lock(q.mutex);
        finished_ = true;
    }
    q.changed.notify_all();
}

void TThread::Join()
{
    std::lock_guard lock(joinMutex_);
    if (!thread_.joinable()) return;
    if (thread_.get_id() == std::this_thread::get_id()) thread_.detach();
    else thread_.join();
}

void TThread::DeliverTermination()
{
    if (terminationDelivered_) return;
    terminationDelivered_ = true;
    Join();
    DoTerminate();
    if (freeOnTerminate_) delete this;
}

void TThread::DoTerminate()
{
    if (OnTerminate) OnTerminate(this);
}

int TThread::WaitFor()
{
    if (freeOnTerminate_) throw Exception("Cannot wait for a thread that frees itself");
    if (!started_) return returnValue_;
    TSyncQueue& q = SyncQueue();
    bool main = IsMainThread();
    for (;;) {
        if (main) CheckSynchronize();
        std::unique_lock lock(q.mutex);
        if (finished_) break;
        q.changed.wait(lock, [&] { return finished_ || (main && !q.items.empty()); });
    }
    if (main) CheckSynchronize(); // the termination notice
    Join();
    return returnValue_;
}

} // namespace tavrik
