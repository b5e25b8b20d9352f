#include "ImagingTestSupport.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/BatchPipeline.h"
#include "imaging/HeldFile.h"
#include "imaging/OutputNames.h"

#include <condition_variable>
#include <mutex>

using namespace tavrik;
using namespace tavrik::test;

namespace {

class BatchPipeline : public TempDirTest {
protected:
    void ResultDone()
    {
        std::lock_guard lock(mutex_);
        ++done_;
        changed_.notify_all();
    }
    void WaitUntilDone(int count)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return done_ >= count; });
    }
    TBatchJob Job(const std::string& name, uint8_t quality = 75) { return {PathOf(name), Dir().string(), quality}; }

    std::mutex mutex_;
    std::condition_variable changed_;
    int done_ = 0;
};

} // namespace

TEST_F(BatchPipeline, ResultsComeInListOrderWhateverFinishesFirst)
{
    const TBitmap picture = GradientPicture(24, 16);
    const std::vector<uint8_t> heldBytes = JpegEncode(picture, 80);
    THeldFile held(PathOf("held.jpg"));
    WriteFileAtomically(PathOf("held-copy.jpg"), heldBytes);
    WriteBmpFile(picture, PathOf("a.bmp"));
    WriteFileAtomically(PathOf("bad.jpg"), std::vector<uint8_t>(40, 3));
    WriteFileAtomically(PathOf("b.jpg"), JpegEncode(picture, 90));

    TBatchPipeline pipeline(2, [this] { ResultDone(); });
    const std::vector<std::string> names = {"held.jpg", "a.bmp", "bad.jpg", "b.jpg", "a.bmp", "b.jpg", "a.bmp", "b.jpg"};
    for (size_t i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(pipeline.HasRoom()) << i;
        pipeline.Submit(Job(names[i], uint8_t(10 * i)));
    }
    EXPECT_FALSE(pipeline.HasRoom()) << "four jobs ahead per worker";
    // One worker waits for the held file; the other converts everything after it.
    WaitUntilDone(7);
    EXPECT_FALSE(pipeline.TakeReady()) << "nothing comes out before the first file";
    EXPECT_EQ(pipeline.Pending(), 8u);

    held.Release(heldBytes);
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i] + " at " + std::to_string(i));
        std::optional<TBatchResult> result = pipeline.WaitNext(std::chrono::minutes(1));
        ASSERT_TRUE(result);
        if (names[i] == "bad.jpg") {
            EXPECT_THROW(std::rethrow_exception(result->error), EJpegError);
            continue;
        }
        ASSERT_FALSE(result->error);
        const std::string content = i == 0 ? "held-copy.jpg" : names[i];
        EXPECT_EQ(result->output.stream, EncodeBatchFile(PathOf(content), Dir().string(), uint8_t(10 * i)).stream);
        EXPECT_EQ(result->output.fileName, BatchOutputName(Dir().string(), PathOf(names[i])));
    }
    EXPECT_EQ(pipeline.Pending(), 0u);
    EXPECT_TRUE(pipeline.HasRoom());
    EXPECT_FALSE(pipeline.TakeReady());
}

TEST_F(BatchPipeline, AStoppedRunFinishesOnlyTheJobsInWork)
{
    THeldFile held(PathOf("held.jpg"));
    WriteBmpFile(GradientPicture(5, 5), PathOf("a.bmp"));
    TBatchPipeline pipeline(1);
    pipeline.Submit(Job("held.jpg"));
    for (int i = 0; i < 3; ++i) pipeline.Submit(Job("a.bmp"));
    held.WaitForReader();
    EXPECT_EQ(pipeline.DropWaiting(), 3u);
    EXPECT_EQ(pipeline.Pending(), 1u);
    held.Release(JpegEncode(GradientPicture(6, 6), 90));
    std::optional<TBatchResult> result = pipeline.WaitNext(std::chrono::minutes(1));
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->error);
    EXPECT_EQ(result->output.fileName, Dir().string() + "/Yarro_held.jpg");
    EXPECT_EQ(pipeline.Pending(), 0u);
    EXPECT_FALSE(pipeline.WaitNext(std::chrono::milliseconds(0)));
}
