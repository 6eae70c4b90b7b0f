#include "ordered_runner.h"

#include <chrono>

namespace quillmark::cli {

TOrderedRunner::TOrderedRunner(int Jobs, TReport Report)
    : report_(std::move(Report)), window_(static_cast<std::size_t>(Jobs) * 8) {
    if (Jobs <= 1)
        return;
    for (int i = 0; i < Jobs; ++i)
        threads_.emplace_back([this] { Work(); });
}

TOrderedRunner::~TOrderedRunner() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    // The threads join as they are destroyed.
}

void TOrderedRunner::Work() {
    for (;;) {
        std::packaged_task<TSymbolOutcome()> task;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_)
                return;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task();
    }
}

void TOrderedRunner::ReportFront() {
    auto [line, result] = std::move(pending_.front());
    pending_.pop_front();
    report_(line, result.get());
}

void TOrderedRunner::Submit(std::uint64_t Line, TWork Work) {
    if (threads_.empty()) {
        report_(Line, Work());
        return;
    }
    std::packaged_task<TSymbolOutcome()> task(std::move(Work));
    pending_.emplace_back(Line, task.get_future());
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(task));
    }
    wake_.notify_one();
    while (!pending_.empty() &&
           (pending_.size() > window_ ||
            pending_.front().second.wait_for(std::chrono::seconds(0)) == std::future_status::ready))
        ReportFront();
}

void TOrderedRunner::Finish() {
    while (!pending_.empty())
        ReportFront();
}

} // namespace quillmark::cli
