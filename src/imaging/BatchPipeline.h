#pragma once

#include "imaging/BatchConversion.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tavrik {

// One file of a batch run, with the settings it is converted with.
struct TBatchJob {
    std::string sourceFileName;
    std::string outputFolder;
    uint8_t quality = 75;
    TJpegDecodeMode mode = TJpegDecodeMode::TrueColor;
};

// What became of a job: its output in memory, or the error that stopped it.
struct TBatchResult {
    TBatchOutput output;
    std::exception_ptr error;
};

// Converts the files of a batch run on several cores and gives the results back in the order
// the jobs were handed in, so that the caller writes the outputs in list order, exactly as a
// run on one core would (also when two sources share an output name: the later one wins).
//
// Each worker thread takes the oldest job not yet begun and runs EncodeBatchFile on it. The
// caller hands in jobs while HasRoom() answers true, which bounds the memory: at most one
// decoded picture per worker, and at most kJobsAheadPerWorker jobs per worker handed in and
// not yet taken, whose finished outputs together stay near kWaitingBytes.
//
//     TBatchPipeline pipeline(UsableProcessorCount());
//     for (size_t next = 0, done = 0; done < files.size();) {
//         while (next < files.size() && pipeline.HasRoom()) pipeline.Submit({files[next++], folder, 75});
//         if (auto result = pipeline.WaitNext(100ms)) { ...write or report file done...; ++done; }
//     }
//
// Only the calling thread uses the methods; resultReady runs on a worker thread.
class TBatchPipeline {
public:
    static constexpr size_t kJobsAheadPerWorker = 4;
    static constexpr size_t kWaitingBytes = size_t(64) << 20;

    // workers is raised to 1. resultReady, when given, is called each time a result is done
    // (to wake a loop that waits for it).
    explicit TBatchPipeline(unsigned workers, std::function<void()> resultReady = {});
    // Drops the jobs not yet begun and waits for the ones in work to end.
    ~TBatchPipeline();
    TBatchPipeline(const TBatchPipeline&) = delete;
    TBatchPipeline& operator=(const TBatchPipeline&) = delete;

    unsigned Workers() const { return unsigned(threads_.size()); }
    // Whether another job may be handed in now.
    bool HasRoom() const;
    void Submit(TBatchJob job);
    // Jobs handed in and not yet taken, begun or not.
    size_t Pending() const;
    // The result of the oldest pending job when it is done; nothing when it is not (yet), or
    // when nothing is pending. WaitNext waits up to timeout for it.
    std::optional<TBatchResult> TakeReady();
    std::optional<TBatchResult> WaitNext(std::chrono::milliseconds timeout);
    // Forgets the pending jobs that no worker has begun, for a run that is being stopped; the
    // ones in work go on and stay pending. Answers how many were dropped.
    size_t DropWaiting();

private:
    struct TSlot {
        TBatchJob job;
        std::optional<TBatchResult> result;
    };
    void Work();
    std::optional<TBatchResult> TakeFrontLocked();
    bool HasRoomLocked() const;

    std::function<void()> resultReady_;
    mutable std::mutex mutex_;
    std::condition_variable jobAdded_;  // for the workers
    std::condition_variable jobDone_;   // for WaitNext
    // Pending jobs, oldest first. A job's number is firstNumber_ plus its index; the workers
    // have begun every job numbered below nextToBegin_.
    std::deque<TSlot> slots_;
    uint64_t firstNumber_ = 0;
    uint64_t nextToBegin_ = 0;
    size_t waitingBytes_ = 0; // of the finished outputs not yet taken
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

// The processors this program may run on (those of its CPU affinity), at least 1.
unsigned UsableProcessorCount();

} // namespace tavrik
