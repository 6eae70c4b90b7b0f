#include "batch_run.h"

#include <quillmark/atomic_file.h>

#include "messages.h"
#include "text_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark::cli {

namespace {

TSymbolOutcome Failure(std::string Text) {
    return {{{false, std::move(Text)}}, true};
}

// Sweeps the temporaries a killed run left in FileName's folder, once a folder; at most
// 1024 folders, or a template naming a folder per line would grow the set with the batch.
void SweepFolderOf(std::string_view FileName, std::unordered_set<std::string>& Swept) {
    const auto slash = FileName.rfind('/');
    const std::string folder =
        slash == std::string_view::npos
            ? std::string()
            : std::string(FileName.substr(0, std::max<std::size_t>(slash, 1)));
    if (Swept.size() < 1024 && Swept.insert(folder).second)
        RemoveStaleTemporaries(folder);
}

} // namespace

TInput::TInput(const std::string& Name) : fd_(STDIN_FILENO) {
    if (Name == "-")
        return;
    fd_ = ::open(Name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        throw UsageError("cannot read '" + Name + "': " + SystemErrorText(errno));
    struct stat info {};
    if (::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd_);
        throw UsageError("cannot read '" + Name + "': it is a folder");
    }
}

TInput::~TInput() {
    if (fd_ != STDIN_FILENO)
        ::close(fd_);
}

bool TInput::IsRegularFile() const {
    struct stat info {};
    return ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode);
}

bool TBatchRun::ShowsProgress(const TOptions& Options) {
    return !Options.Quiet && ::isatty(STDERR_FILENO) == 1;
}

TBatchRun::TBatchRun(const TOptions& Options, bool NamesAreUnique,
                     std::optional<std::uint64_t> Total)
    : options_(Options), progress_(stderr, ShowsProgress(Options), Total),
      registry_(NamesAreUnique) {
    if (Options.ZplStream && Options.Output != "-")
        stream_.emplace(Options.Output);
    // The runner's threads start with the signals held, so that they reach this thread.
    const TSignalsHeld held;
    runner_ = std::make_unique<TOrderedRunner>(
        Options.Jobs,
        [this](std::uint64_t Line, const TSymbolOutcome& Outcome) { Report(Line, Outcome); });
}

void TBatchRun::Report(std::uint64_t Line, const TSymbolOutcome& Outcome) {
    if (HasMessagesToPrint(Outcome.Messages, options_.Quiet)) {
        progress_.Clear();
        PrintMessages(stderr, std::to_string(Line), Outcome.Messages, options_.Quiet);
    }
    failed_ = failed_ || Outcome.Failed;
    if (Outcome.Skipped)
        return;
    if (!Outcome.Failed && options_.ZplStream)
        WriteToStream(Outcome.Bytes);
    written_ += Outcome.Failed ? 0 : 1;
    progress_.Step();
}

void TBatchRun::WriteToStream(const QByteArray& Bytes) {
    if (stream_)
        stream_->Write(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
    else
        WriteAllTo(STDOUT_FILENO, Bytes, "stdout");
}

void TBatchRun::Draw(std::uint64_t Line, const TOutputJob& Job, std::string Value,
                     std::string Target) {
    if (options_.ZplStream) {
        runner_->Submit(Line, [&Job, strict = options_.Strict, value = std::move(Value)] {
            return RunSymbolForStream(Job, strict, value);
        });
        return;
    }
    SweepFolderOf(Target, swept_);
    if (const auto first = registry_.Claim(Target, Line)) {
        runner_->Submit(Line, [target = Utf8ForTerminal(Target), first = *first] {
            return Failure(target + " : Line " + std::to_string(first) +
                           " names the same file; not written.");
        });
        return;
    }
    runner_->Submit(Line,
                    [&Job, strict = options_.Strict, value = std::move(Value),
                     target = std::move(Target)] { return RunSymbol(Job, strict, value, target); });
}

void TBatchRun::Fail(std::uint64_t Line, std::string Text) {
    runner_->Submit(Line, [text = std::move(Text)] { return Failure(text); });
}

void TBatchRun::Skip(std::uint64_t Line, std::string Warning) {
    runner_->Submit(Line, [text = std::move(Warning)] {
        return TSymbolOutcome{{{true, text}}, false, true};
    });
}

void TBatchRun::Submit(std::uint64_t Line, TOrderedRunner::TWork Work) {
    runner_->Submit(Line, std::move(Work));
}

void TBatchRun::Abandon() {
    runner_->Finish();
    progress_.Finish();
}

int TBatchRun::Finish() {
    Abandon();
    if (const int signal = TInterruption::Signal()) {
        std::fprintf(stderr, "quillmark-cli: interrupted; %llu %s written\n",
                     static_cast<unsigned long long>(written_), written_ == 1 ? "file" : "files");
        return 128 + signal;
    }
    // The labels that were drawn, even where others failed: each failure is named above.
    if (stream_)
        stream_->Commit(TDurability::None);
    return failed_ ? 1 : 0;
}

} // namespace quillmark::cli
