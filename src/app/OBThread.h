#pragma once

#include "ui/Component.h"
#include "ui/ControlTypes.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tavrik {

class TOBHideThread;

using TNotifyEventParams = std::function<void(TComponent* Sender, void* Params)>;
// Identifies a thread started by a TOBThread; the methods that take a thread handle take it.
// 0 names no thread.
using TOBThreadHandle = uint32_t;

// Runs OnExecute on a new thread per Execute and reports the starts and ends on the main
// thread: Onbegin before a thread starts, OnFinish when one has ended, OnFinishAll when the
// last running one has. OnExecute runs on the new thread with Sender nullptr; everything else
// runs on the main thread, which is why RunningCount needs no lock.
//
// Execute answers a handle that the other methods take, also for a thread that RunOnCreate
// off left waiting: Resume starts it. The platform offers no way to stop or freeze a running
// thread safely, so QuitThread and Suspend act only on threads that have not started yet
// (QuitThread asks a running thread to stop and answers false; Suspend answers -1).
class TOBThread : public TComponent {
public:
    explicit TOBThread(TComponent* owner);
    ~TOBThread() override;
    const char* ClassName() const override { return "TOBThread"; }

    const std::string& About() const { return about_; }
    void SetAbout(const std::string& about) { about_ = about; }
    bool Exclusif() const { return exclusif_; }
    void SetExclusif(bool on) { exclusif_ = on; }
    bool RunOnCreate() const { return runOnCreate_; }
    void SetRunOnCreate(bool on) { runOnCreate_ = on; }
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool on) { freeOnTerminate_ = on; }

    TNotifyEvent Onbegin;
    TNotifyEventParams OnExecute;
    TNotifyEvent OnFinish;
    TNotifyEvent OnFinishAll;

    // Starts OnExecute(nullptr, params) on a new thread; 0 when OnExecute is unassigned or,
    // with Exclusif, a thread of this component is running.
    TOBThreadHandle Execute(void* params);
    bool OneThreadIsRunning() const { return runningCount_ > 0; }
    int RunningCount() const { return runningCount_; }

    // 0 for the null handle or one that names no thread of ours.
    int GetPriority(TOBThreadHandle thread) const;
    // Kept with the thread and answered by GetPriority; false for an unknown handle.
    bool SetPriority(TOBThreadHandle thread, uint8_t priority);
    bool QuitThread(TOBThreadHandle thread);
    // The previous suspend count, or -1 when the thread cannot be suspended or resumed.
    int Suspend(TOBThreadHandle thread);
    int Resume(TOBThreadHandle thread);

private:
    struct TEntry {
        TOBHideThread* thread = nullptr;
        int suspendCount = 0;
        int priority = 0;
    };
    void ThreadDone(TOBThreadHandle thread);
    void ReleaseEnded();
    TEntry* Find(TOBThreadHandle thread);
    const TEntry* Find(TOBThreadHandle thread) const;

    std::string about_;
    bool exclusif_ = true;
    bool runOnCreate_ = true;
    bool freeOnTerminate_ = true;
    int runningCount_ = 0;
    TOBThreadHandle lastHandle_ = 0;
    std::map<TOBThreadHandle, TEntry> threads_; // started or waiting, not yet ended
    std::vector<TOBHideThread*> ended_;         // ended threads that do not free themselves
    TOBHideThread* delivering_ = nullptr;       // the thread whose end is being reported
};

} // namespace tavrik
