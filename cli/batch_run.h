// What every batch shares, lines or records: its input, its files named once each, its
// threads, its progress line and its exit status.
#pragma once

#include "arguments.h"
#include "interruption.h"
#include "ordered_runner.h"
#include "progress.h"
#include "symbol_job.h"
#include "target_registry.h"
#include <quillmark/atomic_file.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

namespace quillmark::cli {

// A batch's input file descriptor, closed at the end unless it is stdin. Raises UsageError
// for a file that can't be read or is a folder.
class TInput {
public:
    explicit TInput(const std::string& Name);
    ~TInput();
    TInput(const TInput&) = delete;
    TInput& operator=(const TInput&) = delete;
    int Fd() const { return fd_; }
    // A regular file, which can be read through more than once.
    bool IsRegularFile() const;

private:
    int fd_;
};

class TBatchRun {
public:
    // Total: the symbols the progress line counts to, where known. NamesAreUnique: the
    // template can't give two symbols one name, so no name need be kept.
    TBatchRun(const TOptions& Options, bool NamesAreUnique, std::optional<std::uint64_t> Total);

    // Whether a progress line is drawn: worth counting the input for.
    static bool ShowsProgress(const TOptions& Options);

    // Queues drawing Value (engine bytes) through Job to Target for Line, unless an earlier
    // line named Target, which fails this one. Job must outlive the run.
    void Draw(std::uint64_t Line, const TOutputJob& Job, std::string Value, std::string Target);
    // Line failed, or was skipped with a warning, with Text.
    void Fail(std::uint64_t Line, std::string Text);
    void Skip(std::uint64_t Line, std::string Warning);
    // Queues work of the caller's own for Line.
    void Submit(std::uint64_t Line, TOrderedRunner::TWork Work);

    // SIGINT or SIGTERM asked the batch to stop.
    static bool Stopped() { return TInterruption::Signal() != 0; }

    // Waits for the work and gives the exit status: 0 when every line succeeded, 1 when one
    // failed, 128 + the signal when one stopped the batch (saying how many files were
    // written).
    int Finish();
    // Waits for the work before an error ends the batch.
    void Abandon();

private:
    void Report(std::uint64_t Line, const TSymbolOutcome& Outcome);
    void WriteToStream(const QByteArray& Bytes);

    const TOptions& options_;
    TProgress progress_;
    bool failed_ = false;
    std::uint64_t written_ = 0;
    TInterruption interruption_;
    std::unique_ptr<TOrderedRunner> runner_;
    std::unordered_set<std::string> swept_;
    TTargetRegistry registry_;
    // --zpl-stream: every label, in line order, to one file (whole or not at all) or stdout.
    std::optional<TAtomicFile> stream_;
};

} // namespace quillmark::cli
