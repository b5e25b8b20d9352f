#pragma once

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace tavrik {

// A thread of work beside the user-interface thread. Derive from it and put the work in
// Execute; the work checks Terminated() to stop early. The thread starts only with Start, so
// that a derived class is complete before its Execute can run.
//
// When Execute returns (or throws: the exception is kept in FatalException), the thread
// posts its termination notice to the main thread, which fires OnTerminate there and, with
// FreeOnTerminate, deletes the object. WaitFor on the main thread delivers the notice and any
// Synchronize calls of the thread while it waits.
//
// A derived class whose Execute uses its own members stops the thread in its own destructor
// (Terminate(); WaitFor();), since they are gone before ~TThread runs.
class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Started() const { return started_; }
    bool Finished() const { return finished_; }
    // Waits for the thread's end and answers ReturnValue. Not for FreeOnTerminate threads,
    // which may be gone by the time the wait ends (throws Exception).
    int WaitFor();
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool on) { freeOnTerminate_ = on; }
    std::thread::id ThreadID() const { return id_; }
    // The platform's handle of the running thread (for priorities); valid until it is joined.
    std::thread::native_handle_type NativeHandle() { return thread_.native_handle(); }
    int ReturnValue() const { return returnValue_; }
    std::exception_ptr FatalException() const { return fatal_; }

    // Runs a call on the main thread and waits for it; an exception it throws is thrown
    // again here. On the main thread it runs at once.
    static void Synchronize(const std::function<void()>& method);
    // Runs a call on the main thread later, without waiting.
    static void Queue(std::function<void()> method);
    static bool IsMainThread();

    std::function<void(TThread* Sender)> OnTerminate;

protected:
    virtual void Execute() = 0;
    // Runs on the main thread when the thread has ended: fires OnTerminate.
    virtual void DoTerminate();
    void SetReturnValue(int value) { returnValue_ = value; }

private:
    void Run();
    void Join();
    void DeliverTermination();

    std::thread thread_;
    std::mutex joinMutex_;
    std::thread::id id_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> started_{false};
    std::atomic<bool> finished_{false};
    bool freeOnTerminate_ = false;
    bool terminationDelivered_ = false;
    int returnValue_ = 0;
    std::exception_ptr fatal_;
};

// Runs the calls other threads queued for the main thread (Synchronize, Queue, termination
// notices). The application does this whenever it handles messages; answers whether it ran any.
bool CheckSynchronize();
// What a thread calls after queuing work for the main thread, so that a waiting message loop
// wakes up; the application installs it. Empty: nothing is woken.
void SetWakeMainThread(std::function<void()> wake);

} // namespace tavrik
