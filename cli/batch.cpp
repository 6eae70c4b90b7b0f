#include "batch.h"

#include "batch_run.h"
#include "line_reader.h"
#include "name_template.h"
#include "output_folder.h"
#include "text_bytes.h"

namespace quillmark::cli {

int RunBatch(const TOptions& Options, const TOutputJob& Job) {
    const TInput input(Options.Input);
    const TNameTemplate names(Options.Output);
    // Without a field every line would name one file: the second would fail, and each after.
    if (!names.HasField() && !Options.ZplStream)
        throw UsageError("a batch needs {n} or {value} in -o, so that each line names its own "
                         "file; for instance -o 'out/{n:05}.png'");
    // A folder the same for every line must exist and take files, or no line could succeed.
    if (names.HasFixedFolder() && Options.Output != "-")
        CheckOutputFolder(names.Folder(), Options.Output);

    TBatchRun run(Options, names.NamesAreUnique(),
                  TBatchRun::ShowsProgress(Options) ? CountValueLines(input.Fd()) : std::nullopt);
    TLineReader reader(input.Fd(), LongestLine);
    TLine line;
    try {
        while (!TBatchRun::Stopped() && reader.Next(line)) {
            if (line.TooLong) {
                run.Fail(line.Number, "the line holds " + std::to_string(line.Length) +
                                          " bytes; a value may have at most " +
                                          std::to_string(LongestLine) + " bytes");
                continue;
            }
            if (line.Text.empty())
                continue;
            // Blank, as an empty line, but likely a mistake: said, as a warning.
            if (IsBlank(line.Text)) {
                run.Skip(line.Number, "the line holds only white space; skipped");
                continue;
            }
            std::string value;
            try {
                value = ValueFromInput(line.Text);
            } catch (const ENotLatin1& refused) {
                run.Fail(line.Number, RefusalText(refused, line.Text));
                continue;
            }
            std::string target = names.Expand(line.Number, value);
            run.Draw(line.Number, Job, std::move(value), std::move(target));
        }
    } catch (const std::runtime_error&) {
        run.Abandon();
        throw;
    }
    return run.Finish();
}

} // namespace quillmark::cli
