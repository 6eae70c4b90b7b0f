// What every run of labels keeps, whatever it writes: its job and settings, each label's
// report, the summary so far and whether every label was drawn.
#pragma once

#include "sheet_job.h"

#include <quillmark/prepared_symbol.h>

#include <exception>
#include <optional>
#include <utility>

namespace quillmark {

class TLabelRun {
protected:
    TLabelRun(const TOutputJob& Job, const TSheetSettings& Settings, const TLabelReport& Report)
        : FJob(Job), FSettings(Settings), FReport(Report) {}

    // Record's label failed with Error (null where the job's gate stopped it): no file is
    // written at the end.
    void Fail(const TLabelRecord& Record, const TOutputResult& Result, std::exception_ptr Error) {
        FAllDrawn = false;
        FReport({Record, Result, std::move(Error)});
    }

    // The symbol Prepare gives Record, or none with the label's failure reported: what
    // Prepare raised, or the job's gate where it gave none.
    template <class TPrepare>
    std::optional<TPreparedSymbol>
    PreparedOrFailed(const TLabelRecord& Record, const TOutputResult& Result, TPrepare&& Prepare) {
        try {
            if (std::optional<TPreparedSymbol> Symbol = Prepare())
                return Symbol;
        } catch (...) {
            Fail(Record, Result, std::current_exception());
            return std::nullopt;
        }
        Fail(Record, Result, nullptr);
        return std::nullopt;
    }

    const TOutputJob& FJob;
    const TSheetSettings& FSettings;
    const TLabelReport& FReport;
    TSheetSummary FSummary;
    bool FAllDrawn = true;
};

} // namespace quillmark
