#include "batch_files_writer.h"

#include "batch_row_status.h"

#include <file_name_template.h>

#include <quillmark/files.h>
#include <quillmark/latin1.h>

#include <set>

namespace quillmark::studio {

TFilesOutcome WriteFiles(const TOutputJob& Job, const TBatchInput& Input, const std::string& Folder,
                         const std::string& NameTemplate) {
    TBatchRecords records(Input, SequenceCheckDigits(Job));
    const TNameTemplate names(
        NameTemplate, [&records](std::string_view Name) { return records.FieldIndex(Name); });
    if (!names.HasField())
        throw Exception("The file name '" + NameTemplate +
                        "' names every file alike: put {n}, {value} or a column in it, for "
                        "instance {n:05}.png.");
    const std::string suffix = std::string(".") + FileFormatRow(Job.Format).Suffix;
    TFilesOutcome outcome;
    // Two records of one name would overwrite each other: the names are kept only where the
    // template can repeat one.
    const bool unique = names.NamesAreUnique();
    std::set<std::string> taken;
    std::uint64_t count = 0;
    while (const std::optional<TLabelRecord> record = records.Next()) {
        ++count;
        if (record->Copies == 0)
            continue;
        const std::string line = std::to_string(record->Line) + ": ";
        const std::string name = Folder + "/" +
                                 names.Expand(count, ValueFromText(record->Value), record->Fields) +
                                 suffix;
        if (!unique && !taken.insert(name).second) {
            outcome.Failures.push_back(line + "the file name " + name +
                                       " is an earlier record's too; put {n} in the name.");
            continue;
        }
        try {
            TOutputJob job = Job;
            job.Description = RecordDescription(Job, *record);
            const TOutputResult result =
                RunOutputJob(job, ValueFromText(record->Value), FileSink(name, TDurability::None));
            if (result.Written)
                ++outcome.Written;
            else
                outcome.Failures.push_back(line + "stopped by its findings");
        } catch (const Exception& e) {
            outcome.Failures.push_back(line + e.Message());
        }
    }
    return outcome;
}

} // namespace quillmark::studio
