#include "app/OBThread.h"

#include "ui/Thread.h"

namespace tavrik {

// The thread behind one Execute: its body calls the handler with Sender nullptr.
class TOBHideThread final : public TThread {
public:
    TOBHideThread(TNotifyEventParams handler, void* params) : handler_(std::move(handler)), params_(params) {}
    ~TOBHideThread() override
    {
        // The body uses the handler: it must have returned before the members go.
        Terminate();
        if (Started() && !Finished()) WaitFor();
    }

protected:
    void Execute() override { handler_(nullptr, params_); }

private:
    TNotifyEventParams handler_;
    void* params_;
};

TOBThread::TOBThread(TComponent* owner) : TComponent(owner) {}

TOBThread::~TOBThread()
{
    // Threads still running outlive no component: wait for each, without its notices.
    for (auto& [handle, entry] : threads_) entry.thread->OnTerminate = nullptr;
    for (auto& [handle, entry] : threads_) {
        entry.thread->SetFreeOnTerminate(false);
        delete entry.thread;
    }
    ReleaseEnded();
}

void TOBThread::ReleaseEnded()
{
    for (TOBHideThread* thread : ended_) {
        // The one whose end is being reported is still in use: it frees itself afterwards.
        if (thread == delivering_) thread->SetFreeOnTerminate(true);
        else delete thread;
    }
    ended_.clear();
}

TOBThread::TEntry* TOBThread::Find(TOBThreadHandle thread)
{
    auto it = threads_.find(thread);
    return it == threads_.end() ? nullptr : &it->second;
}

const TOBThread::TEntry* TOBThread::Find(TOBThreadHandle thread) const
{
    auto it = threads_.find(thread);
    return it == threads_.end() ? nullptr : &it->second;
}

TOBThreadHandle TOBThread::Execute(void* params)
{
    if (!OnExecute) return 0;
    ReleaseEnded();
    if (exclusif_ && OneThreadIsRunning()) return 0;
    ++runningCount_;
    TOBThreadHandle handle = ++lastHandle_;
    auto* thread = new TOBHideThread(OnExecute, params);
    thread->SetFreeOnTerminate(freeOnTerminate_);
    thread->OnTerminate = [this, handle](TThread*) { ThreadDone(handle); };
    threads_[handle] = {thread, 1, 0};
    if (Onbegin) Onbegin(nullptr);
    if (runOnCreate_ && Find(handle)) Resume(handle);
    return handle;
}

void TOBThread::ThreadDone(TOBThreadHandle thread)
{
    TEntry* entry = Find(thread);
    if (!entry) return;
    // A thread that does not free itself is kept until the next Execute or our end.
    TOBHideThread* ended = entry->thread;
    threads_.erase(thread);
    if (!ended->FreeOnTerminate()) ended_.push_back(ended);
    --runningCount_;
    delivering_ = ended;
    auto alive = Guard();
    if (OnFinish) OnFinish(nullptr);
    if (alive && runningCount_ == 0 && OnFinishAll) OnFinishAll(nullptr);
    if (alive) delivering_ = nullptr;
}

int TOBThread::GetPriority(TOBThreadHandle thread) const
{
    const TEntry* entry = Find(thread);
    return entry ? entry->priority : 0;
}

bool TOBThread::SetPriority(TOBThreadHandle thread, uint8_t priority)
{
    TEntry* entry = Find(thread);
    if (!entry) return false;
    entry->priority = priority;
    return true;
}

bool TOBThread::QuitThread(TOBThreadHandle thread)
{
    TEntry* entry = Find(thread);
    if (!entry) return false;
    if (entry->thread->Started()) {
        entry->thread->Terminate();
        return false;
    }
    // Never started: it ends here, with its notices, as if its body had returned at once.
    entry->thread->SetFreeOnTerminate(false);
    delete entry->thread;
    entry->thread = nullptr;
    threads_.erase(thread);
    --runningCount_;
    auto alive = Guard();
    if (OnFinish) OnFinish(nullptr);
    if (alive && runningCount_ == 0 && OnFinishAll) OnFinishAll(nullptr);
    return true;
}

int TOBThread::Suspend(TOBThreadHandle thread)
{
    TEntry* entry = Find(thread);
    if (!entry || entry->thread->Started()) return -1;
    return entry->suspendCount++;
}

int TOBThread::Resume(TOBThreadHandle thread)
{
    TEntry* entry = Find(thread);
    if (!entry || entry->thread->Started()) return -1;
    int previous = entry->suspendCount;
    if (--entry->suspendCount <= 0) {
        entry->suspendCount = 0;
        entry->thread->Start();
    }
    return previous;
}

} // namespace tavrik
