#include "batch.h"

#include <quillmark/atomic_file.h>

#include "interruption.h"
#include "line_reader.h"
#include "messages.h"
#include "name_template.h"
#include "ordered_runner.h"
#include "output_folder.h"
#include "progress.h"
#include "target_registry.h"
#include "text_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string_view>
#include <unordered_set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark::cli {

namespace {

// The input's file descriptor, closed at the end unless it is stdin.
class TInput {
public:
    explicit TInput(const std::string& Name) {
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
    ~TInput() {
        if (fd_ != STDIN_FILENO)
            ::close(fd_);
    }
    TInput(const TInput&) = delete;
    TInput& operator=(const TInput&) = delete;
    int Fd() const { return fd_; }

private:
    int fd_ = STDIN_FILENO;
};

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

int RunBatch(const TOptions& Options, const TOutputJob& Job) {
    const TInput input(Options.Input);
    const TNameTemplate names(Options.Output);
    // Without a field every line would name one file: the second would fail, and each after.
    if (!names.HasField())
        throw UsageError("a batch needs {n} or {value} in -o, so that each line names its own "
                         "file; for instance -o 'out/{n:05}.png'");
    // A folder the same for every line must exist and take files, or no line could succeed.
    if (names.HasFixedFolder())
        CheckOutputFolder(names.Folder(), Options.Output);

    const bool showProgress = !Options.Quiet && ::isatty(STDERR_FILENO) == 1;
    TProgress progress(stderr, showProgress,
                       showProgress ? CountValueLines(input.Fd()) : std::nullopt);
    bool failed = false;
    std::uint64_t written = 0;
    const auto report = [&](std::uint64_t Line, const TSymbolOutcome& Outcome) {
        if (HasMessagesToPrint(Outcome.Messages, Options.Quiet)) {
            progress.Clear();
            PrintMessages(stderr, std::to_string(Line), Outcome.Messages, Options.Quiet);
        }
        failed = failed || Outcome.Failed;
        if (Outcome.Skipped)
            return;
        written += Outcome.Failed ? 0 : 1;
        progress.Step();
    };
    const TInterruption interruption;
    // The runner's threads start with the signals held, so that they reach this thread.
    const auto runner = [&] {
        const TSignalsHeld held;
        return std::make_unique<TOrderedRunner>(Options.Jobs, report);
    }();
    std::unordered_set<std::string> swept;

    TTargetRegistry registry(names.NamesAreUnique());
    TLineReader reader(input.Fd(), LongestLine);
    TLine line;
    try {
        while (TInterruption::Signal() == 0 && reader.Next(line)) {
            if (line.TooLong) {
                runner->Submit(line.Number, [length = line.Length] {
                    return Failure("the line holds " + std::to_string(length) +
                                   " bytes; a value may have at most " +
                                   std::to_string(LongestLine) + " bytes");
                });
                continue;
            }
            if (line.Text.empty())
                continue;
            // Blank, as an empty line, but likely a mistake: said, as a warning.
            if (IsBlank(line.Text)) {
                runner->Submit(line.Number, [] {
                    return TSymbolOutcome{
                        {{true, "the line holds only white space; skipped"}}, false, true};
                });
                continue;
            }
            std::string value;
            try {
                value = ValueFromInput(line.Text);
            } catch (const ENotLatin1& refused) {
                runner->Submit(line.Number,
                               [text = RefusalText(refused, line.Text)] { return Failure(text); });
                continue;
            }
            std::string target = names.Expand(line.Number, value);
            SweepFolderOf(target, swept);
            if (const auto first = registry.Claim(target, line.Number)) {
                runner->Submit(line.Number, [target = Utf8ForTerminal(target), first = *first] {
                    return Failure(target + " : Line " + std::to_string(first) +
                                   " names the same file; not written.");
                });
                continue;
            }
            runner->Submit(line.Number, [&Job, strict = Options.Strict, value = std::move(value),
                                         target = std::move(target)] {
                return RunSymbol(Job, strict, value, target);
            });
        }
    } catch (const std::runtime_error&) {
        runner->Finish();
        progress.Finish();
        throw;
    }
    runner->Finish();
    progress.Finish();
    if (const int signal = TInterruption::Signal()) {
        std::fprintf(stderr, "quillmark-cli: interrupted; %llu %s written\n",
                     static_cast<unsigned long long>(written), written == 1 ? "file" : "files");
        return 128 + signal;
    }
    return failed ? 1 : 0;
}

} // namespace quillmark::cli
