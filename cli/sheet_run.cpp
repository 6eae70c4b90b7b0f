#include "sheet_run.h"

#include "interruption.h"
#include "messages.h"
#include "output_folder.h"
#include "record_source.h"
#include "sheet_catalogue.h"
#include "text_bytes.h"
#include "type_settings.h"

#include <sheet_job.h>

#include <QString>

#include <cstdio>

namespace quillmark::cli {

namespace {

// Raised from the records once a signal asks the run to stop, so that no file is written.
struct TStopped {};

TSheetSettings Settings(const TOptions& Options) {
    const TSheetOptions& sheet = Options.Sheet;
    TSheetSettings settings;
    settings.Sheet = FindSheetTemplate(sheet.Name);
    settings.Skip = sheet.Skip;
    settings.Align = sheet.Align;
    // The label's text takes the symbol's font unless told otherwise.
    settings.TextFont = Options.Description.Font;
    if (sheet.FontFamily)
        settings.TextFont.setFamily(QString::fromLocal8Bit(
            sheet.FontFamily->data(), static_cast<qsizetype>(sheet.FontFamily->size())));
    settings.TextFont.setPointSizeF(sheet.FontSizePt.value_or(Options.Description.FontSizePt));
    settings.Outline = sheet.Outline;
    // A type column's type takes the run's settings as -t would; options it can't take fail
    // its labels.
    settings.DescriptionFor = [&Options](TBarType Type) {
        try {
            return DescriptionOfType(Options, Type);
        } catch (const UsageError& e) {
            throw Exception(e.what());
        }
    };
    return settings;
}

} // namespace

int RunSheet(const TOptions& Options, const TOutputJob& Job) {
    CheckOutputFolder(FolderOfName(Options.Output), Options.Output);
    const TSheetSettings settings = Settings(Options);
    const TInterruption interruption;
    try {
        TRecordSource records(Options, Options.Sheet.Text);
        const auto next = [&records]() -> std::optional<TLabelRecord> {
            std::optional<TLabelRecord> record = records.Next();
            if (TInterruption::Signal() != 0)
                throw TStopped{};
            return record;
        };
        std::uint64_t failed = 0;
        const auto report = [&Options, &failed](const TLabelOutcome& Outcome) {
            TSymbolOutcome outcome;
            AddResult(outcome, Outcome.Result, Options.Strict);
            if (Outcome.Error)
                AddFailure(outcome, Outcome.Error, Outcome.Record.Value);
            failed += outcome.Failed ? 1 : 0;
            PrintMessages(stderr, std::to_string(Outcome.Record.Line), outcome.Messages,
                          Options.Quiet);
        };
        const TSheetSummary summary = RunSheetJob(Job, settings, next, Options.Output, report);
        if (summary.Written)
            return 0;
        const std::string why = failed == 0 ? "no record asked for a label"
                                            : std::to_string(failed) +
                                                  (failed == 1 ? " label" : " labels") +
                                                  " failed, each named above by its line";
        std::fprintf(stderr, "quillmark-cli: %s not written: %s\n",
                     Utf8ForTerminal(Options.Output).c_str(), why.c_str());
        return 1;
    } catch (const ETableError& e) {
        return TableFailed(Options, e);
    } catch (const TStopped&) {
        std::fprintf(stderr, "quillmark-cli: interrupted; %s not written\n",
                     Utf8ForTerminal(Options.Output).c_str());
        return 128 + TInterruption::Signal();
    }
}

} // namespace quillmark::cli
