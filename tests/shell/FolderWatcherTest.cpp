#include "shell/FolderWatcher.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

using Watches = std::vector<int>;

// Counts the watcher's calls from its thread and lets the test wait for the next one.
class TPendingCount {
public:
    std::function<void()> Callback()
    {
        return [this] {
            std::lock_guard lock(mutex_);
            ++calls_;
            signal_.notify_all();
        };
    }
    // Waits until at least `calls` calls came; a watcher that never calls fails the wait.
    bool AwaitCalls(int calls)
    {
        std::unique_lock lock(mutex_);
        return signal_.wait_for(lock, std::chrono::seconds(30), [&] { return calls_ >= calls; });
    }
    int Calls()
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }

private:
    std::mutex mutex_;
    std::condition_variable signal_;
    int calls_ = 0;
};

class FolderWatcherTest : public ::testing::Test {
protected:
    test::TTempFolder folder{"tavrik-watch"};
    TPendingCount pending;
};

TEST_F(FolderWatcherTest, EachKindOfChangeNamesItsWatchOnce)
{
    TFolderWatcher watcher(pending.Callback());
    ASSERT_TRUE(watcher.Valid());
    folder.WriteText("a/old.jpg", "x");
    folder.WriteText("b/kept.jpg", "x");
    folder.WriteText("elsewhere/in.jpg", "x");
    const int a = watcher.Watch(folder.Path("a"));
    const int b = watcher.Watch(folder.Path("b"));
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    EXPECT_EQ(watcher.Watch(folder.Path("a")), a);
    EXPECT_EQ(watcher.Watch(folder.Path("missing")), -1);
    EXPECT_EQ(watcher.Watch(folder.Path("a/old.jpg")), -1) << "files are not folders";

    struct TCase {
        const char* what;
        std::function<void()> change;
        Watches changed;
        Watches gone;
    } cases[] = {
        {"nothing", [] {}, {}, {}},
        {"a file created", [&] { folder.WriteText("a/new.jpg", "x"); }, {a}, {}},
        {"many changes in one folder", [&] {
             for (int i = 0; i < 50; ++i) folder.WriteText("a/n" + std::to_string(i), "x");
         }, {a}, {}},
        {"a file rewritten", [&] { folder.WriteText("b/kept.jpg", "longer"); }, {b}, {}},
        {"a file renamed", [&] { fs::rename(folder.Path("a/old.jpg"), folder.Path("a/older.jpg")); }, {a}, {}},
        {"a file moved across", [&] { fs::rename(folder.Path("a/older.jpg"), folder.Path("b/older.jpg")); }, {a, b}, {}},
        {"a file moved in from outside", [&] { fs::rename(folder.Path("elsewhere/in.jpg"), folder.Path("b/in.jpg")); }, {b}, {}},
        {"a subfolder made", [&] { fs::create_directory(folder.Path("b/sub")); }, {b}, {}},
        {"a change inside a subfolder", [&] { folder.WriteText("b/sub/deep.jpg", "x"); }, {}, {}},
        {"the folder renamed", [&] { fs::rename(folder.Path("b"), folder.Path("b2")); }, {}, {b}},
        {"after it went, nothing", [&] { folder.WriteText("b2/later.jpg", "x"); }, {}, {}},
        {"the folder deleted with its files", [&] { fs::remove_all(folder.Path("a")); }, {}, {a}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        TFolderWatcher::TChanges changes = watcher.TakeChanges();
        EXPECT_EQ(changes.changed, c.changed);
        EXPECT_EQ(changes.gone, c.gone);
        EXPECT_FALSE(changes.overflowed);
    }
}

TEST_F(FolderWatcherTest, ABurstIsOneCallUntilTheChangesAreTaken)
{
    TFolderWatcher watcher(pending.Callback());
    const int watch = watcher.Watch(folder.Path());
    for (int i = 0; i < 1000; ++i) folder.WriteText("IMG_" + std::to_string(i) + ".jpg", "x");
    ASSERT_TRUE(pending.AwaitCalls(1));
    for (int i = 1000; i < 1100; ++i) folder.WriteText("IMG_" + std::to_string(i) + ".jpg", "x");
    EXPECT_EQ(pending.Calls(), 1) << "quiet until the first news is taken";
    TFolderWatcher::TChanges changes = watcher.TakeChanges();
    EXPECT_EQ(changes.changed, Watches{watch});
    EXPECT_TRUE(watcher.TakeChanges().Empty());

    // Taken: the next change calls again. A removed watch is heard no more.
    folder.WriteText("one more.jpg", "x");
    ASSERT_TRUE(pending.AwaitCalls(2));
    EXPECT_EQ(watcher.TakeChanges().changed, Watches{watch});
    watcher.Unwatch(watch);
    folder.WriteText("unheard.jpg", "x");
    EXPECT_TRUE(watcher.TakeChanges().Empty());
}

} // namespace
