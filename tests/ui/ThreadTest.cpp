#include "support/UiTest.h"

#include "ui/Thread.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class TWorker : public TThread {
public:
    std::function<void(TWorker&)> body;
    bool* destroyed = nullptr;
    ~TWorker() override
    {
        Terminate();
        if (!FreeOnTerminate() && !Finished()) WaitFor();
        if (destroyed) *destroyed = true;
    }
    using TThread::SetReturnValue;

protected:
    void Execute() override
    {
        if (body) body(*this);
    }
};

using Threads = UiTest;

} // namespace

TEST_F(Threads, TheTerminationNoticeArrivesOnTheMainThreadThroughTheMessageQueue)
{
    auto* worker = new TWorker;
    std::thread::id executedOn, noticedOn;
    worker->body = [&](TWorker& w) {
        executedOn = std::this_thread::get_id();
        w.SetReturnValue(42);
    };
    worker->OnTerminate = [&](TThread* sender) {
        EXPECT_EQ(sender, worker);
        noticedOn = std::this_thread::get_id();
    };
    bool destroyed = false;
    worker->destroyed = &destroyed;
    worker->SetFreeOnTerminate(true);
    worker->Start();
    // The notice waits in the queue until the main thread handles messages.
    while (!worker->Finished()) std::this_thread::yield();
    EXPECT_EQ(noticedOn, std::thread::id());
    app->HandleMessage(); // the wake message
    EXPECT_EQ(noticedOn, std::this_thread::get_id());
    EXPECT_NE(executedOn, noticedOn);
    EXPECT_TRUE(destroyed);
}

TEST_F(Threads, WaitForDeliversSynchronizedCallsAndTheNotice)
{
    TWorker worker;
    std::vector<std::string> events;
    worker.body = [&](TWorker& w) {
        TThread::Synchronize([&] {
            EXPECT_TRUE(TThread::IsMainThread());
            events.push_back("synchronized");
        });
        w.SetReturnValue(7);
    };
    worker.OnTerminate = [&](TThread*) { events.push_back("terminated"); };
    worker.Start();
    EXPECT_EQ(worker.WaitFor(), 7);
    EXPECT_EQ(events, (std::vector<std::string>{"synchronized", "terminated"}));
    // Nothing is left for the loop to deliver twice.
    EXPECT_FALSE(CheckSynchronize());
}

TEST_F(Threads, TerminateAsksTheBodyToStop)
{
    TWorker worker;
    std::atomic<bool> running{false};
    worker.body = [&](TWorker& w) {
        running = true;
        while (!w.Terminated()) std::this_thread::yield();
        w.SetReturnValue(1);
    };
    worker.Start();
    while (!running) std::this_thread::yield();
    EXPECT_FALSE(worker.Finished());
    worker.Terminate();
    EXPECT_EQ(worker.WaitFor(), 1);
}

TEST_F(Threads, AnErrorInTheBodyIsKeptForTheOwner)
{
    TWorker worker;
    worker.body = [](TWorker&) { throw Exception("worker failed"); };
    bool noticed = false;
    worker.OnTerminate = [&](TThread*) { noticed = true; };
    worker.Start();
    worker.WaitFor();
    EXPECT_TRUE(noticed);
    ASSERT_TRUE(worker.FatalException());
    EXPECT_THROW(std::rethrow_exception(worker.FatalException()), Exception);
}

TEST_F(Threads, AnErrorInASynchronizedCallGoesBackToTheThread)
{
    TWorker worker;
    std::string caught;
    worker.body = [&](TWorker&) {
        try {
            TThread::Synchronize([] { throw Exception("main thread said no"); });
        } catch (const Exception& e) {
            caught = e.Message();
        }
    };
    worker.Start();
    worker.WaitFor();
    EXPECT_EQ(caught, "main thread said no");
}

TEST_F(Threads, AThreadObjectFreedBeforeItsNoticeIsForgotten)
{
    bool noticed = false;
    {
        TWorker worker;
        worker.OnTerminate = [&](TThread*) { noticed = true; };
        worker.Start();
        while (!worker.Finished()) std::this_thread::yield();
    } // freed with its notice still queued
    ProcessMessages();
    app->ProcessMessages();
    EXPECT_FALSE(noticed);
}

TEST_F(Threads, WaitingForASelfFreeingThreadIsRefused)
{
    auto* worker = new TWorker;
    worker->SetFreeOnTerminate(true);
    EXPECT_THROW(worker->WaitFor(), Exception);
    worker->Start();
    while (!worker->Finished()) std::this_thread::yield();
    app->ProcessMessages();
}
