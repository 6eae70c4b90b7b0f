// Labels on sheets: each record's symbol at true size in the cells of a label template,
// page after page of one PDF, with the record's lines of text; a roll's labels one a page.
#pragma once

#include "label_align.h"
#include "label_record.h"
#include "label_template.h"
#include <quillmark/output_job.h>
#include <quillmark/prepared_symbol.h>
#include <quillmark/sheet_document.h>

#include <QFont>

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

struct TSheetSettings {
    TLabelTemplate Sheet;
    std::uint64_t Skip = 0; // cells of the first page left empty, for a partly used sheet
    TLabelAlign Align = TLabelAlign::Centre;
    QFont TextFont;       // the text lines' family and size in points
    bool Outline = false; // draw each label's shape, for a test print
    // The run's description for a record of its own type, with that type's defaults (its
    // text, its two-dimensional options); none sets the type alone.
    std::function<TBarcodeDescription(TBarType Type)> DescriptionFor;
};

// One label drawn, or not: its record, what the output job said, and why it failed.
struct TLabelOutcome {
    const TLabelRecord& Record;
    TOutputResult Result;     // findings, report lines and notes; Written false when stopped
    std::exception_ptr Error; // the refusal (engine, too large, a failed read-back); null if drawn
};
using TLabelReport = std::function<void(const TLabelOutcome& Outcome)>;

// The next record, or nothing after the last; may raise (a table row that can't be read).
using TRecordSource = std::function<std::optional<TLabelRecord>()>;

struct TSheetSummary {
    std::uint64_t Labels = 0; // labels drawn, copies counted
    int Pages = 0;
    bool Written = false; // the file was written: every label was drawn
};

// Draws every record of Next through Job (the record's value, and its type where it has
// one), Copies times each, into the cells of Settings.Sheet from cell Skip on, and writes
// the PDF to FileName only when every label was drawn; each label's outcome goes to Report
// as it is drawn. A symbol larger than the label's printable area (the label less its
// markup margin, inside a round, elliptical or CD label's shape) is refused with both sizes
// and the X-dimension that would fit. With Job.Verifier, each label is read back from a
// raster of its cell as placed on the page. Cells a template's data puts off its page are
// left out (TSheetPlan). Raises what Next raises (no file is written), EWriteError, and
// before any record Exception for a Skip that leaves no cell on the first page or a
// template with no cell on its page.
// The description a record's label draws: the job's, or the run's for the record's own type.
TBarcodeDescription LabelDescription(const TOutputJob& Job, const TSheetSettings& Settings,
                                     const TLabelRecord& Record);

// The record's symbol, checked as a file of Format would be (the layout it draws from) and
// refused, naming both sizes, where it and Lines don't fit the label; none when the job's
// gate stops it. Raises the engine's errors and the refusal.
std::optional<TPreparedSymbol> PrepareLabelSymbol(const TOutputJob& Job,
                                                  const TSheetSettings& Settings,
                                                  const TLabelRecord& Record,
                                                  const std::vector<TTextExtent>& Lines,
                                                  TFileFormat Format, TOutputResult& Result);

// With Job.Format ZPL, the labels of a roll go to a ZPL file instead (RunZplRoll).
TSheetSummary RunSheetJob(const TOutputJob& Job, const TSheetSettings& Settings,
                          const TRecordSource& Next, const std::string& FileName,
                          const TLabelReport& Report);

} // namespace quillmark
