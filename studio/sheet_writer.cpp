#include "sheet_writer.h"

#include "batch_row_status.h"

#include <sheet_job.h>

namespace quillmark::studio {

namespace {

std::string Reason(const std::exception_ptr& Error) {
    try {
        std::rethrow_exception(Error);
    } catch (const Exception& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return e.what();
    }
}

} // namespace

TSheetOutcome WriteSheet(const TOutputJob& Job, const TBatchInput& Input,
                         const TLabelTemplate& Sheet, const std::string& FileName) {
    TSheetSettings settings;
    settings.Sheet = Sheet;
    settings.TextFont = Job.Description.Font;
    settings.TextFont.setPointSizeF(Job.Description.FontSizePt);
    settings.DescriptionFor = [&Job](TBarType Type) {
        TLabelRecord record;
        record.Type = Type;
        return RecordDescription(Job, record);
    };
    TBatchRecords records(Input, SequenceCheckDigits(Job));
    TSheetOutcome outcome;
    const auto report = [&outcome](const TLabelOutcome& Label) {
        if (Label.Error)
            outcome.Failures.push_back(std::to_string(Label.Record.Line) + ": " +
                                       Reason(Label.Error));
        else if (!Label.Result.Written)
            outcome.Failures.push_back(std::to_string(Label.Record.Line) +
                                       ": stopped by its findings");
    };
    const TSheetSummary summary = RunSheetJob(
        Job, settings, [&records] { return records.Next(); }, FileName, report);
    outcome.Written = summary.Written;
    outcome.Labels = summary.Labels;
    outcome.Pages = summary.Pages;
    return outcome;
}

} // namespace quillmark::studio
