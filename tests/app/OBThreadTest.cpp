#include "app/OBThread.h"
#include "ui/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavrik {
namespace {

// Holds thread bodies until the test lets them go.
struct TGate {
    std::mutex mutex;
    std::condition_variable cv;
    bool open = false;
    std::atomic<int> entered{0};
    void Wait()
    {
        ++entered;
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return open; });
    }
    void Open()
    {
        {
            std::lock_guard lock(mutex);
            open = true;
        }
        cv.notify_all();
    }
};

// Delivers termination notices until the condition holds (each notice arrives once its
// thread has ended, so this ends as soon as the threads do).
template <class F>
void DeliverUntil(F done)
{
    while (!done()) {
        if (!CheckSynchronize()) std::this_thread::yield();
    }
}

struct TRecorder {
    std::vector<std::string> events;
    void Attach(TOBThread& t)
    {
        t.Onbegin = [this](TComponent* s) { events.push_back(s ? "begin(sender)" : "begin"); };
        t.OnFinish = [this](TComponent* s) { events.push_back(s ? "finish(sender)" : "finish"); };
        t.OnFinishAll = [this](TComponent* s) { events.push_back(s ? "all(sender)" : "all"); };
    }
};

TEST(OBThreadTest, WithoutOnExecuteNothingStarts)
{
    TOBThread t(nullptr);
    TRecorder r;
    r.Attach(t);
    EXPECT_EQ(t.Execute(nullptr), 0u);
    EXPECT_EQ(t.RunningCount(), 0);
    EXPECT_FALSE(t.OneThreadIsRunning());
    EXPECT_TRUE(r.events.empty());
}

TEST(OBThreadTest, RunsTheHandlerOnAnotherThreadWithItsParamsAndReportsOnTheMainThread)
{
    TOBThread t(nullptr);
    TRecorder r;
    r.Attach(t);
    std::atomic<bool> ran{false};
    std::thread::id bodyThread;
    int params = 42;
    t.OnExecute = [&](TComponent* sender, void* p) {
        EXPECT_EQ(sender, nullptr);
        EXPECT_EQ(*static_cast<int*>(p), 42);
        bodyThread = std::this_thread::get_id();
        ran = true;
    };
    TOBThreadHandle h = t.Execute(&params);
    EXPECT_NE(h, 0u);
    EXPECT_EQ(t.RunningCount(), 1);
    EXPECT_EQ(r.events, std::vector<std::string>{"begin"});
    DeliverUntil([&] { return t.RunningCount() == 0; });
    EXPECT_TRUE(ran);
    EXPECT_NE(bodyThread, std::this_thread::get_id());
    EXPECT_EQ(r.events, (std::vector<std::string>{"begin", "finish", "all"}));
}

TEST(OBThreadTest, ExclusifRefusesASecondStartWhileOneRuns)
{
    TOBThread t(nullptr);
    TRecorder r;
    r.Attach(t);
    TGate gate;
    t.OnExecute = [&](TComponent*, void*) { gate.Wait(); };
    EXPECT_NE(t.Execute(nullptr), 0u);
    r.events.clear();
    EXPECT_EQ(t.Execute(nullptr), 0u);
    EXPECT_TRUE(r.events.empty());
    EXPECT_EQ(t.RunningCount(), 1);
    gate.Open();
    DeliverUntil([&] { return !t.OneThreadIsRunning(); });
    EXPECT_NE(t.Execute(nullptr), 0u) << "free again once the first has ended";
    DeliverUntil([&] { return !t.OneThreadIsRunning(); });
}

TEST(OBThreadTest, WithoutExclusifTwoThreadsFinishTwiceAndFinishAllOnce)
{
    TOBThread t(nullptr);
    t.SetExclusif(false);
    TRecorder r;
    r.Attach(t);
    TGate first, second;
    std::atomic<int> calls{0};
    t.OnExecute = [&](TComponent*, void*) {
        if (calls++ == 0) first.Wait();
        else second.Wait();
    };
    TOBThreadHandle a = t.Execute(nullptr);
    TOBThreadHandle b = t.Execute(nullptr);
    EXPECT_NE(a, 0u);
    EXPECT_NE(b, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(t.RunningCount(), 2);
    DeliverUntil([&] { return first.entered + second.entered == 2; });
    first.Open();
    DeliverUntil([&] { return t.RunningCount() == 1; });
    EXPECT_EQ(r.events, (std::vector<std::string>{"begin", "begin", "finish"}));
    second.Open();
    DeliverUntil([&] { return t.RunningCount() == 0; });
    EXPECT_EQ(r.events, (std::vector<std::string>{"begin", "begin", "finish", "finish", "all"}));
}

TEST(OBThreadTest, WithoutRunOnCreateTheThreadWaitsForResume)
{
    for (bool freeOnTerminate : {true, false}) {
        SCOPED_TRACE(freeOnTerminate ? "frees itself" : "kept");
        TOBThread t(nullptr);
        t.SetRunOnCreate(false);
        t.SetFreeOnTerminate(freeOnTerminate);
        std::atomic<bool> ran{false};
        t.OnExecute = [&](TComponent*, void*) { ran = true; };
        TOBThreadHandle h = t.Execute(nullptr);
        ASSERT_NE(h, 0u);
        EXPECT_EQ(t.Suspend(h), 1);
        EXPECT_EQ(t.Resume(h), 2);
        EXPECT_FALSE(ran);
        EXPECT_EQ(t.Resume(h), 1);
        DeliverUntil([&] { return t.RunningCount() == 0; });
        EXPECT_TRUE(ran);
        EXPECT_EQ(t.Resume(h), -1) << "an ended thread is no longer ours";
    }
}

TEST(OBThreadTest, HandlesNameOnlyOurThreads)
{
    TOBThread t(nullptr);
    t.SetRunOnCreate(false);
    TRecorder r;
    r.Attach(t);
    t.OnExecute = [](TComponent*, void*) {};
    EXPECT_EQ(t.GetPriority(0), 0);
    EXPECT_FALSE(t.SetPriority(7, 2));
    EXPECT_FALSE(t.QuitThread(7));
    EXPECT_EQ(t.Suspend(7), -1);
    TOBThreadHandle h = t.Execute(nullptr);
    EXPECT_TRUE(t.SetPriority(h, 200));
    EXPECT_EQ(t.GetPriority(h), 200);
    // Quitting a thread that never ran ends it with its notices.
    EXPECT_TRUE(t.QuitThread(h));
    EXPECT_EQ(t.RunningCount(), 0);
    EXPECT_EQ(r.events, (std::vector<std::string>{"begin", "finish", "all"}));
}

TEST(OBThreadTest, DestroyingTheComponentWaitsForItsThreadsWithoutReporting)
{
    TGate gate;
    std::atomic<bool> done{false};
    bool reported = false;
    {
        TOBThread t(nullptr);
        t.OnFinish = [&](TComponent*) { reported = true; };
        t.OnExecute = [&](TComponent*, void*) {
            gate.Wait();
            done = true;
        };
        t.Execute(nullptr);
        DeliverUntil([&] { return gate.entered == 1; });
        gate.Open();
    }
    EXPECT_TRUE(done);
    CheckSynchronize();
    EXPECT_FALSE(reported);
}

} // namespace
} // namespace tavrik
