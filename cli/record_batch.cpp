#include "record_batch.h"

#include "batch_run.h"
#include "fd_stream.h"
#include "line_reader.h"
#include "name_template.h"
#include "output_folder.h"
#include "text_bytes.h"
#include "type_settings.h"
#include <label_records.h>
#include <quillmark/verify.h>

#include <array>
#include <cstdio>
#include <functional>
#include <istream>

#include <unistd.h>

namespace quillmark::cli {

namespace {

using TNextRecord = std::function<std::optional<TLabelRecord>()>;

// The job of each type a record names, made the first time one does.
class TTypeJobs {
public:
    explicit TTypeJobs(const TOptions& Options) : options_(Options) {}

    // The job for Type, or none with the sentence that refuses the options for it in Refusal;
    // Note says, the first time only, what the job can't do for the type.
    const TOutputJob* For(TBarType Type, std::string& Refusal, std::string& Note) {
        TEntry& entry = entries_[static_cast<std::size_t>(Type)];
        if (!entry.Made) {
            entry.Made = true;
            try {
                TOptions options = options_;
                options.Description = DescriptionOfType(options_, Type);
                entry.Job = MakeJob(options);
            } catch (const UsageError& e) {
                entry.Refusal = e.what();
            }
            if (options_.Verify && !CanRead(Type))
                Note = "zxing-cpp can't read " + BarTypeName(Type) +
                       ", so --verify can't check these symbols; they are written unverified";
        }
        Refusal = entry.Refusal;
        return entry.Job ? &*entry.Job : nullptr;
    }

private:
    struct TEntry {
        bool Made = false;
        std::optional<TOutputJob> Job;
        std::string Refusal;
    };
    const TOptions& options_;
    std::array<TEntry, BarTypeCount> entries_;
};

TRecordColumns Columns(const TOptions& Options) {
    const TRecordOptions& records = Options.Records;
    return {records.Value.value_or(std::string(DefaultValueColumn)), records.TypeColumn,
            records.CopiesColumn};
}

// The table failed: said once, with where it failed.
int TableFailed(const TOptions& Options, const ETableError& Error) {
    const std::string input = Options.Input == "-" ? "stdin" : Options.Input;
    std::fprintf(stderr, "quillmark-cli: %s: %s\n", Utf8ForTerminal(input).c_str(),
                 Latin1ForTerminal(Error.Message()).c_str());
    return 1;
}

// The records of a regular file's table, read through once before anything is drawn.
std::uint64_t CountRecords(int Fd, const TOptions& Options) {
    TFdStreamBuf buffer(Fd);
    std::istream in(&buffer);
    TTableReader reader(in, *Options.Records.Table, Options.Records.Header);
    TTableRecords records(reader, Columns(Options));
    std::uint64_t count = 0;
    while (!TBatchRun::Stopped() && records.Next())
        ++count;
    return count;
}

// Draws each record of Next through the job of its type to the file Names give it.
int DrawRecords(const TOptions& Options, const TNameTemplate& Names, const TNextRecord& Next,
                std::optional<std::uint64_t> Total) {
    if (!Names.HasField())
        throw UsageError("a batch needs a field in -o, so that each record names its own file: "
                         "{n}, {value} or a column, for instance -o 'out/{n:05}.png'");
    if (Names.HasFixedFolder())
        CheckOutputFolder(Names.Folder(), Options.Output);
    TTypeJobs jobs(Options);
    TBatchRun run(Options, Names.NamesAreUnique(), Total);
    std::uint64_t count = 0;
    try {
        while (!TBatchRun::Stopped()) {
            const std::optional<TLabelRecord> record = Next();
            if (!record)
                break;
            const std::uint64_t line = record->Line;
            ++count;
            if (IsBlank(record->Value)) {
                run.Skip(line, "the value is empty; skipped");
                continue;
            }
            std::string value;
            try {
                value = ValueFromInput(record->Value);
            } catch (const ENotLatin1& refused) {
                run.Fail(line, RefusalText(refused, record->Value));
                continue;
            }
            std::string refusal;
            std::string note;
            const TOutputJob* job =
                jobs.For(record->Type.value_or(Options.Description.Barcode.BarType), refusal, note);
            if (!note.empty())
                run.Skip(line, note);
            if (!job) {
                run.Fail(line, refusal);
                continue;
            }
            std::string target = Names.Expand(count, value, record->Fields);
            run.Draw(line, *job, std::move(value), std::move(target));
        }
    } catch (const ETableError& e) {
        run.Abandon();
        return TableFailed(Options, e);
    } catch (const std::runtime_error&) {
        run.Abandon();
        throw;
    }
    return run.Finish();
}

int RunTable(const TOptions& Options) {
    const TInput input(Options.Input);
    try {
        std::optional<std::uint64_t> total;
        if (input.IsRegularFile()) {
            total = CountRecords(input.Fd(), Options);
            if (::lseek(input.Fd(), 0, SEEK_SET) != 0)
                throw std::runtime_error("cannot read '" + Options.Input + "' again");
        }
        TFdStreamBuf buffer(input.Fd());
        std::istream in(&buffer);
        TTableReader reader(in, *Options.Records.Table, Options.Records.Header);
        TTableRecords records(reader, Columns(Options));
        const TNameTemplate names(Options.Output, [&records](std::string_view Name) {
            return records.Columns().Resolve(Name);
        });
        return DrawRecords(
            Options, names, [&records] { return records.Next(); }, total);
    } catch (const ETableError& e) {
        return TableFailed(Options, e);
    } catch (const UsageError&) {
        throw;
    } catch (const Exception& e) {
        // A column that isn't there: the command line names it.
        throw UsageError(e.Message());
    }
}

int RunSequence(const TOptions& Options) {
    const std::optional<TBarType> checkDigits =
        Options.CheckDigits == TCheckDigits::Auto
            ? std::optional(Options.Description.Barcode.BarType)
            : std::nullopt;
    std::optional<TSequenceRecords> records;
    try {
        records.emplace(*Options.Records.Sequence,
                        Options.Records.Value.value_or(std::string(DefaultSequenceTemplate)),
                        std::vector<std::string>{}, checkDigits);
    } catch (const Exception& e) {
        throw UsageError("--value: " + e.Message());
    }
    const TNameTemplate names(Options.Output, [](std::string_view Name) -> std::size_t {
        if (Name != "seq")
            throw Exception("a sequence's fields are {n}, {seq} and {value}.");
        return 0;
    });
    return DrawRecords(
        Options, names, [&records] { return records->Next(); }, std::nullopt);
}

} // namespace

int RunRecordBatch(const TOptions& Options) {
    return Options.Records.Table ? RunTable(Options) : RunSequence(Options);
}

} // namespace quillmark::cli
