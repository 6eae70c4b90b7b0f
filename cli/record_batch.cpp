#include "record_batch.h"

#include "batch_run.h"
#include "line_reader.h"
#include "name_template.h"
#include "output_folder.h"
#include "record_source.h"
#include "text_bytes.h"
#include "type_settings.h"
#include <quillmark/verify.h>

#include <array>

namespace quillmark::cli {

namespace {

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

// Draws each record through the job of its type to the file Names give it.
int DrawRecords(const TOptions& Options, const TNameTemplate& Names, TRecordSource& Records) {
    if (!Names.HasField() && !Options.ZplStream)
        throw UsageError("a batch needs a field in -o, so that each record names its own file: "
                         "{n}, {value} or a column, for instance -o 'out/{n:05}.png'");
    if (Names.HasFixedFolder() && Options.Output != "-")
        CheckOutputFolder(Names.Folder(), Options.Output);
    TTypeJobs jobs(Options);
    TBatchRun run(Options, Names.NamesAreUnique(), Records.Total());
    std::uint64_t count = 0;
    try {
        while (!TBatchRun::Stopped()) {
            const std::optional<TLabelRecord> record = Records.Next();
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

} // namespace

int RunRecordBatch(const TOptions& Options) {
    try {
        TRecordSource records(Options, {});
        const TNameTemplate names(
            Options.Output, [&records](std::string_view Name) { return records.FieldIndex(Name); });
        return DrawRecords(Options, names, records);
    } catch (const ETableError& e) {
        return TableFailed(Options, e);
    }
}

} // namespace quillmark::cli
