#include "imaging/BatchPipeline.h"

#include <algorithm>
#include <sched.h>

namespace tavrik {

TBatchPipeline::TBatchPipeline(unsigned workers, std::function<void()> resultReady)
    : resultReady_(std::move(resultReady))
{
    threads_.reserve(std::max(workers, 1u));
    for (unsigned i = 0; i < std::max(workers, 1u); ++i) threads_.emplace_back([this] { Work(); });
}

TBatchPipeline::~TBatchPipeline()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    jobAdded_.notify_all();
    for (std::thread& t : threads_) t.join();
}

bool TBatchPipeline::HasRoomLocked() const
{
    return slots_.size() < kJobsAheadPerWorker * threads_.size() && waitingBytes_ < kWaitingBytes;
}

bool TBatchPipeline::HasRoom() const
{
    std::lock_guard lock(mutex_);
    return HasRoomLocked();
}

void TBatchPipeline::Submit(TBatchJob job)
{
    {
        std::lock_guard lock(mutex_);
        slots_.push_back({std::move(job), std::nullopt});
    }
    jobAdded_.notify_one();
}

size_t TBatchPipeline::Pending() const
{
    std::lock_guard lock(mutex_);
    return slots_.size();
}

std::optional<TBatchResult> TBatchPipeline::TakeFrontLocked()
{
    if (slots_.empty() || !slots_.front().result) return std::nullopt;
    std::optional<TBatchResult> result = std::move(slots_.front().result);
    slots_.pop_front();
    ++firstNumber_;
    waitingBytes_ -= result->output.stream.size();
    return result;
}

std::optional<TBatchResult> TBatchPipeline::TakeReady()
{
    std::lock_guard lock(mutex_);
    return TakeFrontLocked();
}

std::optional<TBatchResult> TBatchPipeline::WaitNext(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    jobDone_.wait_for(lock, timeout, [this] { return slots_.empty() || slots_.front().result.has_value(); });
    return TakeFrontLocked();
}

size_t TBatchPipeline::DropWaiting()
{
    std::lock_guard lock(mutex_);
    const size_t begun = size_t(nextToBegin_ - firstNumber_);
    const size_t dropped = slots_.size() - begun;
    slots_.resize(begun);
    return dropped;
}

void TBatchPipeline::Work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        jobAdded_.wait(lock, [this] { return stopping_ || nextToBegin_ - firstNumber_ < slots_.size(); });
        if (stopping_) return;
        const uint64_t number = nextToBegin_++;
        // The slot stays where it is while the job is in work: only finished jobs are taken
        // from the front, and DropWaiting removes only jobs not yet begun.
        TSlot& slot = slots_[size_t(number - firstNumber_)];
        const TBatchJob job = slot.job;
        lock.unlock();
        TBatchResult result;
        try {
            result.output = EncodeBatchFile(job.sourceFileName, job.outputFolder, job.quality, job.mode);
        } catch (...) {
            result.error = std::current_exception();
        }
        lock.lock();
        waitingBytes_ += result.output.stream.size();
        slot.result = std::move(result);
        lock.unlock();
        jobDone_.notify_all();
        if (resultReady_) resultReady_();
        lock.lock();
    }
}

unsigned UsableProcessorCount()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return std::max(std::thread::hardware_concurrency(), 1u);
    return unsigned(std::max(CPU_COUNT(&set), 1));
}

} // namespace tavrik
