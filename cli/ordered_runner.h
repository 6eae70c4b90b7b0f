// Work spread over threads, its results reported in the order it was submitted, so that
// what a batch prints doesn't depend on the number of threads.
#pragma once

#include "symbol_job.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace quillmark::cli {

class TOrderedRunner {
public:
    using TWork = std::function<TSymbolOutcome()>;
    using TReport = std::function<void(std::uint64_t Line, const TSymbolOutcome& Outcome)>;

    // Jobs 1 runs each piece of work at once on the calling thread. More start that many
    // threads; at most a few pieces per thread wait at any time, so memory stays flat.
    TOrderedRunner(int Jobs, TReport Report);
    ~TOrderedRunner();
    TOrderedRunner(const TOrderedRunner&) = delete;
    TOrderedRunner& operator=(const TOrderedRunner&) = delete;

    // Queues Work for Line and reports whatever has finished in order; waits while the
    // queue is full. Report runs on the calling thread only.
    void Submit(std::uint64_t Line, TWork Work);
    // Waits for all the work and reports it.
    void Finish();

private:
    void Work();
    void ReportFront();

    TReport report_;
    std::size_t window_;
    std::deque<std::pair<std::uint64_t, std::future<TSymbolOutcome>>> pending_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<TSymbolOutcome()>> queue_;
    bool stopping_ = false;
    std::vector<std::jthread> threads_;
};

} // namespace quillmark::cli
